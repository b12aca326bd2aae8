#pragma once

#include <exception>
#include <memory>
#include <string>

namespace fw {

// The base of the framework's exceptions. Each class names itself, so that a report can say
// which exception escaped, and can copy itself, so that the exception helper can hand one back
// as an object.
class RuntimeException : public std::exception {
public:
    explicit RuntimeException(std::string message = {});

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const { return message_; }
    virtual std::string ClassName() const { return "RuntimeException"; }
    virtual std::shared_ptr<RuntimeException> clone() const;

private:
    std::string message_;
};

// Declares an exception class of the framework with its own runtime name.
#define FW_DECLARE_EXCEPTION(Name, Base)                                                          \
    class Name : public Base {                                                                    \
    public:                                                                                       \
        using Base::Base;                                                                         \
        std::string ClassName() const override { return #Name; }                                  \
        std::shared_ptr<RuntimeException> clone() const override {                                \
            return std::make_shared<Name>(*this);                                                 \
        }                                                                                         \
    }

} // namespace fw

#pragma once

#include "runtime/Object.h"

#include <memory>

namespace fw {

// A reference that does not keep its object alive.
class WeakRef : public Object {
public:
    explicit WeakRef(const std::shared_ptr<Object>& object) : target_(object) {}
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    // The object, or nil once it is gone.
    std::shared_ptr<Object> Value() const { return target_.lock(); }

private:
    std::weak_ptr<Object> target_;
};

} // namespace fw

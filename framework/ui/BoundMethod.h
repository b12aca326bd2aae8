#pragma once

#include "runtime/ClassRecord.h"
#include "runtime/Object.h"
#include "runtime/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

// An event handler that calls a window's method, bound by name. It holds the window and the
// control weakly: a binding never keeps either alive, and one whose window is gone does nothing.
// Event delivery recognises it (std::function::target) to say which method an exception left.
class BoundMethod {
public:
    BoundMethod(const std::shared_ptr<Object>& target, const std::shared_ptr<Object>& source,
                MethodInfo::Call call, std::string where);

    // Calls the method with the source first, then the event's own arguments.
    Variant operator()(const std::vector<Variant>& arguments) const;
    const std::string& where() const { return where_; }

private:
    std::weak_ptr<Object> target_;
    std::weak_ptr<Object> source_;
    MethodInfo::Call call_;
    std::string where_;
};

} // namespace fw

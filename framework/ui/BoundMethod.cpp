#include "ui/BoundMethod.h"

#include <utility>

namespace fw {

BoundMethod::BoundMethod(const std::shared_ptr<Object>& target, const std::shared_ptr<Object>& source,
                         MethodInfo::Call call, std::string where)
    : target_(target), source_(source), call_(std::move(call)), where_(std::move(where)) {}

Variant BoundMethod::operator()(const std::vector<Variant>& arguments) const {
    auto target = target_.lock();
    if (!target)
        return {};
    std::vector<Variant> all;
    all.reserve(arguments.size() + 1);
    all.emplace_back(source_.lock());
    all.insert(all.end(), arguments.begin(), arguments.end());
    return call_(*target, all);
}

} // namespace fw

#include "ui/Timer.h"

#include "platform/Platform.h"
#include "runtime/ClassRecord.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/MainThread.h"
#include "runtime/MethodAdapter.h"
#include "runtime/NotNil.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/VariantValue.h"
#include "ui/BoundMethod.h"
#include "ui/EventDelivery.h"

#include <algorithm>

namespace fw {

namespace {
Timer::RunModes toRunMode(std::int64_t mode) {
    if (mode < 0 || mode > 2)
        throw InvalidArgumentException("RunMode takes 0 (off), 1 (once) or 2 (repeating)");
    return static_cast<Timer::RunModes>(mode);
}
} // namespace

Timer::Timer() = default;

Timer::~Timer() = default;

const ClassRecord& Timer::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("Timer", &Object::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<Timer>(); };
            r.interfaces = {"actionSource"};
            r.methods = {{"Reset", "()", method(&Timer::Reset), {}}};
            r.properties = {
                DescribeProperty("Period", "Integer", &Timer::Period, &Timer::Period),
                DescribeProperty("Enabled", "Boolean", &Timer::Enabled, &Timer::Enabled),
                {"RunMode",
                 "Integer",
                 [](const Object& self) -> Variant {
                     return static_cast<std::int64_t>(dynamic_cast<const Timer&>(self).RunMode());
                 },
                 [](Object& self, const Variant& value) {
                     dynamic_cast<Timer&>(self).RunMode(toRunMode(VariantToInteger(value, "RunMode")));
                 },
                 {}},
            };
        });
    return record;
}

void Timer::Period(int milliseconds) {
    RequireMainThread();
    if (milliseconds < 0)
        throw InvalidArgumentException("a timer's Period cannot be negative");
    period_ = milliseconds;
    restart();
}

void Timer::RunMode(RunModes mode) {
    RequireMainThread();
    runMode_ = mode;
    restart();
}

void Timer::Enabled(bool enabled) {
    RequireMainThread();
    enabled_ = enabled;
    restart();
}

void Timer::Reset() {
    RequireMainThread();
    restart();
}

void Timer::addActionNotificationReceiver(const std::shared_ptr<ActionNotificationReceiver>& receiver) {
    NotNil(receiver);
    std::erase_if(receivers_, [](const auto& weak) { return weak.expired(); });
    for (const auto& known : receivers_) {
        if (known.lock() == receiver)
            return;
    }
    receivers_.push_back(receiver);
}

void Timer::removeActionNotificationReceiver(const std::shared_ptr<ActionNotificationReceiver>& receiver) {
    std::erase_if(receivers_, [&](const auto& weak) {
        auto known = weak.lock();
        return !known || known == receiver;
    });
}

bool Timer::bindEvent(const std::string& event, Handler handler) {
    if (event != "Action")
        return false;
    action_ = std::move(handler);
    return true;
}

bool Timer::setStoredProperty(const std::string& name, const Variant& value) {
    RequireMainThread();
    // Only fields here: the timer starts counting once, when the whole set is in place.
    if (name == "Period") {
        auto period = VariantToInteger(value, name);
        if (period < 0)
            throw InvalidArgumentException("a timer's Period cannot be negative");
        period_ = static_cast<int>(period);
    } else if (name == "RunMode") {
        runMode_ = toRunMode(VariantToInteger(value, name));
    } else if (name == "Enabled") {
        enabled_ = VariantToBoolean(value, name);
    } else {
        return false;
    }
    return true;
}

void Timer::restart() {
    if (enabled_ && runMode_ != RunModes::Off) {
        if (!native_)
            native_ = platform::Platform::the().createTimer([this] { fired(); });
        native_->start(period_, runMode_ == RunModes::Multiple);
    } else if (native_) {
        native_->stop();
    }
}

void Timer::fired() {
    auto keepAlive = weak_from_this().lock(); // a handler may drop the timer's last owner
    if (action_) {
        Handler action = action_;
        const auto* bound = action.target<BoundMethod>();
        DeliverEvent_([&] { action({}); }, bound ? bound->where() : classRecord().name() + ".Action");
    }
    auto receivers = receivers_;
    for (const auto& weak : receivers) {
        if (auto receiver = weak.lock())
            DeliverEvent_([&] { receiver->PerformAction(); }, classRecord().name() + ".PerformAction");
    }
}

} // namespace fw

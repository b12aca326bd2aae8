#pragma once

#include "platform/NativeTimer.h"
#include "runtime/Object.h"
#include "ui/EventSource.h"

#include <functional>
#include <memory>
#include <vector>

namespace fw {

// Whoever wants to hear a timer's Action besides its bound handler.
class ActionNotificationReceiver {
public:
    virtual ~ActionNotificationReceiver() = default;
    virtual void PerformAction() = 0;
};

// An event-loop timer with event "Action". It counts from the moment it is configured
// (Period, RunMode or Enabled set), not from when its window is shown.
class Timer : public Object, public EventSource {
public:
    enum class RunModes { Off = 0, Single = 1, Multiple = 2 };

    Timer();
    ~Timer() override;
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    int Period() const { return period_; }
    void Period(int milliseconds);
    RunModes RunMode() const { return runMode_; }
    void RunMode(RunModes mode);
    bool Enabled() const { return enabled_; }
    void Enabled(bool enabled);
    // Starts the period again from now.
    void Reset();

    void addActionNotificationReceiver(const std::shared_ptr<ActionNotificationReceiver>& receiver);
    void removeActionNotificationReceiver(const std::shared_ptr<ActionNotificationReceiver>& receiver);

    // "Action" is the only event.
    bool bindEvent(const std::string& event, Handler handler) override;

    bool setStoredProperty(const std::string& name, const Variant& value) override;
    void storedPropertiesApplied() override { restart(); }

private:
    void restart();
    void fired();

    int period_ = 1000;
    RunModes runMode_ = RunModes::Multiple;
    bool enabled_ = true;
    std::unique_ptr<platform::NativeTimer> native_;
    Handler action_;
    std::vector<std::weak_ptr<ActionNotificationReceiver>> receivers_;
};

} // namespace fw

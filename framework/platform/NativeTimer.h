#pragma once

namespace fw::platform {

class NativeTimer {
public:
    virtual ~NativeTimer() = default;
    // (Re)starts counting now; fires after `periodMs`, then every period when `repeating`.
    virtual void start(int periodMs, bool repeating) = 0;
    virtual void stop() = 0;
};

} // namespace fw::platform

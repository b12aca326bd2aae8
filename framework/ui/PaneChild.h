#pragma once

#include <cstdint>
#include <memory>

namespace fw {

class DesktopWindow;
class Object;

// A non-visual control that knows the window it sits on and its index there.
class PaneChild {
public:
    virtual ~PaneChild() = default;
    virtual void SetWindow_(const std::shared_ptr<Object>& window) = 0;
    virtual std::shared_ptr<DesktopWindow> Window() const = 0;
    virtual std::int64_t Index_() const = 0;
    virtual void SetIndex_(std::int64_t index) = 0;
};

} // namespace fw

#pragma once

#include "platform/NativeMedia.h"
#include "runtime/Object.h"

#include <memory>

namespace fw {

class Movie : public Object {
public:
    explicit Movie(std::shared_ptr<platform::NativeMovie> native) : native_(std::move(native)) {}
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    const std::shared_ptr<platform::NativeMovie>& native() const { return native_; }

private:
    std::shared_ptr<platform::NativeMovie> native_;
};

} // namespace fw

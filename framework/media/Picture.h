#pragma once

#include "platform/NativeMedia.h"
#include "runtime/Object.h"

#include <filesystem>
#include <memory>
#include <string>

namespace fw {

class Picture : public Object {
public:
    Picture(std::filesystem::path file, std::shared_ptr<platform::NativePicture> native);
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    // The picture the application holds under the bare `name`: "name.svg", then "name.png", in
    // its bundle's Resources folder; nil when there is none.
    static std::shared_ptr<Picture> OpenFromApp_(const std::string& name);

    int Width() const { return native_->width(); }
    int Height() const { return native_->height(); }
    const std::filesystem::path& file() const { return file_; }
    const std::shared_ptr<platform::NativePicture>& native() const { return native_; }

private:
    std::filesystem::path file_;
    std::shared_ptr<platform::NativePicture> native_;
};

} // namespace fw

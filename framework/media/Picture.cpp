#include "media/Picture.h"

#include "media/FolderItem.h"
#include "platform/Platform.h"
#include "runtime/ClassRecord.h"
#include "runtime/NotNil.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/Runtime.h"

namespace fw {

Picture::Picture(std::filesystem::path file, std::shared_ptr<platform::NativePicture> native)
    : file_(std::move(file)), native_(NotNil(native)) {}

const ClassRecord& Picture::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("Picture", &Object::Lookup_(), [](ClassRecord& r) {
            r.properties = {
                DescribeReadOnly("Width", "Integer", &Picture::Width),
                DescribeReadOnly("Height", "Integer", &Picture::Height),
            };
        });
    return record;
}

std::shared_ptr<Picture> Picture::OpenFromApp_(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos)
        return nullptr;
    // The bundle: <bundle>/bin/<executable> beside <bundle>/Resources.
    auto executable = ExecutableFile();
    auto bin = executable ? executable->Parent() : nullptr;
    auto bundle = bin ? bin->Parent() : nullptr;
    auto resources = bundle ? bundle->Child("Resources", true) : nullptr;
    if (!resources) {
        RuntimeReportProblem("no picture " + name + ": there is no Resources folder" +
                             (bundle ? " in " + bundle->path().string() : std::string()));
        return nullptr;
    }
    // SVG first: it stays sharp at every scale.
    for (const char* extension : {".svg", ".png"}) {
        auto file = resources->Child(name + extension, true);
        if (!file)
            continue;
        if (auto native = platform::Platform::the().openPicture(file->path()))
            return std::make_shared<Picture>(file->path(), std::move(native));
    }
    RuntimeReportProblem("no picture " + name + " (.svg or .png) in " + resources->path().string());
    return nullptr;
}

} // namespace fw

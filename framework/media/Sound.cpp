#include "media/Sound.h"

#include "runtime/ClassRecord.h"
#include "runtime/MethodAdapter.h"
#include "runtime/NotNil.h"

namespace fw {

Sound::Sound(std::filesystem::path file, std::shared_ptr<platform::NativeSound> native)
    : file_(std::move(file)), native_(NotNil(native)) {}

const ClassRecord& Sound::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("Sound", &Object::Lookup_(), [](ClassRecord& r) {
            r.methods = {{"Play", "()", method(&Sound::Play), {}}};
        });
    return record;
}

void Sound::Play() {
    native_->play();
}

} // namespace fw

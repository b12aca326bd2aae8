#include "ui/DesktopMoviePlayer.h"

#include "media/Movie.h"
#include "platform/Platform.h"
#include "runtime/ClassRecord.h"
#include "runtime/MainThread.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/VariantValue.h"

namespace fw {

const ClassRecord& DesktopMoviePlayer::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("DesktopMoviePlayer", &DesktopUIControl::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<DesktopMoviePlayer>(); };
            r.methods = {
                {"Constructor", "()", method(&DesktopMoviePlayer::Constructor), {}},
                {"Play", "()", method(&DesktopMoviePlayer::Play), {}},
            };
            r.properties = {
                DescribeProperty("Movie", "Movie", &DesktopMoviePlayer::Movie, &DesktopMoviePlayer::Movie),
                DescribeReadOnly("AutoPlay", "Boolean", &DesktopMoviePlayer::AutoPlay),
                DescribeReadOnly("AutoRepeat", "Boolean", &DesktopMoviePlayer::AutoRepeat),
                DescribeReadOnly("HasController", "Boolean", &DesktopMoviePlayer::HasController),
            };
        });
    return record;
}

void DesktopMoviePlayer::Movie(std::shared_ptr<fw::Movie> movie) {
    RequireMainThread();
    movie_ = std::move(movie);
    state_.movie = movie_ ? movie_->native() : nullptr;
    push();
}

void DesktopMoviePlayer::Play() {
    RequireMainThread();
    if (auto* player = native()) {
        player->play();
        return;
    }
    // A player on no window has nothing to play with: it stops at once, as an empty one does.
    std::weak_ptr<Object> weak = weak_from_this();
    platform::Platform::the().post([weak] {
        if (auto self = std::dynamic_pointer_cast<DesktopMoviePlayer>(weak.lock()))
            self->movieStopped();
    });
}

bool DesktopMoviePlayer::setStoredProperty(const std::string& name, const Variant& value) {
    RequireMainThread();
    if (name == "AutoPlay")
        autoPlay_ = VariantToBoolean(value, name);
    else if (name == "AutoRepeat")
        autoRepeat_ = VariantToBoolean(value, name);
    else if (name == "HasController")
        state_.hasController = VariantToBoolean(value, name);
    else if (name == "HasStepControls")
        state_.hasStepControls = VariantToBoolean(value, name);
    else if (name == "HasVolumeControl")
        state_.hasVolumeControl = VariantToBoolean(value, name);
    else
        return DesktopUIControl::setStoredProperty(name, value);
    return true;
}

bool DesktopMoviePlayer::isDesignProperty(const std::string& name) const {
    return name == "AutoAdjustToMovieSize" || name == "Border" || name == "RepeatInReverse" ||
           name == "PlayerType" || name == "Position" || name == "Volume" || name == "Speed" ||
           DesktopUIControl::isDesignProperty(name);
}

bool DesktopMoviePlayer::hasEvent(const std::string& event) const {
    return event == "MovieStopped";
}

void DesktopMoviePlayer::movieStopped() {
    raise("MovieStopped");
}

} // namespace fw

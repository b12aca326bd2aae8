#pragma once

#include "ui/DesktopUIControl.h"

#include <memory>

namespace fw {

class Movie;

// Plays a Movie. Event "MovieStopped" when the movie ends or is stopped, and at once when asked
// to play with no playable movie.
class DesktopMoviePlayer : public DesktopUIControl {
public:
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    std::shared_ptr<fw::Movie> Movie() const { return movie_; }
    // Nil leaves the player empty.
    void Movie(std::shared_ptr<fw::Movie> movie);
    void Play();
    bool AutoPlay() const { return autoPlay_; }
    bool AutoRepeat() const { return autoRepeat_; }
    bool HasController() const { return state_.hasController; }

    bool setStoredProperty(const std::string& name, const Variant& value) override;

protected:
    platform::ControlKind kind() const override { return platform::ControlKind::MoviePlayer; }
    bool isDesignProperty(const std::string& name) const override;
    bool hasEvent(const std::string& event) const override;
    void movieStopped() override;

private:
    std::shared_ptr<fw::Movie> movie_;
    bool autoPlay_ = false;
    bool autoRepeat_ = false;
};

} // namespace fw

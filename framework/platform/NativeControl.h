#pragma once

#include "platform/NativeMedia.h"

#include <cstdint>
#include <memory>
#include <string>

namespace fw::platform {

enum class ControlKind { Button, Label, Canvas, MoviePlayer };

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0; // 0 is opaque, 255 fully transparent
    bool operator==(const Rgb&) const = default;
};

struct Font {
    std::string family; // "System" means the desktop's UI font
    double size = 0;    // 0 means the platform's default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

enum class Alignment { Default = 0, Left = 1, Center = 2, Right = 3 };

// Everything a native control shows. The core pushes the whole state on every change.
struct ControlState {
    std::string name; // the control's name, for the program; never shown nor read out
    Rect frame;
    bool enabled = true;
    bool visible = true;
    int tabIndex = 0;
    bool tabStop = true;
    std::string text; // a button's caption or a label's text; CR separates lines
    Font font;
    bool hasTextColor = false;
    Rgb textColor;
    Alignment alignment = Alignment::Default;
    bool multiline = false;
    std::shared_ptr<NativePicture> picture; // a canvas's backdrop
    std::shared_ptr<NativeMovie> movie;     // a movie player's movie
    bool hasController = false;             // a movie player's controls
    bool hasStepControls = false;
    bool hasVolumeControl = false;
};

// What a native control reports back.
class ControlEvents {
public:
    virtual ~ControlEvents() = default;
    virtual void pressed() {}
    virtual void mouseDown(int /*x*/, int /*y*/) {}
    virtual void movieStopped() {}
};

class NativeControl {
public:
    virtual ~NativeControl() = default;
    virtual void update(const ControlState& state) = 0;
    // Movie players only: starts the movie; a player with nothing playable reports movieStopped.
    virtual void play() = 0;
};

} // namespace fw::platform

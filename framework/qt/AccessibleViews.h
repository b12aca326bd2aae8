#pragma once

namespace fw::qt {

// Gives the framework's windows and controls the roles assistive technology expects of them:
// a window is a frame named by its title, a canvas an image named by its picture, a label a
// label whose text can be read. Buttons and the movie player's controls are Qt's own.
class AccessibleViews {
public:
    static void install();
};

} // namespace fw::qt

#pragma once

#include "platform/NativeControl.h"

#include <QFont>
#include <QSize>
#include <QString>

namespace fw::qt {

// Turns the framework's fonts into the desktop's. Sizes are taken as pixels, the unit the
// fixed control rectangles were laid out in.
class FontMapper {
public:
    static QFont map(const platform::Font& font);
    // `font`, made smaller if needed so that `text` fits `box` when drawn with `flags`.
    static QFont fitted(QFont font, const QString& text, QSize box, int flags);
    // The installed family that stands in for `name`.
    static QString family(const std::string& name);
    // Loads the desktop's font list and the faces standing in for the designed ones, which take
    // milliseconds the first time; sizes made later share the loaded faces.
    static void preload();
};

} // namespace fw::qt

#pragma once

#include <QIcon>
#include <filesystem>

namespace fw::qt {

// The application's icon, which the desktop shows for each of its windows and message boxes:
// the bundle's Resources/AppIcon.svg (or .png), drawn at the sizes task bars and switchers use.
class AppIcon {
public:
    // Empty when the bundle has no icon.
    static QIcon fromBundle(const std::filesystem::path& executable);
};

} // namespace fw::qt

#include "qt/AppIcon.h"

#include "qt/QtPicture.h"

namespace fw::qt {

QIcon AppIcon::fromBundle(const std::filesystem::path& executable) {
    const std::filesystem::path resources = executable.parent_path().parent_path() / "Resources";
    QIcon icon;
    for (const char* file : {"AppIcon.svg", "AppIcon.png"}) {
        const auto picture = QtPicture::open(resources / file);
        if (!picture)
            continue;
        for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
            icon.addPixmap(picture->render(QSize(side, side), 1.0));
        break;
    }
    return icon;
}

} // namespace fw::qt

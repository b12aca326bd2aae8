#include "qt/AppIcon.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace fw::qt {

namespace {
// What task bars, switchers and title bars ask for; larger sizes would cost start-up time.
constexpr int kSides[] = {16, 22, 24, 32, 48, 64};
} // namespace

QIcon AppIcon::fromBundle(const std::filesystem::path& executable) {
    const std::filesystem::path resources = executable.parent_path().parent_path() / "Resources";
    QIcon icon;
    // A bundle without an icon is no fault worth a line on standard error, as Qt would say.
    QFile file(QString::fromStdString((resources / "AppIcon.svg").string()));
    QSvgRenderer svg(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    if (svg.isValid()) {
        for (int side : kSides) {
            QPixmap pixmap(side, side);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            svg.render(&painter);
            painter.end();
            icon.addPixmap(pixmap);
        }
        return icon;
    }
    const QPixmap png(QString::fromStdString((resources / "AppIcon.png").string()));
    if (!png.isNull())
        icon.addPixmap(png);
    return icon;
}

} // namespace fw::qt

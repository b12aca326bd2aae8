#include "qt/QtPicture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <cmath>

namespace fw::qt {

namespace {

// The <title> that is a child of the root <svg>; titles deeper down describe parts only.
QString svgTitle(const QByteArray& svg) {
    QXmlStreamReader reader(svg);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth == 2 && reader.name() == QLatin1String("title"))
                return reader.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return {};
}

} // namespace

std::shared_ptr<QtPicture> QtPicture::open(const std::filesystem::path& file) {
    const QString path = QString::fromStdString(file.string());
    auto picture = std::make_shared<QtPicture>();
    if (file.extension() == ".svg" || file.extension() == ".SVG") {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            return nullptr;
        picture->svg_ = in.readAll();
        const QSvgRenderer renderer(picture->svg_);
        if (!renderer.isValid() || renderer.defaultSize().isEmpty())
            return nullptr;
        picture->size_ = renderer.defaultSize();
        picture->description_ = svgTitle(picture->svg_);
        return picture;
    }
    if (!picture->image_.load(path) || picture->image_.isNull())
        return nullptr;
    picture->size_ = picture->image_.size();
    return picture;
}

QPixmap QtPicture::render(QSize logicalSize, qreal devicePixelRatio) const {
    const QSize pixels(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
    if (pixels.isEmpty())
        return {};
    QPixmap pixmap;
    if (isVector()) {
        pixmap = QPixmap(pixels);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer renderer(svg_);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    } else {
        pixmap = QPixmap::fromImage(image_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace fw::qt

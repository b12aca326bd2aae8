#pragma once

#include "platform/NativeMedia.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <filesystem>
#include <memory>

namespace fw::qt {

// An SVG or raster picture. SVGs are drawn afresh at each size and pixel ratio, so they stay sharp
// on HiDPI screens.
class QtPicture final : public platform::NativePicture {
public:
    // Null when the file is missing or is no picture Qt can read.
    static std::shared_ptr<QtPicture> open(const std::filesystem::path& file);

    int width() const override { return size_.width(); }
    int height() const override { return size_.height(); }
    QSize size() const { return size_; }
    bool isVector() const { return !svg_.isEmpty(); }
    // What the picture shows, in a few words, as its file describes it (an SVG's own <title>);
    // empty when the file says nothing.
    const QString& description() const { return description_; }

    // The picture drawn to fill `logicalSize` at `devicePixelRatio`.
    QPixmap render(QSize logicalSize, qreal devicePixelRatio) const;

private:
    QByteArray svg_;
    QImage image_;
    QSize size_;
    QString description_;
};

} // namespace fw::qt

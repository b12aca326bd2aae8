#include "qt/movie/FrameConverter.h"

#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <algorithm>
#include <optional>

namespace fw::qt {

namespace {

// YCbCr to RGB in 8.8 fixed point.
struct Coefficients {
    int yScale, yOffset, rv, gu, gv, bu;
};

Coefficients coefficientsFor(const QVideoFrameFormat& format) {
    const bool hd =
        format.colorSpace() == QVideoFrameFormat::ColorSpace_BT709 ||
        (format.colorSpace() == QVideoFrameFormat::ColorSpace_Undefined && format.frameHeight() >= 720);
    if (format.colorRange() == QVideoFrameFormat::ColorRange_Full)
        return hd ? Coefficients{256, 0, 403, 48, 120, 475} : Coefficients{256, 0, 359, 88, 183, 454};
    return hd ? Coefficients{298, 16, 459, 55, 136, 541} : Coefficients{298, 16, 409, 100, 208, 516};
}

QRgb toRgb(const Coefficients& k, int y, int u, int v) {
    const int c = k.yScale * (y - k.yOffset) + 128;
    const int d = u - 128;
    const int e = v - 128;
    return qRgb(std::clamp((c + k.rv * e) >> 8, 0, 255), std::clamp((c - k.gu * d - k.gv * e) >> 8, 0, 255),
                std::clamp((c + k.bu * d) >> 8, 0, 255));
}

// Where a frame's chroma samples are: planar (one plane each) or interleaved in one plane.
struct ChromaLayout {
    int uPlane, vPlane;
    int uOffset, vOffset, step; // within a row of their plane, for chroma column x: x * step + offset
};

std::optional<ChromaLayout> chromaLayout(QVideoFrameFormat::PixelFormat format) {
    switch (format) {
    case QVideoFrameFormat::Format_YUV420P:
        return ChromaLayout{1, 2, 0, 0, 1};
    case QVideoFrameFormat::Format_YV12:
        return ChromaLayout{2, 1, 0, 0, 1};
    case QVideoFrameFormat::Format_NV12:
        return ChromaLayout{1, 1, 0, 1, 2};
    case QVideoFrameFormat::Format_NV21:
        return ChromaLayout{1, 1, 1, 0, 2};
    default:
        return std::nullopt;
    }
}

QImage fromYuv420(const QVideoFrame& frame, const ChromaLayout& layout) {
    const Coefficients k = coefficientsFor(frame.surfaceFormat());
    QImage image(frame.width(), frame.height(), QImage::Format_RGB32);
    for (int row = 0; row < frame.height(); ++row) {
        const uchar* y = frame.bits(0) + row * frame.bytesPerLine(0);
        const uchar* u = frame.bits(layout.uPlane) + (row / 2) * frame.bytesPerLine(layout.uPlane);
        const uchar* v = frame.bits(layout.vPlane) + (row / 2) * frame.bytesPerLine(layout.vPlane);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int x = 0; x < frame.width(); ++x) {
            const int chroma = x / 2;
            out[x] = toRgb(k, y[x], u[chroma * layout.step + layout.uOffset],
                           v[chroma * layout.step + layout.vOffset]);
        }
    }
    return image;
}

} // namespace

QImage FrameConverter::toImage(const QVideoFrame& frame) {
    QVideoFrame mapped = frame;
    if (!mapped.isValid() || !mapped.map(QVideoFrame::ReadOnly))
        return {};
    QImage image;
    if (const auto layout = chromaLayout(mapped.pixelFormat()))
        image = fromYuv420(mapped, *layout);
    else if (const auto format = QVideoFrameFormat::imageFormatFromPixelFormat(mapped.pixelFormat());
             format != QImage::Format_Invalid)
        image =
            QImage(mapped.bits(0), mapped.width(), mapped.height(), mapped.bytesPerLine(0), format).copy();
    mapped.unmap();
    return image;
}

} // namespace fw::qt

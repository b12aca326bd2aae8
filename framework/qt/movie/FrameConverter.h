#pragma once

#include <QImage>

class QVideoFrame;

namespace fw::qt {

// A video frame as an image, converted on the CPU. QVideoFrame::toImage() converts through a GPU
// context where the window system offers one, and on a machine without a GPU that is a software
// rasteriser kept for the rest of the run.
class FrameConverter {
public:
    // Null for a frame in a layout it does not know.
    static QImage toImage(const QVideoFrame& frame);
};

} // namespace fw::qt

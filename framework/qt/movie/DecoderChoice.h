#pragma once

namespace fw::qt {

// Steers GStreamer to decoders whose output Qt Multimedia's pipelines accept. Must run before
// the first media object is made.
void chooseWorkingDecoders();

} // namespace fw::qt

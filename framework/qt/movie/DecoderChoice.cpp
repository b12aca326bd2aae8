#include "qt/movie/DecoderChoice.h"

#include <QByteArray>
#include <QtGlobal>

namespace fw::qt {

void chooseWorkingDecoders() {
    // libav's MP3 decoders hand out planar audio, which Qt 6.4's GStreamer pipelines refuse
    // ("not-negotiated": nothing plays); mpg123 decodes the same files interleaved. A rank the
    // user set already is kept: the last entry for a feature wins.
    QByteArray ranks = "avdec_mp3:0,avdec_mp3float:0";
    const QByteArray given = qgetenv("GST_PLUGIN_FEATURE_RANK");
    if (!given.isEmpty())
        ranks += "," + given;
    qputenv("GST_PLUGIN_FEATURE_RANK", ranks);
}

} // namespace fw::qt

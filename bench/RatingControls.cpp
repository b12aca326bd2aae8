#include "bench/RatingControls.h"

#include "windows/rating/Verdicts.h"

namespace bench {

std::size_t verdictIndex(const QString& text) {
    for (std::size_t k = 0; k < kVerdicts.size(); ++k)
        if (text == QString::fromUtf8(kVerdicts[k].text))
            return k;
    throw std::runtime_error("not a verdict: " + text.toStdString());
}

} // namespace bench

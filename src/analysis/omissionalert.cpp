#include "analysis/omissionalert.h"

namespace lottodesk {

OmissionAlert omissionAlert(int32_t current, int32_t average, int32_t previous, int32_t longest) {
    if (current > longest) return OmissionAlert::AboveLongest;
    if (current > previous) return OmissionAlert::AbovePrevious;
    if (current > average) return OmissionAlert::AboveAverage;
    return OmissionAlert::None;
}

}  // namespace lottodesk

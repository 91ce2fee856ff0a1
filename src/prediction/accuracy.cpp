#include "accuracy.h"

namespace lottodesk {

std::string accuracyText(int64_t right, int64_t tested) {
    if (tested <= 0) return {};
    const int64_t permille = (right * 2000 + tested) / (tested * 2);  // half up, for right >= 0
    std::string text = std::to_string(permille / 10);
    if (permille % 10 != 0) text += "." + std::to_string(permille % 10);
    return text;
}

bool accuracyWithin(int64_t right, int64_t tested, int64_t lowPercent, int64_t highPercent) {
    if (tested <= 0) return false;
    return right * 100 >= lowPercent * tested && right * 100 <= highPercent * tested;
}

}  // namespace lottodesk

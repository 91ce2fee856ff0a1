#include "judge.h"

#include "forecastview.h"

namespace lottodesk {

DrawJudge::DrawJudge(const ForecastView& view, Verdict verdict, bool secondaryZone, int first, int last)
    : m_verdict(verdict), m_first(first) {
    const GameParams& game = view.game();
    const int count = std::max(last - first + 1, 0);
    m_masks.assign(static_cast<size_t>(count), 0);
    if (verdict == Verdict::TailKill) {
        m_tails.resize(static_cast<size_t>(count));
        m_tailSets.resize(static_cast<size_t>(count));
    }
    const int from = secondaryZone ? game.zhgs + 1 : 1;
    const int to = secondaryZone ? game.zhgs + game.fhgs : game.zhgs;
    for (int n = first; n <= last; ++n) {
        const size_t i = static_cast<size_t>(n - first);
        const int32_t* record = view.record(n);
        for (int slot = from; slot <= to && slot < 50; ++slot)
            if (record[slot] >= 0 && record[slot] < 64) m_masks[i] |= uint64_t{1} << record[slot];
        if (verdict != Verdict::TailKill) continue;
        std::string& tails = m_tails[i];
        for (int slot = 1; slot <= game.zhgs && slot < 50; ++slot) {
            const std::string text = std::to_string(record[slot]);
            tails += text.back();
        }
        // Every value whose decimal text is a piece of the tails: pieces without a leading zero, and "0".
        for (size_t a = 0; a < tails.size(); ++a) {
            if (tails[a] == '-') continue;
            int value = 0;
            for (size_t b = a; b < tails.size() && b < a + 4; ++b) {
                if (tails[b] < '0' || tails[b] > '9') break;
                value = value * 10 + (tails[b] - '0');
                if (tails[a] == '0' && b > a) break;
                if (value < kTailBits) m_tailSets[i].set(static_cast<size_t>(value));
            }
        }
    }
}

void DrawJudge::setTargets(std::vector<int32_t> values, std::vector<uint8_t> ok) {
    m_targets = std::move(values);
    m_targetOk = std::move(ok);
}

}  // namespace lottodesk

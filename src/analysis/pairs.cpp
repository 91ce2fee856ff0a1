#include "pairs.h"

#include <algorithm>

#include "core/drawtext.h"
#include "indicators/drawhistory.h"

namespace lottodesk {

std::string pairEntryText(const PairEntry& entry) {
    return twoDigits(entry.x) + ":" + twoDigits(entry.y) + "==>" + std::to_string(entry.count) + "次";
}

PairMark PairView::mark(int x, int y) const {
    if (x == y) return PairMark::None;
    const int c = count(x, y);
    if (c > options.together) return PairMark::Together;
    if (c < options.apart) return PairMark::Apart;
    return PairMark::None;
}

PairView computePairView(const t_s_dm& store, const GameParams& game, const PairOptions& options) {
    const DrawHistory history = DrawHistory::of(store);
    PairView v;
    v.options = options;
    v.top = std::max(0, static_cast<int>(game.zh_to));
    const int side = v.top + 1;
    v.counters.assign(static_cast<size_t>(side) * side, 0);
    v.header.reserve(static_cast<size_t>(v.top));
    for (int n = 1; n <= v.top; ++n) v.header.push_back(std::to_string(n));

    if (options.custom) {
        v.window = periodWindow(history, options.fromPeriod, options.toPeriod);
        v.caption = windowCaption(v.window);
    } else {
        v.window = recentWindow(history, options.recent);
    }

    // Every ordered pair of main positions, a = b included; numbers outside 1..top take no part.
    const int k = game.zhgs;
    for (int n = v.window.first(); !v.window.empty() && n <= v.window.end; ++n) {
        const int32_t* r = history.record(n);
        for (int a = 1; a <= k; ++a) {
            const int32_t x = r[a];
            if (x < 1 || x > v.top) continue;
            int32_t* row = v.counters.data() + static_cast<size_t>(x) * side;
            for (int b = 1; b <= k; ++b)
                if (r[b] >= 1 && r[b] <= v.top) ++row[r[b]];
        }
    }

    for (int y = 2; y <= v.top; ++y)
        for (int x = 1; x < y; ++x) {
            const int c = v.count(x, y);
            if (c > options.together)
                v.together.push_back({x, y, c});
            else if (c < options.apart)
                v.apart.push_back({x, y, c});
        }
    return v;
}

const PairView& PairPage::run(const t_s_dm& store, const GameParams& game, const PairOptions& options) {
    if (!m_ready || m_store != &store || m_version != store.version() || !(m_game == game) ||
        !(m_view.options == options)) {
        m_view = computePairView(store, game, options);
        m_store = &store;
        m_version = store.version();
        m_game = game;
        m_ready = true;
    }
    return m_view;
}

}  // namespace lottodesk

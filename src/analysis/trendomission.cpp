#include "trendomission.h"

#include <algorithm>

#include "columnorder.h"
#include "core/drawtext.h"
#include "core/partition.h"
#include "indicators/numberprops.h"

namespace lottodesk {
namespace {

bool hasSecondary(const GameParams& game) { return game.hasspec && game.fhgs > 0; }

std::string numbersText(const int32_t* record, int first, int count, const char* after) {
    std::string text;
    for (int i = 0; i < count && first + i < kSlots; ++i) text += twoDigits(record[first + i]) + after;
    return text;
}

std::string tailsText(const int32_t* record, int first, int count, const char* after) {
    std::string text;
    for (int i = 0; i < count && first + i < kSlots; ++i)
        if (record[first + i] >= 0) text += std::to_string(record[first + i] % 10) + after;
    return text;
}

std::string drawText(const int32_t* record, const GameParams& game, const OmissionOptions& o) {
    const int secondary = hasSecondary(game) ? game.fhgs : 0;
    switch (o.variant) {
    case OmissionVariant::Secondary: return numbersText(record, game.zhgs + 1, secondary, " ");
    case OmissionVariant::Tails:
        return tailsText(record, 1, game.zhgs, " ") +
               (o.tailsWithSecondary && secondary ? "| " + tailsText(record, game.zhgs + 1, secondary, ",") : "");
    case OmissionVariant::Main: break;
    }
    if (o.zone == OmissionZone::Secondary) return numbersText(record, game.zhgs + 1, secondary, " ");
    if (o.zone == OmissionZone::Both && secondary)
        return numbersText(record, 1, game.zhgs, " ") + "| " + numbersText(record, game.zhgs + 1, secondary, ",");
    return numbersText(record, 1, game.zhgs, " ");
}

bool ofType(TypeHighlight type, int n) {
    switch (type) {
    case TypeHighlight::All: return true;
    case TypeHighlight::Odd: return n % 2 != 0;
    case TypeHighlight::Even: return n % 2 == 0;
    case TypeHighlight::Prime: return is_prime(n);
    case TypeHighlight::Composite: return !is_prime(n);
    case TypeHighlight::Route0: return n % 3 == 0;
    case TypeHighlight::Route1: return n % 3 == 1;
    case TypeHighlight::Route2: return n % 3 == 2;
    }
    return true;
}

// The hits of the records first..last in ascending columns lo..hi.
HitMatrix rangeHits(const DrawHistory& history, int first, int last, const GameParams& game, const OmissionOptions& o,
                    int lo, int hi) {
    const DrawWindow window{last, std::max(last - first + 1, 0)};
    const int secondary = hasSecondary(game) ? game.fhgs : 0;
    if (o.variant == OmissionVariant::Tails)
        return tailHits(history, window, 1, game.zhgs + (o.tailsWithSecondary ? secondary : 0));
    if (o.variant == OmissionVariant::Secondary || o.zone == OmissionZone::Secondary)
        return numberHits(history, window, game.zhgs + 1, secondary, lo, hi);
    return numberHits(history, window, 1, game.zhgs + (o.zone == OmissionZone::Both ? secondary : 0), lo, hi);
}

}  // namespace

const std::vector<std::string>& typeHighlightNames() {
    static const std::vector<std::string> names = {"显示全部",   "显示奇数号", "显示偶数号", "显示质数号",
                                                   "显示合数号", "显示0路号",  "显示1路号",  "显示2路号"};
    return names;
}

std::string OmissionView::cell(int row, int column) const {
    if (row < 0 || row >= rows()) return {};
    if (column == 0) {
        const int32_t p = periods[static_cast<size_t>(row)];
        return p == kPredictionPeriod ? std::string("预测区") : std::to_string(p);
    }
    if (column == numberColumns() + 1) return draws[static_cast<size_t>(row)];
    if (column < 1 || column > numberColumns()) return {};
    const int c = column - 1;
    return std::to_string(drawn(row, c) ? numbers[static_cast<size_t>(c)] : table.cell(row, c));
}

std::vector<std::string> OmissionView::statRow(int stat) const {
    std::vector<std::string> cells = {kOmissionStatLabels[stat]};
    const OmissionStats& s = table.stats;
    const std::vector<int32_t>* values[] = {&numbers, &s.hits, &s.longest, &s.average, &s.previous, &s.current};
    for (int c = 0; c < numberColumns(); ++c) {
        const int32_t v = (*values[stat])[static_cast<size_t>(c)];
        cells.push_back(stat == 0 && options.variant != OmissionVariant::Tails ? twoDigits(v) : std::to_string(v));
    }
    cells.emplace_back();
    return cells;
}

OmissionView computeOmissionView(const t_s_dm& store, const GameParams& game, const OmissionOptions& options) {
    OmissionView v;
    v.options = options;
    const DrawHistory history = DrawHistory::of(store);
    const int count = history.count();
    int first = options.fromPeriod == 0 ? 1 : history.recordOfPeriod(options.fromPeriod);
    int last = options.toPeriod == 0 ? count : history.recordOfPeriod(options.toPeriod);
    for (const auto& [period, record] : {std::pair{options.fromPeriod, first}, std::pair{options.toPeriod, last}})
        if (period != 0 && record == 0) {
            v.status =
                Status::failure(StatusCode::NoSuchPeriod, "数据库中没有第" + std::to_string(period) + "期的记录");
            return v;
        }
    if (count == 0) first = 1, last = 0;

    int lo = game.zh_from, hi = game.zh_to;
    if (options.variant == OmissionVariant::Secondary) lo = game.spec_from, hi = game.spec_to;
    if (options.variant == OmissionVariant::Tails) lo = 0, hi = 9;
    if (!hasSecondary(game) && options.variant == OmissionVariant::Secondary) hi = lo - 1;

    // Hits in ascending columns, then the columns in the chosen order.
    const HitMatrix ascending = rangeHits(history, first, last, game, options, lo, hi);
    v.numbers = columnOrder(options.order, lo, hi);
    HitMatrix ordered = ascending;
    for (int r = 0; r < ascending.rows; ++r)
        for (int c = 0; c < ascending.columns; ++c)
            ordered.hits[static_cast<size_t>(r) * ordered.columns + c] =
                ascending.hits[static_cast<size_t>(r) * ascending.columns + (v.numbers[static_cast<size_t>(c)] - lo)];
    v.table = trendOmissions(ordered);

    const int columns = ordered.columns;
    v.header.push_back("期号");
    int bounds[16] = {};
    const bool zoned = options.zones >= 2 && options.zones <= 15 && columns >= options.zones;
    if (zoned) partition(options.zones, 1, columns, bounds);
    for (int c = 0; c < columns; ++c) {
        const int32_t n = v.numbers[static_cast<size_t>(c)];
        v.header.push_back(options.variant == OmissionVariant::Tails ? std::to_string(n) : twoDigits(n));
        v.highlighted.push_back(ofType(options.highlight, n) ? 1 : 0);
        int zone = 1;
        while (zoned && zone < options.zones && c + 1 > bounds[zone]) ++zone;
        v.shade.push_back(zoned ? static_cast<uint8_t>((zone + 1) % 2) : 0);
    }
    v.header.push_back("开奖号码");
    for (int r = 0; r < ordered.rows; ++r) {
        const int32_t* record = history.record(first + r);
        v.periods.push_back(record[0]);
        v.draws.push_back(drawText(record, game, options));
    }
    return v;
}

const OmissionView& OmissionPage::run(const t_s_dm& store, const GameParams& game, const OmissionOptions& options) {
    if (m_store != &store || m_version != store.version() || !(m_game == game) || !(m_view.options == options)) {
        m_view = computeOmissionView(store, game, options);
        m_store = &store;
        m_version = store.version();
        m_game = game;
    }
    return m_view;
}

}  // namespace lottodesk

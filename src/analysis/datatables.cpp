#include "datatables.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "coldhotperiod.h"
#include "core/drawtext.h"
#include "indicators/numberprops.h"
#include "indicators/registry.h"

namespace lottodesk {
namespace {

bool hasSecondary(const GameParams& game) { return game.hasspec && game.fhgs > 0; }

std::string listText(const tseqlist& list) {
    std::string text;
    for (int i = 1; i <= list.count(); ++i) text += twoDigits(list.get(i)) + ",";
    return text;
}

// The class of every number 0..49 in three lists: 0 cold, 1 warm, 2 hot, -1 in none.
std::array<int8_t, 50> classesOf(const tseqlist& cold, const tseqlist& warm, const tseqlist& hot) {
    std::array<int8_t, 50> classes;
    classes.fill(-1);
    int8_t kind = 0;
    for (const tseqlist* list : {&cold, &warm, &hot}) {
        for (int i = 1; i <= list->count(); ++i)
            if (list->get(i) >= 0 && list->get(i) < 50) classes[static_cast<size_t>(list->get(i))] = kind;
        ++kind;
    }
    return classes;
}

// The five cells of one zone for a record: the ratio, the drawn cold, warm and hot numbers (as
// classified at the period before), and the lists classified at the record's own period.
void zoneCells(const int32_t* record, int firstSlot, int slots, const std::array<int8_t, 50>& before,
               const tseqlist& cold, const tseqlist& warm, const tseqlist& hot, std::vector<std::string>& cells) {
    std::array<std::string, 3> drawn;
    std::array<int, 3> counts{};
    for (int s = firstSlot; s < firstSlot + slots && s < kSlots; ++s) {
        const int32_t n = record[s];
        if (n < 0 || n >= 50 || before[static_cast<size_t>(n)] < 0) continue;
        const size_t kind = static_cast<size_t>(before[static_cast<size_t>(n)]);
        drawn[kind] += twoDigits(n) + ",";
        ++counts[kind];
    }
    cells.push_back(std::to_string(counts[0]) + ":" + std::to_string(counts[1]) + ":" + std::to_string(counts[2]));
    for (std::string& text : drawn) cells.push_back(std::move(text));
    cells.push_back("冷号：" + listText(cold) + " 温号：" + listText(warm) + " 热号：" + listText(hot));
}

std::string periodText(int32_t period) {
    return period == kPredictionPeriod ? std::string("预测区") : std::to_string(period);
}

// Counts joined by ":".
template <typename Counts>
std::string ratio(const Counts& counts) {
    std::string text;
    for (int32_t c : counts) {
        if (!text.empty()) text += ':';
        text += std::to_string(c);
    }
    return text;
}
std::string ratio(std::initializer_list<int32_t> counts) { return ratio<std::initializer_list<int32_t>>(counts); }

// The registry's indicators the two tables read, resolved once.
struct TableIndicators {
    static const RegistryItem* item(const char* id) { return Registry::instance().find(id); }
    const RegistryItem *wzgs = item("z_wzgs"), *lmzs = item("z_lmzs"), *cmgs = item("z_cmgs"), *nmzs = item("z_nmzs"),
                       *jsgs = item("z_jsgs"), *zsgs = item("z_zsgs"), *zdjj = item("z_zdjj"), *zxjj = item("z_zxjj"),
                       *jjgs = item("z_jjgs"), *hz = item("z_hz"), *wh = item("z_wh"), *dsgs = item("z_dsgs");
    std::array<const RegistryItem*, 3> zones3 = {item("z_3fq_1qgs"), item("z_3fq_2qgs"), item("z_3fq_3qgs")};
    std::array<const RegistryItem*, 3> c3 = {item("z_c3y0"), item("z_c3y1"), item("z_c3y2")};
    std::array<const RegistryItem*, 4> c4 = {item("z_c4y0"), item("z_c4y1"), item("z_c4y2"), item("z_c4y3")};
    std::array<const RegistryItem*, 5> c5 = {item("z_c5y0"), item("z_c5y1"), item("z_c5y2"), item("z_c5y3"),
                                             item("z_c5y4")};
};
const TableIndicators& tableIndicators() {
    static const TableIndicators indicators;
    return indicators;
}

// The main numbers of a record, ascending.
std::vector<int32_t> sortedMain(const int32_t* record, int k) {
    std::vector<int32_t> numbers(record + 1, record + 1 + k);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Runs of two or more consecutive integers, each run's numbers as a list, runs apart by a blank.
std::string consecutiveText(const std::vector<int32_t>& sorted) {
    std::string text;
    for (size_t i = 0; i < sorted.size();) {
        size_t j = i + 1;
        while (j < sorted.size() && sorted[j] == sorted[j - 1] + 1) ++j;
        if (j - i >= 2) {
            if (!text.empty()) text += ' ';
            for (size_t x = i; x < j; ++x) text += twoDigits(sorted[x]) + ",";
        }
        i = j;
    }
    return text;
}

// Groups of two or more numbers sharing a tail, in the order of their smallest number, apart by a blank.
std::string sameTailText(const std::vector<int32_t>& sorted) {
    std::string text;
    std::vector<bool> used(sorted.size(), false);
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (used[i]) continue;
        std::string group = twoDigits(sorted[i]) + ",";
        int members = 1;
        for (size_t j = i + 1; j < sorted.size(); ++j)
            if (!used[j] && tail(sorted[j]) == tail(sorted[i])) {
                used[j] = true;
                group += twoDigits(sorted[j]) + ",";
                ++members;
            }
        if (members < 2) continue;
        if (!text.empty()) text += ' ';
        text += group;
    }
    return text;
}

// The numbers of the draw lying next to a main number of the previous draw (the first draw meets
// itself): the numbers z_nmzs counts.
std::string neighbourText(const std::vector<int32_t>& sorted, const int32_t* previous, int k) {
    std::string text;
    for (int32_t x : sorted)
        for (int j = 1; j <= k; ++j)
            if (std::llabs(static_cast<long long>(x) - previous[j]) == 1) {
                text += twoDigits(x) + ",";
                break;
            }
    return text;
}

}  // namespace

DataTable dataTable1(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions,
                     const std::string& zhname, const std::string& specname) {
    DataTable t;
    const int k = std::clamp(game.zhgs, 0, kSlots - 1);
    const int m = hasSecondary(game) ? std::clamp(game.fhgs, 0, kSlots - 1 - k) : 0;
    t.header.push_back("期数");
    for (int i = 1; i <= k; ++i) t.header.push_back(zhname + std::to_string(i));
    for (int i = 1; i <= m; ++i) t.header.push_back(m > 1 ? specname + std::to_string(i) : specname);
    for (const char* caption :
         {"跨度",       "尾组个数",     "连号组数",     "重复号数",     "邻号组数",     "主区奇偶比",
          "主区奇数号", "主区偶数号",   "主区质合比",   "主区质数号",   "主区合数号",   "主区连续号",
          "主区同尾号", "主区邻位间距", "最大邻位间距", "最小邻位间距", "邻位间距个数", "和值",
          "和值012路",  "尾和",         "尾和012路",    "邻位号"})
        t.header.push_back(caption);

    const TableIndicators& ind = tableIndicators();
    const IndicatorContext ctx{DrawHistory::of(store), game, &partitions, ColdHotSettings{}, nullptr, nullptr, {}};
    const int count = store.RecordCount();
    t.cells.reserve(static_cast<size_t>(count) * t.header.size());
    for (int n = 1; n <= count; ++n) {
        const int32_t* record = store.record(n);
        auto value = [&](const RegistryItem* item) { return registryValue(*item, ctx, n); };
        t.cells.push_back(periodText(record[0]));
        for (int s = 1; s <= k + m; ++s) t.cells.push_back(twoDigits(record[s]));
        const std::vector<int32_t> sorted = sortedMain(record, k);
        std::string odd, even, prime, composite, gaps;
        for (size_t i = 0; i < sorted.size(); ++i) {
            (isOdd(sorted[i]) ? odd : even) += twoDigits(sorted[i]) + ",";
            (is_prime(sorted[i]) ? prime : composite) += twoDigits(sorted[i]) + ",";
            if (i > 0) gaps += std::to_string(sorted[i] - sorted[i - 1]) + ",";
        }
        const int32_t odds = value(ind.jsgs), primes = value(ind.zsgs), sum = value(ind.hz), tailSum = value(ind.wh);
        t.cells.push_back(k == 0 ? "0" : std::to_string(std::llabs(static_cast<long long>(record[k]) - record[1])));
        t.cells.push_back(std::to_string(value(ind.wzgs)));
        t.cells.push_back(std::to_string(value(ind.lmzs)));
        t.cells.push_back(std::to_string(value(ind.cmgs)));
        t.cells.push_back(std::to_string(value(ind.nmzs)));
        t.cells.push_back(ratio({odds, k - odds}));
        t.cells.push_back(std::move(odd));
        t.cells.push_back(std::move(even));
        t.cells.push_back(ratio({primes, k - primes}));
        t.cells.push_back(std::move(prime));
        t.cells.push_back(std::move(composite));
        t.cells.push_back(consecutiveText(sorted));
        t.cells.push_back(sameTailText(sorted));
        t.cells.push_back(std::move(gaps));
        t.cells.push_back(std::to_string(value(ind.zdjj)));
        t.cells.push_back(std::to_string(value(ind.zxjj)));
        t.cells.push_back(std::to_string(value(ind.jjgs)));
        t.cells.push_back(std::to_string(sum));
        t.cells.push_back(std::to_string(sum % 3));
        t.cells.push_back(std::to_string(tailSum));
        t.cells.push_back(std::to_string(tailSum % 3));
        t.cells.push_back(neighbourText(sorted, store.record(n > 1 ? n - 1 : n), k));
    }
    return t;
}

DataTable dataTable2(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions) {
    DataTable t;
    t.header = {"期数", "小大比", "三区比", "五区比", "七区比", "除三余数比", "除四余数比", "除五余数比"};
    const TableIndicators& ind = tableIndicators();
    const IndicatorContext ctx{DrawHistory::of(store), game, &partitions, ColdHotSettings{}, nullptr, nullptr, {}};
    const int k = std::clamp(game.zhgs, 0, kSlots - 1);
    const int count = store.RecordCount();
    t.cells.reserve(static_cast<size_t>(count) * t.header.size());
    for (int n = 1; n <= count; ++n) {
        const int32_t* record = store.record(n);
        auto counts = [&](const auto& items) {
            std::array<int32_t, 5> values{};
            for (size_t i = 0; i < items.size(); ++i) values[i] = registryValue(*items[i], ctx, n);
            return ratio(std::vector<int32_t>(values.begin(), values.begin() + static_cast<long>(items.size())));
        };
        // The five and seven zones have no registry indicator: counted over the main range's partitions.
        auto zoneCounts = [&](int zones) {
            std::array<int32_t, 16> c{};
            for (int s = 1; s <= k; ++s) {
                const int zone = partitions.zoneOf(zones, record[s]);
                if (zone >= 1 && zone <= zones) ++c[static_cast<size_t>(zone)];
            }
            return ratio(std::vector<int32_t>(c.begin() + 1, c.begin() + 1 + zones));
        };
        const int32_t big = registryValue(*ind.dsgs, ctx, n);
        t.cells.push_back(periodText(record[0]));
        t.cells.push_back(ratio({k - big, big}));
        t.cells.push_back(counts(ind.zones3));
        t.cells.push_back(zoneCounts(5));
        t.cells.push_back(zoneCounts(7));
        t.cells.push_back(counts(ind.c3));
        t.cells.push_back(counts(ind.c4));
        t.cells.push_back(counts(ind.c5));
    }
    return t;
}

DataTable dataTable3(const t_s_dm& store, const GameParams& game, const ColdHotSettings& settings,
                     const std::string& zhname, const std::string& specname) {
    DataTable t;
    const bool secondary = hasSecondary(game);
    t.header = {"期数", zhname + "冷温热比", "本期开奖冷号", "本期开奖温号", "本期开奖热号", "下期冷温热号"};
    if (secondary)
        for (const std::string& caption :
             {specname + "冷温热比", std::string("本期开奖冷号"), std::string("本期开奖温号"),
              std::string("本期开奖热号"), std::string("下期冷温热号")})
            t.header.push_back(caption);
    const int count = store.RecordCount();
    t.cells.reserve(static_cast<size_t>(count) * t.header.size());
    ColdWarmHotLists previous;
    for (int n = 1; n <= count; ++n) {
        const int32_t* record = store.record(n);
        const ColdWarmHotLists lists = coldWarmHotAt(store, game, settings, record[0]);
        const ColdWarmHotLists& before = n == 1 ? lists : previous;
        t.cells.push_back(periodText(record[0]));
        zoneCells(record, 1, game.zhgs, classesOf(before.cold, before.warm, before.hot), lists.cold, lists.warm,
                  lists.hot, t.cells);
        if (secondary)
            zoneCells(record, game.zhgs + 1, game.fhgs, classesOf(before.f_cold, before.f_warm, before.f_hot),
                      lists.f_cold, lists.f_warm, lists.f_hot, t.cells);
        previous = lists;
    }
    return t;
}

}  // namespace lottodesk

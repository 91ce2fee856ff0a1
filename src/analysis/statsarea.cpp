#include "statsarea.h"

#include <algorithm>
#include <cstdlib>

#include "coldhotperiod.h"
#include "indicators/comboindicators.h"
#include "indicators/numberprops.h"
#include "indicators/registry.h"
#include "numberformat.h"
#include "omission.h"

namespace lottodesk {
namespace {

// The per-draw indicators the itemised statistics read, resolved once.
struct DrawIndicators {
    IndicatorFn odd, big, prime, tails, consecutive, repeats, skew, dispersion, sum;

    static const DrawIndicators& get() {
        static const DrawIndicators fns = [] {
            auto fn = [](const char* id) { return Registry::instance().find(id)->base; };
            return DrawIndicators{fn("z_jsgs"), fn("z_dsgs"), fn("z_zsgs"), fn("z_wzgs"), fn("z_lmzs"),
                                  fn("z_cmgs"), fn("z_pd"),   fn("z_sd"),   fn("z_hz")};
        }();
        return fns;
    }
};

ZoneNumbers zoneNumbers(const DrawHistory& history, const DrawWindow& window, int firstSlot, int slots, int lo,
                        int hi) {
    ZoneNumbers zone;
    if (slots <= 0 || hi < lo) return zone;
    const std::vector<int32_t> hits = windowHits(history, window, firstSlot, slots, lo, hi);
    const std::vector<int32_t> omissions = omissionsBefore(history, window.end, firstSlot, slots, lo, hi);
    zone.byNumber.reserve(hits.size());
    for (size_t i = 0; i < hits.size(); ++i) {
        zone.byNumber.push_back({lo + static_cast<int32_t>(i), hits[i], omissions[i]});
        zone.maxHits = std::max(zone.maxHits, hits[i]);
        zone.maxOmission = std::max(zone.maxOmission, omissions[i]);
    }
    zone.byHits = zone.byOmission = zone.byNumber;
    std::stable_sort(zone.byHits.begin(), zone.byHits.end(),
                     [](const NumberStat& a, const NumberStat& b) { return a.hits < b.hits; });
    std::stable_sort(zone.byOmission.begin(), zone.byOmission.end(),
                     [](const NumberStat& a, const NumberStat& b) { return a.omission < b.omission; });
    zone.axisStep = std::max(zone.maxHits, zone.maxOmission) / 10 + 1;
    return zone;
}

struct NumberClass {
    int8_t zone3;  // 0..2
    int8_t zone7;  // 0..6, -1 outside the seven zones
};

void tallyValue(int32_t v, int64_t& sum, int32_t& max, int32_t& min, bool first) {
    sum += v;
    max = first ? v : std::max(max, v);
    min = first ? v : std::min(min, v);
}

void countAt(std::vector<int32_t>& distribution, int32_t k) {
    if (k >= 0 && k < static_cast<int32_t>(distribution.size())) ++distribution[static_cast<size_t>(k)];
}

StatsTallies tally(const IndicatorContext& ctx, const DrawWindow& window, const ZonePartitions& partitions) {
    const GameParams& game = ctx.game;
    const int k = combo::mainCount(game);
    const int m = combo::secondaryCount(game);
    const int mainLo = std::min(game.zh_from, 1), mainHi = game.zh_to;
    const int secLo = std::min(game.spec_from, 1), secHi = game.spec_to;
    const auto& b3 = partitions.of(3);
    const DrawIndicators& fn = DrawIndicators::get();

    StatsTallies t;
    const size_t sizes = static_cast<size_t>(k) + 1;
    t.tails.assign(sizes, 0);
    t.primes.assign(sizes, 0);
    t.repeats.assign(sizes, 0);
    t.consecutive.assign(sizes, 0);
    for (int z = 0; z <= 7; ++z) t.sevenBounds[static_cast<size_t>(z)] = partitions.of(7)[static_cast<size_t>(z)];
    if (window.empty()) return t;

    // The classes of each number of the zones, looked up once per run instead of once per drawn number.
    std::vector<NumberClass> mainClasses;
    for (int v = mainLo; v <= mainHi; ++v) {
        const int z7 = partitions.zoneOf(7, v);
        mainClasses.push_back({static_cast<int8_t>(v <= b3[1] ? 0 : (v <= b3[2] ? 1 : 2)),
                               static_cast<int8_t>(z7 >= 1 && z7 <= 7 ? z7 - 1 : -1)});
    }
    std::vector<uint8_t> secondaryPrime;
    for (int v = secLo; v <= secHi; ++v) secondaryPrime.push_back(is_prime(v));

    for (int n = window.end; n >= window.first(); --n) {
        const bool first = n == window.end;
        ++t.draws;
        t.odd += fn.odd(ctx, n);
        t.big += fn.big(ctx, n);
        const int32_t primes = fn.prime(ctx, n), tails = fn.tails(ctx, n);
        const int32_t groups = fn.consecutive(ctx, n), repeats = fn.repeats(ctx, n);
        countAt(t.primes, primes);
        countAt(t.tails, tails);
        countAt(t.consecutive, groups);
        countAt(t.repeats, repeats);
        t.primeSum += primes;
        t.tailSum += tails;
        t.consecutiveSum += groups;
        t.repeatSum += repeats;
        tallyValue(fn.skew(ctx, n), t.skewSum, t.skewMax, t.skewMin, first);
        tallyValue(fn.dispersion(ctx, n), t.dispersionSum, t.dispersionMax, t.dispersionMin, first);
        tallyValue(fn.sum(ctx, n), t.sumSum, t.sumMax, t.sumMin, first);

        const int32_t* draw = ctx.history.record(n);
        for (int i = 1; i <= k; ++i) {
            const int32_t v = draw[i];
            if (i < k) {
                const int32_t gap = std::abs(draw[i + 1] - v);
                tallyValue(gap, t.spacingSum, t.spacingMax, t.spacingMin, first && i == 1);
            }
            if (v < mainLo || v > mainHi) continue;  // a number outside the zone is ignored
            const NumberClass& c = mainClasses[static_cast<size_t>(v - mainLo)];
            ++t.threeZones[c.zone3];
            if (c.zone7 >= 0) ++t.sevenZones[static_cast<size_t>(c.zone7)];
            ++t.mainMod3[static_cast<size_t>(v % 3)];
            ++t.mainMod4[static_cast<size_t>(v % 4)];
            ++t.mainMod5[static_cast<size_t>(v % 5)];
        }
        for (int i = k + 1; i <= k + m; ++i) {
            const int32_t v = draw[i];
            if (v < secLo || v > secHi) continue;
            t.secondaryOdd += v % 2 == 1;
            t.secondaryBig += v > game.spec_to / 2;
            t.secondaryPrime += secondaryPrime[static_cast<size_t>(v - secLo)];
            ++t.secondaryMod3[static_cast<size_t>(v % 3)];
            ++t.secondaryMod4[static_cast<size_t>(v % 4)];
            ++t.secondaryMod5[static_cast<size_t>(v % 5)];
        }
    }
    t.mainNumbers = t.draws * k;
    t.secondaryNumbers = t.draws * m;
    t.spacingPairs = k > 1 ? int64_t{t.draws} * (k - 1) : 0;
    return t;
}

}  // namespace

StatsResult computeStats(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions,
                         const ColdHotSettings& settings, const StatsOptions& options) {
    StatsResult r;
    r.options = options;
    const DrawHistory history = DrawHistory::of(store);
    r.window = options.mode == StatsWindowMode::Recent ? recentWindow(history, options.recent)
                                                       : periodWindow(history, options.fromPeriod, options.toPeriod);
    r.caption = windowCaption(r.window);
    r.endPeriod = r.window.end >= 1 ? history.record(r.window.end)[0] : 0;

    const int k = combo::mainCount(game);
    const int m = combo::secondaryCount(game);
    r.main = zoneNumbers(history, r.window, 1, k, std::min(game.zh_from, 1), game.zh_to);
    r.secondary = zoneNumbers(history, r.window, k + 1, m, std::min(game.spec_from, 1), game.spec_to);

    IndicatorContext ctx;
    ctx.history = history;
    ctx.game = game;
    ctx.partitions = &partitions;
    ctx.settings = settings;
    r.tallies = tally(ctx, r.window, partitions);
    r.pages = buildStatsPages(r.tallies, game, options.mainDivisor, options.secondaryDivisor);

    // The run classifies as of its window's end, into its own lists.
    if (r.endPeriod != 0) r.lists = coldWarmHotAt(store, game, settings, r.endPeriod);
    r.mainColdHot = mainColdHotLine(r.lists);
    r.secondaryColdHot = secondaryColdHotLine(r.lists);
    return r;
}

BarSlot barSlot(int i, int slots, int plotWidth) {
    if (slots <= 0) return {0, 0, 0, 0};
    const int64_t w = plotWidth;
    const int left = static_cast<int>(roundedQuotient((3 * int64_t{i - 1} + 2) * w, 3 * int64_t{slots}, 0));
    const int right = static_cast<int>(roundedQuotient(int64_t{i} * w, slots, 0));
    const int third = static_cast<int>(roundedQuotient(w, 3 * int64_t{slots}, 0));
    return {left, right, right, right + third};
}

const StatsResult& StatsArea::run(const t_s_dm& store, const GameParams& game, const ZonePartitions& partitions,
                                  const ColdHotSettings& settings, const StatsOptions& options) {
    if (m_store == &store && m_version == store.version() && m_game == game && m_settings == settings &&
        m_result.options == options)
        return m_result;
    m_result = computeStats(store, game, partitions, settings, options);
    m_store = &store;
    m_version = store.version();
    m_game = game;
    m_settings = settings;
    return m_result;
}

}  // namespace lottodesk

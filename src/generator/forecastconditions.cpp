#include "forecastconditions.h"

#include <algorithm>

#include "core/drawtext.h"
#include "selfcond.h"

namespace lottodesk {

namespace {

constexpr size_t kMaxSelfSet = 400;
constexpr size_t kMaxTails = 50;

std::vector<uint8_t> within(const std::vector<int32_t>& values, int low, int high) {
    std::vector<uint8_t> kept;
    for (int32_t v : values)
        if (v >= low && v <= high) kept.push_back(static_cast<uint8_t>(v));
    std::sort(kept.begin(), kept.end());
    kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
    return kept;
}

std::string numbersText(const std::vector<uint8_t>& numbers, bool twoDigit) {
    std::string text;
    for (uint8_t n : numbers) text += (text.empty() ? "" : " ") + (twoDigit ? twoDigits(n) : std::to_string(n));
    return text;
}

}  // namespace

ForecastApplied applySecondaryForecast(SecondaryConditions& c, const std::vector<int32_t>& killed,
                                       const std::vector<int32_t>& fixed, const GameParams& game) {
    ForecastApplied applied;
    const int high = std::min(game.spec_to, kMaxSecondaryNumber);
    const std::vector<uint8_t> out = within(killed, 1, high);
    if (!out.empty()) {
        for (uint8_t n : out) c.selectable[n] = false;
        applied.summary += "已从副区可选号码中去除：" + numbersText(out, true) + "\n";
    }
    const std::vector<uint8_t> in = within(fixed, 1, high);
    if (!in.empty()) {
        if (const Status fits = checkFixedCount(in.size(), game.fhgs, true); !fits) {
            applied.notes.push_back(fits.message);
        } else {
            c.fixed.fill(false);
            for (uint8_t n : in) {
                c.fixed[n] = true;
                c.selectable[n] = true;  // a fixed number is one the tickets take
            }
            applied.summary += "已设置副区胆码：" + numbersText(in, true) + "\n";
        }
    }
    applied.changed = !applied.summary.empty();
    return applied;
}

std::vector<int32_t> numbersLeftByKill(const std::vector<int32_t>& killed, const GameParams& game) {
    std::vector<int32_t> left;
    const int low = std::max(game.spec_from, 0), high = std::min(game.spec_to, kMaxSecondaryNumber);
    const std::vector<uint8_t> out = within(killed, low, high);
    if (out.empty()) return left;
    for (int n = low; n <= high; ++n)
        if (!std::binary_search(out.begin(), out.end(), static_cast<uint8_t>(n))) left.push_back(n);
    return left;
}

ForecastApplied applyForecast(MainConditions& c, const ForecastConditions& forecast, int zh_to) {
    ForecastApplied applied;
    const int high = std::min(zh_to, kMaxMainNumber);
    const std::vector<uint8_t> killed = within(forecast.killedNumbers, 1, high);
    if (!killed.empty()) {
        for (uint8_t n : killed) c.selectable[n] = false;
        applied.summary += "已从可选号码中去除：" + numbersText(killed, true) + "\n";
    }
    const std::vector<uint8_t> tails = within(forecast.killedTails, 0, 9);
    if (!tails.empty()) {
        if (c.tails.size() >= kMaxTails) {
            applied.notes.push_back(kTailLimitMessage);
        } else {
            c.tails.push_back(tselfcond{tails, false, false, {0}});
            c.tailEnabled = true;
            applied.summary += "已添加尾数条件：尾号组 " + numbersText(tails, false) + "，出现个数 0\n";
        }
    }
    const std::vector<uint8_t> fixed = within(forecast.fixedNumbers, 1, high);
    if (!fixed.empty()) {
        if (c.selfSet.size() >= kMaxSelfSet) {
            applied.notes.push_back(kSelfSetLimitMessage);
        } else {
            std::vector<int32_t> counts;
            for (int k = 1; k <= static_cast<int>(fixed.size()); ++k) counts.push_back(k);
            c.selfSet.push_back(tselfcond{fixed, false, false, counts});
            c.selfSetEnabled = true;
            applied.summary += "已添加自设条件：号码组 " + numbersText(fixed, true) + "，出现个数 1.." +
                               std::to_string(fixed.size()) + "\n";
        }
    }
    if (!forecast.customTarget.empty() && !forecast.customKilled.empty() && forecast.customLow <= forecast.customHigh) {
        std::vector<int32_t> allowed;
        for (int64_t v = forecast.customLow; v <= forecast.customHigh && allowed.size() < kMaxAllowedValues; ++v)
            if (std::find(forecast.customKilled.begin(), forecast.customKilled.end(), v) == forecast.customKilled.end())
                allowed.push_back(static_cast<int32_t>(v));
        if (!c.custom.add(forecast.customTarget, false, allowed)) {
            applied.notes.push_back(kCustomLimitMessage);
        } else {
            c.customEnabled = true;
            std::string killedText;
            for (int32_t v : forecast.customKilled) killedText += (killedText.empty() ? "" : " ") + std::to_string(v);
            applied.summary += "已添加自定义指标条件：" + forecast.customTarget + " 不取 " + killedText + "\n";
        }
    }
    applied.changed = !applied.summary.empty();
    return applied;
}

}  // namespace lottodesk

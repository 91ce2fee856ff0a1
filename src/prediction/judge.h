#pragma once
// The verdict rules: whether a formula's value is right against the draw of a period. What a rule
// needs of each draw is gathered once, so judging a value is a few instructions.

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "pagekind.h"

namespace lottodesk {

class ForecastView;

class DrawJudge {
public:
    // Facts of records first..last of the view for `verdict` on the main or secondary zone. For
    // CustomKill the target's values are given with setTargets.
    DrawJudge(const ForecastView& view, Verdict verdict, bool secondaryZone, int first, int last);

    // CustomKill: the target's value at records first..last (ok false where it failed to evaluate:
    // no formula is right there).
    void setTargets(std::vector<int32_t> values, std::vector<uint8_t> ok);

    // Whether `value` is right at record n (first..last).
    bool right(int n, int32_t value) const {
        const size_t i = static_cast<size_t>(n - m_first);
        switch (m_verdict) {
        case Verdict::Kill: return !drawn(i, value);
        case Verdict::Fix: return drawn(i, value);
        case Verdict::TailKill: return !tailOccurs(i, value);
        case Verdict::CustomKill: return m_targetOk[i] && m_targets[i] != value;
        }
        return false;
    }
    // The value names a drawn number of the zone (its two-digit text equals a drawn number's).
    bool drawn(size_t i, int32_t value) const { return value >= 0 && value < 64 && (m_masks[i] >> value & 1); }
    // The decimal text of the value occurs in the last digits of the main numbers in draw order.
    bool tailOccurs(size_t i, int32_t value) const {
        if (value < 0) return false;
        if (value < kTailBits) return m_tailSets[i][static_cast<size_t>(value)];
        return m_tails[i].find(std::to_string(value)) != std::string::npos;
    }
    bool targetOk(int n) const { return m_targetOk[static_cast<size_t>(n - m_first)]; }
    int32_t target(int n) const { return m_targets[static_cast<size_t>(n - m_first)]; }
    uint64_t mask(int n) const { return m_masks[static_cast<size_t>(n - m_first)]; }

private:
    static constexpr int kTailBits = 1024;
    Verdict m_verdict;
    int m_first;
    std::vector<uint64_t> m_masks;                   // drawn numbers 0..63 of the zone
    std::vector<std::string> m_tails;                // last digits of the main numbers, in draw order
    std::vector<std::bitset<kTailBits>> m_tailSets;  // values below 1024 whose text occurs in m_tails
    std::vector<int32_t> m_targets;
    std::vector<uint8_t> m_targetOk;
};

}  // namespace lottodesk

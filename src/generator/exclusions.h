#pragma once
// The structural exclusions of the ticket filter, over numbers in ascending order.

#include <cstdint>

namespace lottodesk {

// "去除等间距组合": all gaps equal; never below three numbers.
inline bool equalSpacing(const int32_t* s, int m) {
    if (m < 3) return false;
    for (int i = 2; i < m; ++i)
        if (s[i] - s[i - 1] != s[1] - s[0]) return false;
    return true;
}

// "去除特殊连号": a run of four or more consecutive numbers, two runs of three or more, or three runs
// of two or more (for six numbers exactly the positional test of the system).
inline bool specialRuns(const int32_t* s, int m) {
    int runsOfTwo = 0, runsOfThree = 0;
    for (int i = 0; i < m;) {
        int j = i;
        while (j + 1 < m && s[j + 1] == s[j] + 1) ++j;
        const int length = j - i + 1;
        if (length >= 4) return true;
        if (length >= 3) ++runsOfThree;
        if (length >= 2) ++runsOfTwo;
        i = j + 1;
    }
    return runsOfThree >= 2 || runsOfTwo >= 3;
}

// The same test on the bit mask of the numbers (numbers 0..63): a run of two starts at every bit
// whose successor is set, and so on.
inline bool specialRunsInMask(uint64_t mask) {
    const uint64_t pairs = mask & (mask >> 1);     // n and n+1
    const uint64_t triples = pairs & (mask >> 2);  // n, n+1, n+2
    if (triples & (mask >> 3)) return true;        // four in a row
    const int runsOfTwo = __builtin_popcountll(pairs & ~(pairs << 1));
    const int runsOfThree = __builtin_popcountll(triples & ~(triples << 1));
    return runsOfThree >= 2 || runsOfTwo >= 3;
}

}  // namespace lottodesk

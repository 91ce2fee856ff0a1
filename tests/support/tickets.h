#pragma once
// Tickets written as lists of numbers in the engine tests.

#include <initializer_list>

#include "generator/twozone.h"

namespace lottodesk::test {

inline TwoZoneTicket twoZone(std::initializer_list<int> main, std::initializer_list<int> secondary) {
    TwoZoneTicket t;
    int i = 0;
    for (int n : main) t.main[static_cast<size_t>(i++)] = static_cast<uint8_t>(n);
    i = 0;
    for (int n : secondary) t.secondary[static_cast<size_t>(i++)] = static_cast<uint8_t>(n);
    return t;
}

}  // namespace lottodesk::test

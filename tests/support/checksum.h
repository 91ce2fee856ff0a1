#pragma once
// The golden signature of a result: its ticket count and FNV-1a (64 bits) of its result text file,
// printed by the generator benchmark and checked by the generator tests.

#include <cstdint>
#include <string_view>

namespace lottodesk::test {

constexpr uint64_t fnv1a(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

}  // namespace lottodesk::test

#pragma once
// A ticket of the main zone as the generator stores and tests it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace lottodesk {

// The most main numbers a ticket holds (七乐彩).
constexpr int kMaxTicketNumbers = 7;

// One result: the m numbers ascending in bytes 0..m-1, the hit count of prize checking after them.
using Ticket = std::array<uint8_t, kMaxTicketNumbers + 1>;

// The result text line: each number as two digits followed by one blank ("01 02 03 04 05 06 ").
std::string ticketLine(const Ticket& ticket, int m);

// The numbers a zone's tickets may hold: from..to, each at most once.
struct TicketRange {
    int from = 1;
    int to = 49;
};

// "" when the `count` numbers are within `range` and distinct, else what is wrong ("号码01重复",
// "号码00不在1到33之间").
std::string ticketNumbersProblem(const uint8_t* numbers, int count, const TicketRange& range);

// At most `limit` characters of a text taken from a file, for a message ("…" marks a cut).
std::string quotedForMessage(std::string_view text, size_t limit = 24);

// Insertion sort of a ticket's few numbers.
inline void sortAscending(int32_t* numbers, int m) {
    for (int i = 1; i < m; ++i)
        for (int j = i; j > 0 && numbers[j - 1] > numbers[j]; --j) std::swap(numbers[j - 1], numbers[j]);
}

}  // namespace lottodesk

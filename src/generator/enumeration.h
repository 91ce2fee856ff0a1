#pragma once
// The enumeration of a regular run, in blocks: block `top` holds the tickets whose highest chosen
// number is choosable[top], so blocks can run on any thread and be joined in order.

#include <cstdint>
#include <vector>

#include "plan.h"
#include "tester.h"

namespace lottodesk {

// Appends the passing tickets of block `top` (top >= m - fixed count - 1) to `out`, with their tags.
// Within the block the order is the include-first walk from the highest entry down: each position
// takes the remaining entries from the highest down, that is the chosen positions in descending
// lexicographic order. With no number left to choose (the fixed numbers fill the ticket), the one
// ticket of the fixed numbers.
void enumerateBlock(const Plan& plan, Tester& tester, int top, std::vector<Ticket>& out, std::vector<uint8_t>& tags);

}  // namespace lottodesk

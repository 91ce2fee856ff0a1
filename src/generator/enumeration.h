#pragma once
// The enumeration of a regular run, in chunks: a chunk holds the tickets whose two highest chosen
// numbers are fixed (one for a ticket of one chosen number), so chunks can run on any thread and
// be joined in order.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "plan.h"
#include "tester.h"

namespace lottodesk {

struct EnumerationChunk {
    int top = -1;         // index into choosable of the highest chosen number; -1: nothing to choose
    int second = -1;      // index of the second highest; -1 when one number is chosen
    size_t capacity = 0;  // the chunk's tickets when none is filtered out
};

// The chunks of a run in enumeration order: the include-first walk from the highest entry down,
// that is the chosen numbers in descending lexicographic order. No chunk when the fixed numbers
// are more than a ticket holds or too few numbers are choosable; one chunk of one ticket when the
// fixed numbers fill the ticket.
std::vector<EnumerationChunk> enumerationChunks(const Plan& plan);

// Writes the passing tickets of `chunk` to out[0..], in enumeration order, and returns how many;
// `out` has room for chunk.capacity tickets.
size_t enumerateChunk(const Plan& plan, Tester& tester, const EnumerationChunk& chunk, Ticket* out);

}  // namespace lottodesk

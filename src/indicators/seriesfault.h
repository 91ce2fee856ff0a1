#pragma once
// A value that cannot be computed at a draw: a formula divides by zero there, or a number leaves
// the 32-bit range. The series raises it at that draw only; a history operator meets it only when
// its walk reads that draw, and the memo keeps it for the draw like a value.

#include <string>

namespace lottodesk {

struct SeriesFault {
    std::string reason;     // what happened, to follow the formula's name in the message
    bool complete = false;  // the reason is already the whole message
};

}  // namespace lottodesk

#pragma once
// Lists of numbers typed by the user ("01 05 12", "1,5,12"): blanks, tabs and commas separate.

#include <string>
#include <string_view>
#include <vector>

namespace lottodesk {

struct NumberListParse {
    std::vector<int> numbers;  // ascending, distinct
    std::string error;         // the message when the text is not such a list; numbers is then empty
    bool ok() const { return error.empty(); }
};

// Every item must be a whole number within lo..hi, and none may repeat.
NumberListParse parseNumberList(std::string_view text, int lo, int hi);

}  // namespace lottodesk

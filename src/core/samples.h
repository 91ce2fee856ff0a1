#pragma once
// The real draw histories that ship inside the program, as draw text (one draw per line).

#include <optional>
#include <string_view>

namespace lottodesk {

// The text of the sample file `name` ("ssq.txt": 双色球, "dlt.txt": 超级大乐透), or nothing for
// a name the program does not carry.
std::optional<std::string_view> builtInSample(std::string_view name);

}  // namespace lottodesk

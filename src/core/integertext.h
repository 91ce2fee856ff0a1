#pragma once
// Text that should be an integer: the conversion and the message when it is not.

#include <optional>
#include <string>
#include <string_view>

namespace lottodesk {

// Surrounding blanks are allowed; anything else that is not a 32-bit decimal integer is nullopt.
std::optional<int> parseInteger(std::string_view text);

// "“abc”不是有效的整数"
std::string notAnIntegerMessage(std::string_view text);

}  // namespace lottodesk

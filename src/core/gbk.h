#pragma once
// GBK <-> UTF-8 at the file boundary. Inside the program every text is UTF-8.

#include <string>
#include <string_view>

namespace lottodesk {

// Characters GBK cannot represent become '?'.
std::string utf8ToGbk(std::string_view utf8);

// Malformed or truncated GBK sequences become U+FFFD; never fails.
std::string gbkToUtf8(std::string_view gbk);

// The longest prefix of at most maxBytes bytes that ends on a GBK character boundary,
// so a cut never leaves half a double-byte character behind.
std::string_view truncateGbk(std::string_view gbk, size_t maxBytes);

}  // namespace lottodesk

#pragma once
// GBK <-> UTF-8 at the file boundary. Inside the program every text is UTF-8.

#include <string>
#include <string_view>

namespace lottodesk {

// Characters GBK cannot represent become '?'.
std::string utf8ToGbk(std::string_view utf8);

// Malformed or truncated GBK sequences become U+FFFD; never fails.
std::string gbkToUtf8(std::string_view gbk);

// GBK to UTF-8 that loses no byte: a byte that is not part of a GBK character becomes the
// private-use character U+F700 + byte (U+F780..U+F7FF), which utf8ToGbkKeeping writes back as
// the byte, so a file with damaged text can be rewritten without losing anything. `invalidAt`
// receives the offset of the first such byte (npos when there is none).
std::string gbkToUtf8Keeping(std::string_view gbk, size_t* invalidAt = nullptr);
std::string utf8ToGbkKeeping(std::string_view utf8);

// The longest prefix of at most maxBytes bytes that ends on a GBK character boundary,
// so a cut never leaves half a double-byte character behind.
std::string_view truncateGbk(std::string_view gbk, size_t maxBytes);

}  // namespace lottodesk

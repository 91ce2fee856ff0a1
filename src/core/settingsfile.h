#pragma once
// The desktop program's settings file as its settings library (QSettings) writes it on Linux: an
// INI text, UTF-8, whose top-level values are in the section "[General]". Read here without Qt.

#include <map>
#include <string>
#include <string_view>

namespace lottodesk {

// The top-level values of the file's text, by name, as text (an integer as its decimal digits).
// Escapes ("\n", "\x4e2d", "%U4E2D" in names) and quotes are undone; values in other sections,
// comments, lines without "=", lists ("a, b") and values of other types ("@Variant(...)") are left
// out. Never fails: a damaged file gives the values that could be read.
std::map<std::string, std::string> parseSettingsFile(std::string_view text);

}  // namespace lottodesk

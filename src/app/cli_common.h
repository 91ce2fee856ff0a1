#pragma once
// What the command files of lottodesk-cli share: the exit status every command ends with, the
// usage message of a command whose arguments do not fit, and rows printed TAB-separated.

#include <ostream>
#include <string>
#include <vector>

namespace lottodesk::cli {

inline constexpr int kDone = 0;     // done
inline constexpr int kUsage = 1;    // the arguments do not fit the command
inline constexpr int kStopped = 2;  // stopped with a message

// Writes the command's usage text and returns kUsage.
inline int usage(std::ostream& err, const std::string& text) {
    err << text << "\n";
    return kUsage;
}

// One row of a table: the cells TAB-separated, then a line end.
inline void printRow(std::ostream& out, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) out << (i ? "\t" : "") << cells[i];
    out << '\n';
}

}  // namespace lottodesk::cli

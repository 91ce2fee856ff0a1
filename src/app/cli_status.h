#pragma once
// The exit status every command of lottodesk-cli ends with, and the usage message of a command
// whose arguments do not fit.

#include <ostream>
#include <string>

namespace lottodesk::cli {

inline constexpr int kDone = 0;     // done
inline constexpr int kUsage = 1;    // the arguments do not fit the command
inline constexpr int kStopped = 2;  // stopped with a message

// Writes the command's usage text and returns kUsage.
inline int usage(std::ostream& err, const std::string& text) {
    err << text << "\n";
    return kUsage;
}

}  // namespace lottodesk::cli

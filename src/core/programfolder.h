#pragma once
// The program folder: every runtime file lives below it.

#include <string>

namespace lottodesk {

// LOTTODESK_HOME when set and non-empty, else the folder of the running executable; always ends
// with '/'.
std::string defaultProgramFolder();

// `path` with a trailing '/' added when missing.
std::string withTrailingSlash(std::string path);

}  // namespace lottodesk

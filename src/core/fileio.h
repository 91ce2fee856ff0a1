#pragma once
// Reading whole files and replacing files atomically. Every write that replaces a user's file
// goes through saveFileAtomically: the bytes go to a temporary file beside the target, which is
// flushed to disk and then renamed over the target, so a crash, a full disk or a folder that
// cannot be written leaves the previous file intact.

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "status.h"

namespace lottodesk {

// The file's bytes, or nullopt when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

bool fileExists(const std::string& path);

// Creates the folder and its parents; true when it exists afterwards.
bool makeFolders(const std::string& path);

// Writes `bytes` to `file`; returns false on a short write. Tests substitute a writer that fails
// part-way, as a full disk would.
using ChunkWriter = std::function<bool(std::FILE* file, std::string_view bytes)>;

bool writeAllBytes(std::FILE* file, std::string_view bytes);

// Replaces `path` with `bytes`. On failure the previous file is untouched, the temporary file is
// removed and the message names the file.
Status saveFileAtomically(const std::string& path, std::string_view bytes,
                          const ChunkWriter& writer = writeAllBytes);

}  // namespace lottodesk

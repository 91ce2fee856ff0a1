#pragma once
// Text files as the program writes them (GBK, CR LF line ends), read for display and edited in
// the program's own text windows.

#include <string>

#include "fileio.h"
#include "status.h"

namespace lottodesk {

// A text window shows at most this much of a file; more is cut with a note.
inline constexpr size_t kMaxShownTextBytes = size_t{16} << 20;

struct GbkText {
    Status status;     // the message when the file cannot be read
    std::string text;  // UTF-8 with '\n' line ends; a byte that is no GBK character survives a
                       // save unchanged (gbkToUtf8Keeping)
    bool cut = false;  // only the first kMaxShownTextBytes were read: saving it back would lose the rest
    FileStamp stamp = {};  // the file as read (exists = false for a missing file), for a later checked save
};

// The file decoded for display and editing. A missing file is an error unless `missingIsEmpty`.
GbkText readGbkText(const std::string& path, bool missingIsEmpty = false);

// Writes `text` (UTF-8, any line ends) as GBK with CR LF line ends, replacing the file atomically.
Status saveGbkText(const std::string& path, std::string_view text);

// The same, unless another program replaced the file since `seen` (saveFileUnlessChanged): then
// nothing is written and the message is kFileChangedMessage with the path.
Status saveGbkTextUnlessChanged(const std::string& path, std::string_view text, FileStamp& seen);

}  // namespace lottodesk

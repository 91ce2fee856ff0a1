#pragma once
// The help page "help.htm" opened by "帮助主题". It is built into the program; a "help.htm" in the
// program folder replaces it (a user's or a portable copy's own page).

#include <QString>

namespace lottodesk {

// The page to open: `programFolder`/help.htm when that file exists, else the built-in page written
// to `cacheFolder`/help.htm (rewritten when it differs, so a new program brings its new page). When
// it cannot be written, the program folder's path: the shell then finds nothing to open, as with
// any missing page.
QString helpPagePath(const QString& programFolder, const QString& cacheFolder);

// The folder the built-in page is written to: the per-user cache folder of the program.
QString defaultHelpCacheFolder();

}  // namespace lottodesk

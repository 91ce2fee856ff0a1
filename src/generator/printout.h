#pragma once
// The printout of a result list ("打印投注结果", and "打印" of the two-zone page): a text file in the
// program folder that the shell opens in the text editor.

#include <string>
#include <vector>

#include "core/fileio.h"
#include "ticket.h"
#include "twozone.h"

namespace lottodesk {

inline constexpr const char* kPrintoutFile = "temppadnote.txt";
inline constexpr const char* kPrintoutHeader = "记录号          红号一  红号二  红号三  红号四  红号五  红号六  红号七";

// The header line, then per ticket its row label "第" + index + "条" filled with blanks to twelve
// bytes of the file's code page, then per number six blanks and the number as two digits; CR LF
// line ends. The text is UTF-8; savePrintout writes it in the system code page.
std::string printoutText(const std::vector<Ticket>& tickets, int m);
// The same for two-zone tickets: the main numbers, then the secondary numbers.
std::string printoutText(const std::vector<TwoZoneTicket>& tickets, int m, int h);

// The printout's path in the program folder (never the current directory).
std::string printoutPath(const std::string& programFolder);
// Writes the text as GBK, atomically.
Status savePrintout(const std::string& path, const std::string& text, const FileLayer& layer = FileLayer{});

}  // namespace lottodesk

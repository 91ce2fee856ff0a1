#pragma once
// Result text files: one ticket per line, each number as two digits followed by one blank, CR LF.
// Readers take LF, CR LF and lone CR as line ends and skip a UTF-8 byte-order mark.

#include <string>
#include <string_view>
#include <vector>

#include "core/fileio.h"
#include "generator.h"

namespace lottodesk {

std::string encodeResultText(const std::vector<Ticket>& tickets, int m);

// Reads whitespace-separated integers, m per line (the rest of a line is skipped; missing numbers
// are 0), each kept as 0..255 — a number outside is an error naming the line, and nothing is read.
struct ResultTextParse {
    std::vector<Ticket> tickets;
    std::string error;
    bool ok() const { return error.empty(); }
};
ResultTextParse parseResultText(std::string_view text, int m);

// Writes the tickets as a result file (atomically; `layer` is for tests that inject faults).
Status saveResultFile(const std::string& path, const std::vector<Ticket>& tickets, int m,
                      const FileLayer& layer = FileLayer{});
// Reads a result file; a file that cannot be read is an error naming it.
ResultTextParse loadResultFile(const std::string& path, int m);

}  // namespace lottodesk

#pragma once
// Result text files: one ticket per line, each number as two digits followed by one blank, CR LF.
// Readers take LF, CR LF and lone CR as line ends and skip a UTF-8 byte-order mark.

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/fileio.h"
#include "generator.h"

namespace lottodesk {

std::string encodeResultText(const std::vector<Ticket>& tickets, int m);

// Reads whitespace-separated integers, m per line (the rest of a line is skipped; missing numbers
// are 0), each kept as 0..255 — a number outside is an error naming the line, and nothing is read.
// Given the zone's `range`, every ticket is checked as a ticket of the game: m numbers, each in
// the range, none twice; the first that is not is named with its line, and nothing is read.
struct ResultTextParse {
    std::vector<Ticket> tickets;
    std::string error;
    bool ok() const { return error.empty(); }
};
ResultTextParse parseResultText(std::string_view text, int m, const TicketRange* range = nullptr);

inline TicketRange mainZoneRange(const GameParams& game) { return {game.zh_from, game.zh_to}; }
inline TicketRange secondaryZoneRange(const GameParams& game) { return {game.spec_from, game.spec_to}; }

// A result file larger than this is refused unread: the whole 双色球 ticket space is 22 MB.
inline constexpr size_t kMaxResultFileBytes = size_t{256} << 20;

// Writes the tickets as a result file (atomically; `layer` is for tests that inject faults).
Status saveResultFile(const std::string& path, const std::vector<Ticket>& tickets, int m,
                      const FileLayer& layer = FileLayer{});
// Feeds the file's lines to `lines.line(...)` until one returns false, reading in blocks with a
// limit (never the whole file into memory); the answer is `lines.result()`, or a parse holding only
// the error for a file that cannot be read or is larger than `maxBytes` (`tooLargeMessage`).
template <class Lines>
auto readTicketLines(const std::string& path, size_t maxBytes, Lines& lines, const std::string& tooLargeMessage)
    -> std::decay_t<decltype(lines.result())> {
    using Parse = std::decay_t<decltype(lines.result())>;
    auto refused = [](std::string message) {
        Parse failed;
        failed.error = std::move(message);
        return failed;
    };
    LineReader reader(path, maxBytes);
    if (!reader.opened()) return refused("无法读取文件：" + path);
    std::string line;
    while (reader.next(line))
        if (!lines.line(line)) return std::move(lines.result());
    if (reader.tooLarge()) return refused(tooLargeMessage);
    if (reader.failed()) return refused("无法读取文件：" + path);
    return std::move(lines.result());
}

// Reads a result file line by line (never whole into memory), checked as parseResultText checks;
// a file that cannot be read, or one larger than `maxBytes`, is an error naming it.
ResultTextParse loadResultFile(const std::string& path, int m, const TicketRange* range = nullptr,
                               size_t maxBytes = kMaxResultFileBytes);

}  // namespace lottodesk

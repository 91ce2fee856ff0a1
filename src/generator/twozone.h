#pragma once
// Two-zone tickets ("双区匹配"): main results joined with secondary results into complete tickets,
// random two-zone tickets ("机选组号"), and their result text files.
//
// The secondary result list (of the secondary-zone filter or the special-number filter) is a list
// of `Ticket`s holding h numbers each, ascending; it has no capacity limit.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/cpstyle.h"
#include "core/fileio.h"
#include "core/randomsource.h"
#include "core/status.h"
#include "ticket.h"

namespace lottodesk {

constexpr int kMaxSecondaryTicketNumbers = 7;
// The most tickets the two-zone list holds.
constexpr int64_t kMaxTwoZoneTickets = 50000;

struct TwoZoneTicket {
    std::array<uint8_t, kMaxTicketNumbers> main{};                // bytes 0..m-1
    std::array<uint8_t, kMaxSecondaryTicketNumbers> secondary{};  // bytes 0..h-1
    // Written by the prize check (prizecheck.h); all 0 before one.
    uint8_t level = 0;  // the prize level 1..6 of a six-plus-one game, 0 no prize
    uint8_t mainHits = 0;
    uint8_t secondaryHits = 0;

    friend bool operator==(const TwoZoneTicket&, const TwoZoneTicket&) = default;
};

enum class MatchStyle {
    Sequential,  // "顺序匹配": main result i with secondary result ((i - 1) mod Q) + 1
    Random,      // "随机匹配": each main result with a uniformly random secondary result
    All,         // "全组合匹配": every main result with every secondary result, main outer
};

struct MatchOutcome {
    Status status;  // failure: the limit or empty-zone message; the caller's list stays as it was
    std::vector<TwoZoneTicket> tickets;
    std::string statusText;  // "超强组号  已得到双区组合数有" + count + "个"
};

// Joins P main results (m numbers) with Q secondary results (h numbers). Refused when P > 50,000
// or, for "全组合匹配", P × Q > 50,000 (computed in 64 bits); then when P = 0 or Q = 0 (the message
// names the secondary zone with `specname`). `random` is used by MatchStyle::Random only.
MatchOutcome matchZones(const std::vector<Ticket>& mainResults, int m, const std::vector<Ticket>& secondaryResults,
                        int h, MatchStyle style, RandomSource& random, const std::string& specname);

// The secondary-zone pages and two-zone tickets need a game with secondary numbers.
inline constexpr const char* kNoSecondaryZoneMessage = "当前彩种没有副号";
inline constexpr const char* kTwoZoneLimitMessage = "双区组合后得到的注数不能超过50000条，请缩小过滤范围";
inline constexpr const char* kNoMainResultsMessage = "主区没有过滤结果，请先在主区号码中得出过滤结果";
std::string noSecondaryResultsMessage(const std::string& specname);
std::string twoZoneStatusText(size_t count);

// "机选组号" on the two-zone page: `count` tickets of m distinct main numbers out of 1..N (as the
// random pick of the main zone, one shuffled sequence carried over) and h distinct secondary
// numbers out of 1..S (a partial Fisher–Yates shuffle of its own carried-over sequence), each zone
// ascending. Empty when a zone cannot be drawn (m > N, h > S, m or h out of the ticket's size).
std::vector<TwoZoneTicket> randomTwoZoneTickets(int m, int N, int h, int S, int count, RandomSource& random);

// The result text: the m main numbers then the h secondary numbers, each as two digits followed
// by one blank, CR LF.
std::string twoZoneLine(const TwoZoneTicket& ticket, int m, int h);
std::string encodeTwoZoneText(const std::vector<TwoZoneTicket>& tickets, int m, int h);

// Reads m + h whitespace-separated integers per line (missing ones are 0, the rest of the line is
// skipped, blank lines hold no ticket); a "+" may stand between the m main and the h secondary
// numbers ("01 02 03 04 05 06 + 07", also "06+07"), nowhere else. A field that is not an integer
// 0..255, or a misplaced "+", is an error naming its line, and then nothing is read. More than 50,000 tickets are
// refused with the limit message.
struct TwoZoneParse {
    std::vector<TwoZoneTicket> tickets;
    std::string error;
    bool ok() const { return error.empty(); }
};
// Given the game, every ticket is checked as a ticket of it (m + h numbers, each zone's numbers in
// its range and none twice); the first that is not is named with its line.
TwoZoneParse parseTwoZoneText(std::string_view text, int m, int h, const GameParams* game = nullptr);

// A ticket file larger than this is refused unread (50,000 two-zone tickets take about 2 MB).
inline constexpr size_t kMaxTwoZoneFileBytes = size_t{16} << 20;

Status saveTwoZoneFile(const std::string& path, const std::vector<TwoZoneTicket>& tickets, int m, int h,
                       const FileLayer& layer = FileLayer{});
// Reads a ticket file line by line, checked as parseTwoZoneText checks.
TwoZoneParse loadTwoZoneFile(const std::string& path, int m, int h, const GameParams* game = nullptr);

}  // namespace lottodesk

#pragma once
// Maintaining the draw history: typed entry, modify, delete, clear, import, export and the
// download hand-over. Every change ends with the store's save; a change that cannot be completed
// (bad input, a failed save) leaves the history in memory and on disk exactly as it was.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cpstyle.h"
#include "drawcheck.h"
#include "s_dm.h"
#include "status.h"

namespace lottodesk {

inline constexpr const char* kPeriodExistsMessage = "数据库中已经存在此期的记录";
inline constexpr const char* kDownloadFailedMessage = "由于网络问题暂时无法下载数据，请稍后再试！";
inline constexpr const char* kNoDrawsInFileMessage = "文件中没有开奖数据";
// An import file larger than this is refused: a history of 100,000 draws is about 4 MB.
inline constexpr size_t kMaxImportBytes = size_t{8} << 20;
inline constexpr const char* kImportTooLargeMessage =
    "导入文件太大（超过8MB，而十万期的开奖数据约4MB），不是开奖数据文件，数据库未作任何改动";
inline constexpr const char* kContinuityQuestion =
    "软件中原有数据与新下载的数据可能不连贯，是否清除原有的数据（只保留新下载的数据）？";

struct DrawParse {
    DrawRecord record{};
    std::string error;  // empty when the texts made a draw
    bool ok() const { return error.empty(); }
};

// A draw as typed in the entry boxes: the period (exactly seven characters after trimming), the
// main numbers as groups joined by "-", the secondary numbers likewise (one group when the game
// has one secondary number). `specname` names the secondary numbers in the message for a missing
// secondary text. The draw is checked (checkDraw) with the type's zone labels; each zone comes
// back in ascending order.
DrawParse parseTypedDraw(const GameParams& game, const tcpstyle& type, std::string_view period,
                         std::string_view mainNumbers, std::string_view secondaryNumbers);

// The number groups of an entry box: two-digit texts joined by "-" ("01-02-03").
std::string joinNumberGroups(const int32_t* numbers, int count);

// Adds the draw unless its period is already in the history (kPeriodExistsMessage). The draw is
// checked against the store's rules (t_s_dm::drawRules; only the period when it has none) and
// stored with each zone in ascending order.
Status addDraw(t_s_dm& store, const DrawRecord& record);
// Replaces period and number slots (1..slots) of record n, checked as addDraw checks; a period
// that another record holds is refused (kPeriodExistsMessage).
Status modifyDraw(t_s_dm& store, int n, const DrawRecord& record, int slots);
Status deleteDraw(t_s_dm& store, int n);
Status clearHistory(t_s_dm& store);

struct ImportOutcome {
    Status status;
    int imported = 0;     // draws added
    int skipped = 0;      // draws whose period the history (or an earlier line) already held
    std::vector<int32_t> conflicting;  // stored periods the file gives other numbers for (append; kept as stored)
    bool placeholderReplaced = false;  // the new type's untouched first record made way for the file's draws
    std::string summary;  // "新增N期，跳过M期" (and the notes) after an import that landed
};

// Imports a draw text file (one draw per line: the period and the numbers). With secondary
// numbers each line holds zhgs + fhgs numbers; without, zhgs (or zhgs + fhgs, the secondary ones
// left out), and each draw gets 1 as its first secondary number. Every draw is checked
// (checkDraw). Overwrite replaces the history and refuses a file without draws
// (kNoDrawsInFileMessage) and repeated periods; append skips periods already present. All or
// nothing: a bad line is named and nothing changes. Texts above kMaxImportBytes are refused.
ImportOutcome importDrawText(t_s_dm& store, const GameParams& game, std::string_view text, bool withSecondary,
                             bool overwrite);
// The same, reading the file in blocks (a file above kMaxImportBytes, or a device that never
// ends, is refused without being read whole).
ImportOutcome importDrawFile(t_s_dm& store, const GameParams& game, const std::string& path, bool withSecondary,
                             bool overwrite);

// One line per record in history order: the period and the numbers, two-digit, each value
// followed by one blank, lines ended by CR LF ("2003001 10 11 12 13 26 28 11 \r\n").
std::string exportDrawText(const t_s_dm& store, const GameParams& game, bool withSecondary);

// The refusal of an export while a data transform is applied.
inline constexpr const char* kTransformedExportMessage =
    "当前为变换数据，不能导出（导出的文件会被当作真实的开奖号码导入）";

// Writes the export file `path` (atomically). Refused while the history refuses saves (a data
// transform is applied): transformed draws written as a history would later be imported as real.
Status exportDrawFile(const t_s_dm& store, const GameParams& game, const std::string& path, bool withSecondary);

// The name a chosen export file is written to: ".txt" appended unless the name contains it.
std::string exportFileName(const std::string& chosen);

// What a download did to the history.
struct DownloadOutcome {
    Status status;
    std::vector<int32_t> added;        // periods added, ascending
    int skipped = 0;                   // downloaded draws equal to stored ones
    std::vector<int32_t> conflicting;  // stored periods the download gives other numbers for (kept as stored)
    bool placeholderReplaced = false;  // the new type's untouched first record made way for real draws
    bool discardedOld = false;         // the user chose to keep only the downloaded draws
    std::string summary;               // "新增N期，跳过M期" and the notes, after a download that landed
};

// Applies a download hand-over (the lines of "dttmp.dtp": period, numbers, an ignored line, per
// draw). `lowerBound` is the period the download started from, or -1 for everything. The whole
// hand-over is checked first, like an import: every draw valid (the store's rules: exactly zhgs +
// fhgs numbers), periods strictly ascending; a bad group is named and nothing changes. Then it is
// merged: draws equal to stored ones are skipped, a stored period with other numbers is kept and
// listed (never replaced), new periods are added. Only when the download does not connect to the
// history (it starts after a gap past the newest stored draw) is `discardOld` asked whether to keep
// only the downloaded draws. A history holding only the untouched first record of a new type
// (2008001 01..10) has it replaced. A line may still hold lone CRs as line ends; they end lines too.
// With `dryRun` nothing is asked or written: the outcome says what the download would do.
DownloadOutcome applyDownload(t_s_dm& store, int32_t lowerBound, const std::vector<std::string>& lines,
                              const std::function<bool()>& discardOld, bool dryRun = false);

// The summary note of a stored period that a download or an import gives other numbers for.
std::string conflictNote(int32_t period);

// True when the history holds nothing but the record a new type's history file is created with.
bool holdsOnlyPlaceholder(const t_s_dm& store);

// The period a download asks from: the newest real draw's, or -1 (everything) for an empty
// history, a history holding only the placeholder record, or a type whose periods restart daily.
int32_t downloadLowerBound(const t_s_dm& store, const std::string& typeName);

// The lines of a hand-over text: LF, CR LF or a lone CR ends a line; a last line end does not
// start another line.
std::vector<std::string> splitHandOverText(std::string_view text);

}  // namespace lottodesk

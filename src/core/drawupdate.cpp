#include "drawupdate.h"


#include <algorithm>
#include <unordered_map>

#include "drawtext.h"
#include "fileio.h"
#include "platform.h"
#include "integertext.h"

namespace lottodesk {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

// Splits "01-02-03" into `count` numbers written into `out`; the error names the bad group.
std::string parseGroups(std::string_view text, int count, int32_t* out) {
    std::vector<std::string_view> groups;
    size_t start = 0;
    while (true) {
        const size_t dash = text.find('-', start);
        groups.push_back(text.substr(start, dash == std::string_view::npos ? std::string_view::npos : dash - start));
        if (dash == std::string_view::npos) break;
        start = dash + 1;
    }
    if (static_cast<int>(groups.size()) != count) return "号码个数应为" + std::to_string(count) + "个";
    for (int i = 0; i < count; ++i) {
        const std::string_view group = trimmed(groups[i]);
        std::optional<int> value = parseInteger(group);
        if (!value) return notAnIntegerMessage(group);
        out[i] = *value;
    }
    return {};
}

bool findPeriod(t_s_dm& store, int32_t period) {
    store.SetKey();
    store.SetFieldValue(0, period);
    return store.GotoKey();
}

// Runs `change` on the store; when it fails (or the save fails) the store gets back what it had,
// unless the save was refused because another program changed the file: then the store holds
// that program's history, freshly read.
Status guarded(t_s_dm& store, const std::function<Status()>& change) {
    t_s_dm backup = store;
    Status status = change();
    if (!status && !store.lastSaveConflicted()) store = std::move(backup);
    return status;
}

// The rules a store's draws are checked with: its own, with `game`'s shape when one is given.
DrawRules rulesFor(const t_s_dm& store, const GameParams* game) {
    DrawRules rules = store.drawRules() ? *store.drawRules() : DrawRules{};
    if (game) rules.game = *game;
    return rules;
}

// checkDraw when the store knows its game, else the period alone. A draw the user enters by hand
// may be the prediction record; a download may not.
std::string storeDrawProblem(const t_s_dm& store, DrawRecord& record,
                             PredictionRecord prediction = PredictionRecord::Allowed) {
    if (!store.drawRules()) return periodProblem(record[0], prediction);
    return checkDraw(*store.drawRules(), record, true, prediction);
}

Status saved(t_s_dm& store) {
    return store.Post() ? Status::success() : Status::failure(StatusCode::HistoryRefused, store.lastError());
}

// The numbers of two records (slots 1..numbers) agree.
bool sameNumbers(const int32_t* a, const int32_t* b, int numbers) {
    return std::equal(a + 1, a + 1 + numbers, b + 1);
}

// The summary of a change that landed: counts, then what was not taken and why.
std::string mergeSummary(int added, int skipped, const std::vector<int32_t>& conflicting, bool placeholderReplaced) {
    std::string summary = "新增" + std::to_string(added) + "期，跳过" + std::to_string(skipped) + "期";
    if (placeholderReplaced)
        summary += "；新彩种的初始记录（" + std::to_string(kDefaultPeriod) + "期）已由导入的数据替换";
    for (int32_t period : conflicting) summary += "；" + conflictNote(period);
    return summary;
}

std::string handOverError(size_t line, const std::string& what) {
    return "下载的数据第" + std::to_string(line) + "行有误：" + what + "，数据库未作任何改动";
}

}  // namespace

DrawParse parseTypedDraw(const GameParams& game, const tcpstyle& type, std::string_view period,
                         std::string_view mainNumbers, std::string_view secondaryNumbers) {
    DrawParse parse;
    if (game.zhgs < 1 || game.fhgs < 0 || game.zhgs + game.fhgs >= kSlots) {
        parse.error = "彩种的号码个数超出记录范围";
        return parse;
    }
    const std::string_view periodText = trimmed(period);
    // The period's seven characters are counted as the user sees them (UTF-8 digits are one byte).
    if (periodText.size() != 7) {
        parse.error = kPeriodLengthMessage;
        return parse;
    }
    const std::string_view secondaryText = trimmed(secondaryNumbers);
    if (type.hasspec == 1 && secondaryText.empty()) {
        parse.error = "请输入" + type.specname;
        return parse;
    }
    std::optional<int> value = parseInteger(periodText);
    if (!value) {
        parse.error = notAnIntegerMessage(periodText);
        return parse;
    }
    parse.record[0] = *value;
    parse.error = parseGroups(mainNumbers, game.zhgs, &parse.record[1]);
    if (!parse.ok()) return parse;
    if (game.fhgs == 1) {
        value = parseInteger(secondaryText);
        if (!value)
            parse.error = notAnIntegerMessage(secondaryText);
        else
            parse.record[game.zhgs + 1] = *value;
    } else if (game.fhgs > 1) {
        parse.error = parseGroups(secondaryNumbers, game.fhgs, &parse.record[game.zhgs + 1]);
    }
    if (parse.ok())
        parse.error =
            checkDraw(DrawRules{game, type.zhname, type.specname}, parse.record, true, PredictionRecord::Allowed);
    return parse;
}

std::string joinNumberGroups(const int32_t* numbers, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += '-';
        text += twoDigits(numbers[i]);
    }
    return text;
}

Status addDraw(t_s_dm& store, const DrawRecord& record) {
    DrawRecord checked = record;
    if (std::string problem = storeDrawProblem(store, checked); !problem.empty())
        return Status::failure(StatusCode::BadInput, problem);
    if (findPeriod(store, checked[0])) return Status::failure(StatusCode::DuplicatePeriod, kPeriodExistsMessage);
    return guarded(store, [&] {
        store.Append();
        store.setRecord(store.RecNo(), checked);
        return saved(store);
    });
}

Status modifyDraw(t_s_dm& store, int n, const DrawRecord& record, int slots) {
    if (n < 1 || n > store.RecordCount())
        return Status::failure(StatusCode::NothingSelected, "请先在上边的列表中选择一期需要修改的号码");
    DrawRecord checked = record;
    if (std::string problem = storeDrawProblem(store, checked); !problem.empty())
        return Status::failure(StatusCode::BadInput, problem);
    for (int other = 1; other <= store.RecordCount(); ++other)
        if (other != n && store.FieldValueAt(other, 0) == checked[0])
            return Status::failure(StatusCode::DuplicatePeriod, kPeriodExistsMessage);
    return guarded(store, [&] {
        store.SetRecNo(n);
        store.Edit();
        for (int slot = 0; slot <= slots && slot < kSlots; ++slot) store.SetFieldValue(slot, checked[slot]);
        return saved(store);
    });
}

Status deleteDraw(t_s_dm& store, int n) {
    return guarded(store, [&] {
        store.SetRecNo(n);
        return store.Delete(true) ? Status::success() : Status::failure(StatusCode::HistoryRefused, store.lastError());
    });
}

std::string conflictNote(int32_t period) { return "第" + std::to_string(period) + "期与已有记录不同，未导入"; }

bool holdsOnlyPlaceholder(const t_s_dm& store) {
    if (store.RecordCount() != 1) return false;
    const DrawRecord placeholder = defaultDrawRecord();
    return std::equal(placeholder.begin(), placeholder.end(), store.record(1));
}

int32_t downloadLowerBound(const t_s_dm& store, const std::string& typeName) {
    if (typeName == "黑龙江时时彩" || holdsOnlyPlaceholder(store)) return -1;
    const int newest = store.newestRealRecord();
    return newest > 0 ? store.FieldValueAt(newest, 0) : -1;
}

Status clearHistory(t_s_dm& store) {
    return guarded(store, [&] {
        return store.Clear(true) ? Status::success() : Status::failure(StatusCode::HistoryRefused, store.lastError());
    });
}

namespace {

// Collects the draws of an import line by line, checking each, so a file can be read in blocks.
class DrawImport {
public:
    DrawImport(const t_s_dm& store, const GameParams& game, bool withSecondary, bool overwrite)
        : m_store(store),
          m_rules(rulesFor(store, &game)),
          m_withSecondary(withSecondary),
          m_overwrite(overwrite),
          m_perLine(game.zhgs + (withSecondary ? game.fhgs : 0)),
          m_placeholder(!overwrite && holdsOnlyPlaceholder(store)) {
        if (!overwrite && !m_placeholder)
            for (int n = 1; n <= store.RecordCount(); ++n) m_stored.emplace(store.FieldValueAt(n, 0), n);
    }

    // False once the import stops: at the end marker (period 0) or at a bad line (error()).
    bool line(std::string_view text) {
        ++m_lineNumber;
        std::string what;
        switch (parseDrawLine(text, m_values, what)) {
        case DrawLine::Blank: return true;
        case DrawLine::End: return false;
        case DrawLine::Error: return fail(what);
        case DrawLine::Draw: break;
        }
        const GameParams& game = m_rules.game;
        if (game.zhgs < 1 || game.fhgs < 0 || game.zhgs + game.fhgs >= kSlots)
            return fail("彩种的号码个数超出记录范围");
        const int given = static_cast<int>(m_values.size()) - 1;
        // A file that has the secondary numbers may be imported without them.
        const bool secondaryLeftOut = !m_withSecondary && given == game.zhgs + game.fhgs;
        if (given != m_perLine && !secondaryLeftOut) return fail(countProblem(m_rules, given, m_withSecondary));
        DrawRecord record{};
        for (int i = 0; i <= m_perLine; ++i) record[i] = static_cast<int32_t>(m_values[i]);
        if (std::string problem = checkDraw(m_rules, record, m_withSecondary); !problem.empty()) return fail(problem);
        if (!m_withSecondary && game.fhgs > 0) record[game.zhgs + 1] = 1;

        const auto [earlier, fresh] = m_lines.emplace(record[0], m_lineNumber);
        if (!fresh) {
            if (m_overwrite)
                return fail("期数" + std::to_string(record[0]) + "与第" + std::to_string(earlier->second) + "行重复");
            ++m_skipped;
            return true;
        }
        if (const auto stored = m_stored.find(record[0]); stored != m_stored.end()) {
            // A stored draw is never changed by an import; one the file gives other numbers is named.
            if (sameNumbers(m_store.record(stored->second), record.data(), m_perLine))
                ++m_skipped;
            else
                m_conflicting.push_back(record[0]);
            return true;
        }
        m_draws.insert(m_draws.end(), record.begin(), record.begin() + stride());
        return true;
    }

    const std::string& error() const { return m_error; }

    ImportOutcome apply(t_s_dm& store) {
        ImportOutcome outcome;
        const int count = static_cast<int>(m_draws.size() / stride());
        if (m_overwrite && count == 0) {
            outcome.status = Status::failure(StatusCode::BadFileContent, kNoDrawsInFileMessage);
            return outcome;
        }
        outcome.status = guarded(store, [&] {
            if (m_overwrite || (m_placeholder && count > 0)) store.Clear(false);
            DrawRecord record{};
            for (int i = 0; i < count; ++i) {
                std::copy_n(m_draws.begin() + static_cast<ptrdiff_t>(i) * stride(), stride(), record.begin());
                store.Append();
                store.setRecord(store.RecNo(), record);
            }
            return saved(store);
        });
        if (outcome.status) {
            outcome.imported = count;
            outcome.skipped = m_skipped;
            std::sort(m_conflicting.begin(), m_conflicting.end());
            outcome.conflicting = m_conflicting;
            outcome.placeholderReplaced = m_placeholder && count > 0;
            outcome.summary = mergeSummary(count, m_skipped, m_conflicting, outcome.placeholderReplaced);
        }
        return outcome;
    }

private:
    // Slots kept per draw: the period, the numbers and the secondary slot set to 1.
    size_t stride() const { return static_cast<size_t>(std::max(m_perLine, m_rules.game.zhgs + 1) + 1); }

    bool fail(const std::string& what) {
        m_error = drawLineError(m_lineNumber, what);
        return false;
    }

    const t_s_dm& m_store;
    DrawRules m_rules;
    bool m_withSecondary;
    bool m_overwrite;
    int m_perLine;
    bool m_placeholder;  // the history holds only a new type's first record, which the import replaces
    size_t m_lineNumber = 0;
    int m_skipped = 0;
    std::vector<long long> m_values;
    std::vector<int32_t> m_draws;                 // stride() slots per draw, in file order
    std::unordered_map<int32_t, int> m_stored;    // period -> record of the history (append)
    std::vector<int32_t> m_conflicting;           // stored periods given other numbers
    std::unordered_map<int32_t, size_t> m_lines;  // period -> the line that first had it
    std::string m_error;
};

ImportOutcome refused(const std::string& message) {
    ImportOutcome outcome;
    outcome.status = Status::failure(message);
    return outcome;
}

}  // namespace

ImportOutcome importDrawText(t_s_dm& store, const GameParams& game, std::string_view text, bool withSecondary,
                             bool overwrite) {
    if (text.size() > kMaxImportBytes) return refused(kImportTooLargeMessage);
    DrawImport import(store, game, withSecondary, overwrite);
    forEachLine(text, [&](std::string_view line) { return import.line(line); });
    if (!import.error().empty()) return refused(import.error());
    return import.apply(store);
}

ImportOutcome importDrawFile(t_s_dm& store, const GameParams& game, const std::string& path, bool withSecondary,
                             bool overwrite) {
    // A file known to be too large is refused before a byte of it is read.
    if (const platform::FileInfo info = platform::fileInfo(path);
        info.kind == platform::FileKind::regular && info.size > kMaxImportBytes)
        return refused(kImportTooLargeMessage);
    LineReader reader(path, kMaxImportBytes);
    if (!reader.opened()) return refused("无法读取文件：" + path);
    DrawImport import(store, game, withSecondary, overwrite);
    std::string line;
    while (reader.next(line))
        if (!import.line(line)) break;
    if (reader.tooLarge()) return refused(kImportTooLargeMessage);
    if (reader.failed()) return refused("无法读取文件：" + path);
    if (!import.error().empty()) return refused(import.error());
    return import.apply(store);
}

std::string exportDrawText(const t_s_dm& store, const GameParams& game, bool withSecondary) {
    const int numbers = std::min(game.zhgs + (withSecondary ? game.fhgs : 0), kSlots - 1);
    std::string text;
    text.reserve(static_cast<size_t>(store.RecordCount()) * (8 + 3 * numbers + 2));
    for (int n = 1; n <= store.RecordCount(); ++n) {
        const int32_t* record = store.record(n);
        // Every value followed by one blank, as the export file has always been written.
        for (int i = 0; i <= numbers; ++i) {
            text += twoDigits(record[i]);
            text += ' ';
        }
        text += "\r\n";
    }
    return text;
}

Status exportDrawFile(const t_s_dm& store, const GameParams& game, const std::string& path, bool withSecondary) {
    if (!store.saveRefusal().empty()) return Status::failure(StatusCode::HistoryRefused, kTransformedExportMessage);
    return saveFileAtomically(path, exportDrawText(store, game, withSecondary));
}

std::string exportFileName(const std::string& chosen) {
    return chosen.find(".txt") == std::string::npos ? chosen + ".txt" : chosen;
}

namespace {
DownloadOutcome applyDownloadLines(t_s_dm& store, int32_t lowerBound, const std::vector<std::string>& lines,
                                   const std::function<bool()>& discardOld, bool dryRun);
}  // namespace

DownloadOutcome applyDownload(t_s_dm& store, int32_t lowerBound, const std::vector<std::string>& lines,
                              const std::function<bool()>& discardOld, bool dryRun) {
    // Lone CRs end lines as well.
    std::vector<std::string> split;
    for (const std::string& line : lines) {
        size_t start = 0;
        for (size_t cr = line.find('\r'); cr != std::string::npos; cr = line.find('\r', start)) {
            split.push_back(line.substr(start, cr - start));
            start = cr + 1;
        }
        if (start < line.size() || start == 0) split.push_back(line.substr(start));
    }
    return applyDownloadLines(store, lowerBound, split, discardOld, dryRun);
}

std::vector<std::string> splitHandOverText(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

namespace {

DownloadOutcome downloadRefused(const std::string& message) {
    DownloadOutcome outcome;
    outcome.status = Status::failure(message);
    return outcome;
}

// The period that follows `period` in the year + draw-number numbering: the next draw of the year,
// or the first draw of the next year.
bool follows(int32_t next, int32_t period) {
    return next == period + 1 || (next % 1000 == 1 && next / 1000 == period / 1000 + 1);
}

// Reads and checks every group of the hand-over: each draw valid, periods strictly ascending.
std::string readHandOver(const t_s_dm& store, const std::vector<std::string>& lines,
                         std::vector<DrawRecord>& downloaded) {
    for (size_t i = 0; i < lines.size(); i += 3) {
        const std::string_view periodLine = trimmed(lines[i]);
        if (periodLine.empty() && i + 1 >= lines.size()) break;  // a trailing empty line
        std::optional<int> period = parseInteger(periodLine);
        if (!period) return handOverError(i + 1, notAnIntegerMessage(periodLine));
        if (i + 1 >= lines.size()) return handOverError(i + 2, "缺少号码");
        DrawRecord record{};
        record[0] = *period;
        std::string numbers(trimmed(lines[i + 1]));
        for (char& c : numbers)
            if (c < '0' || c > '9') c = ',';
        int slot = 0;
        size_t start = 0;
        while (start <= numbers.size()) {
            const size_t comma = std::min(numbers.find(',', start), numbers.size());
            const std::string_view piece = std::string_view(numbers).substr(start, comma - start);
            std::optional<int> value = parseInteger(piece);
            if (!value) return handOverError(i + 2, notAnIntegerMessage(piece));
            if (++slot >= kSlots) return handOverError(i + 2, "号码超过50个");
            record[slot] = *value;
            start = comma + 1;
        }
        if (store.drawRules()) {
            if (std::string problem = countProblem(*store.drawRules(), slot, true); !problem.empty())
                return handOverError(i + 2, problem);
        }
        if (std::string problem = storeDrawProblem(store, record, PredictionRecord::Refused); !problem.empty())
            return handOverError(i + 2, problem);
        if (!downloaded.empty() && record[0] == downloaded.back()[0])
            return handOverError(i + 1, "期数" + std::to_string(record[0]) + "与第" + std::to_string(i - 2) + "行重复");
        if (!downloaded.empty() && record[0] < downloaded.back()[0])
            return handOverError(i + 1, "期数" + std::to_string(record[0]) + "不在前一期" +
                                            std::to_string(downloaded.back()[0]) + "之后（下载的数据应按期数从小到大排列）");
        downloaded.push_back(record);
    }
    return {};
}

DownloadOutcome applyDownloadLines(t_s_dm& store, int32_t lowerBound, const std::vector<std::string>& lines,
                                   const std::function<bool()>& discardOld, bool dryRun) {
    if (lines.empty()) return downloadRefused(kDownloadFailedMessage);
    if (lowerBound != -1 && trimmed(lines[0]).size() != std::to_string(lowerBound).size())
        return downloadRefused(kDownloadFailedMessage);

    // Read and check every group before the history changes.
    std::vector<DrawRecord> downloaded;
    if (std::string problem = readHandOver(store, lines, downloaded); !problem.empty())
        return downloadRefused(problem);
    if (downloaded.empty()) return downloadRefused(kDownloadFailedMessage);

    DownloadOutcome outcome;
    outcome.placeholderReplaced = holdsOnlyPlaceholder(store);
    const int numbers = store.drawRules()
                            ? store.drawRules()->game.zhgs + store.drawRules()->game.fhgs
                            : kSlots - 1;
    std::unordered_map<int32_t, int> stored;  // period -> record
    int32_t newest = 0;
    if (!outcome.placeholderReplaced) {
        for (int n = 1; n <= store.RecordCount(); ++n) {
            const int32_t period = store.FieldValueAt(n, 0);
            stored.emplace(period, n);
            if (period != kPredictionPeriod) newest = std::max(newest, period);
        }
    }
    // A download that starts after a gap past the newest stored draw does not connect to the
    // history: only then may the user keep the downloaded draws alone.
    const int32_t first = downloaded.front()[0];
    if (newest > 0 && first > newest && !follows(first, newest) && !dryRun && discardOld && discardOld()) {
        outcome.discardedOld = true;
        stored.clear();
    }
    std::vector<DrawRecord> fresh;
    for (const DrawRecord& record : downloaded) {
        const auto known = stored.find(record[0]);
        if (known == stored.end())
            fresh.push_back(record);
        else if (sameNumbers(store.record(known->second), record.data(), numbers))
            ++outcome.skipped;
        else
            outcome.conflicting.push_back(record[0]);
    }
    // What landed (or, in a dry run, would land): the fresh periods, and the placeholder only
    // when something took its place.
    for (const DrawRecord& record : fresh) outcome.added.push_back(record[0]);
    outcome.placeholderReplaced = outcome.placeholderReplaced && !fresh.empty();
    outcome.summary = mergeSummary(static_cast<int>(fresh.size()), outcome.skipped, outcome.conflicting,
                                   outcome.placeholderReplaced);
    // Nothing to write when the history already holds every downloaded draw.
    if (dryRun || (fresh.empty() && !outcome.discardedOld)) return outcome;
    outcome.status = guarded(store, [&] {
        if (outcome.discardedOld || outcome.placeholderReplaced) store.Clear(false);
        for (const DrawRecord& record : fresh) {
            store.Append();
            store.setRecord(store.RecNo(), record);
        }
        return saved(store);
    });
    if (!outcome.status) return downloadRefused(outcome.status.message);
    return outcome;
}

}  // namespace

}  // namespace lottodesk

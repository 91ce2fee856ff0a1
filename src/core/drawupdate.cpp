#include "drawupdate.h"

#include <set>

#include "drawtext.h"
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
    if (static_cast<int>(groups.size()) != count)
        return "号码个数应为" + std::to_string(count) + "个";
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

// Runs `change` on the store; when it fails (or the save fails) the store gets back what it had.
Status guarded(t_s_dm& store, const std::function<Status()>& change) {
    t_s_dm backup = store;
    Status status = change();
    if (!status) store = std::move(backup);
    return status;
}

Status saved(t_s_dm& store) { return store.Post() ? Status::success() : Status::failure(store.lastError()); }

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
    if (!parse.ok() || game.fhgs == 0) return parse;
    if (game.fhgs == 1) {
        value = parseInteger(secondaryText);
        if (!value) parse.error = notAnIntegerMessage(secondaryText);
        else parse.record[game.zhgs + 1] = *value;
        return parse;
    }
    parse.error = parseGroups(secondaryNumbers, game.fhgs, &parse.record[game.zhgs + 1]);
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
    if (findPeriod(store, record[0])) return Status::failure(kPeriodExistsMessage);
    return guarded(store, [&] {
        store.Append();
        store.setRecord(store.RecNo(), record);
        return saved(store);
    });
}

Status modifyDraw(t_s_dm& store, int n, const DrawRecord& record, int slots) {
    return guarded(store, [&] {
        store.SetRecNo(n);
        store.Edit();
        for (int slot = 0; slot <= slots && slot < kSlots; ++slot) store.SetFieldValue(slot, record[slot]);
        return saved(store);
    });
}

Status deleteDraw(t_s_dm& store, int n) {
    return guarded(store, [&] {
        store.SetRecNo(n);
        return store.Delete(true) ? Status::success() : Status::failure(store.lastError());
    });
}

Status clearHistory(t_s_dm& store) {
    return guarded(store, [&] { return store.Clear(true) ? Status::success() : Status::failure(store.lastError()); });
}

ImportOutcome importDrawText(t_s_dm& store, const GameParams& game, std::string_view text, bool withSecondary,
                             bool overwrite) {
    ImportOutcome outcome;
    const int perLine = game.zhgs + (withSecondary ? game.fhgs : 0);
    DrawTextParse parsed = parseDrawText(text, perLine);
    if (!parsed.ok()) {
        outcome.status = Status::failure(parsed.error);
        return outcome;
    }
    outcome.status = guarded(store, [&] {
        std::set<int32_t> present;
        if (overwrite) {
            store.Clear(false);
        } else {
            for (int n = 1; n <= store.RecordCount(); ++n) present.insert(store.FieldValueAt(n, 0));
        }
        for (DrawRecord& record : parsed.records) {
            if (!overwrite && !present.insert(record[0]).second) continue;
            if (!withSecondary && game.fhgs > 0 && game.zhgs + 1 < kSlots) record[game.zhgs + 1] = 1;
            store.Append();
            store.setRecord(store.RecNo(), record);
            ++outcome.imported;
        }
        return saved(store);
    });
    if (!outcome.status) outcome.imported = 0;
    return outcome;
}

std::string exportDrawText(const t_s_dm& store, const GameParams& game, bool withSecondary) {
    const int numbers = std::min(game.zhgs + (withSecondary ? game.fhgs : 0), kSlots - 1);
    std::string text;
    text.reserve(static_cast<size_t>(store.RecordCount()) * (8 + 3 * numbers + 2));
    for (int n = 1; n <= store.RecordCount(); ++n) {
        const int32_t* record = store.record(n);
        text += twoDigits(record[0]);
        for (int i = 1; i <= numbers; ++i) {
            text += ' ';
            text += twoDigits(record[i]);
        }
        text += "\r\n";
    }
    return text;
}

std::string exportFileName(const std::string& chosen) {
    return chosen.find(".txt") == std::string::npos ? chosen + ".txt" : chosen;
}

Status applyDownload(t_s_dm& store, int32_t lowerBound, const std::vector<std::string>& lines,
                     const std::function<bool()>& discardOld) {
    if (lines.empty()) return Status::failure(kDownloadFailedMessage);
    if (lowerBound != -1 && trimmed(lines[0]).size() != std::to_string(lowerBound).size())
        return Status::failure(kDownloadFailedMessage);

    // Read every group before the history changes.
    std::vector<DrawRecord> downloaded;
    for (size_t i = 0; i < lines.size(); i += 3) {
        const std::string_view periodLine = trimmed(lines[i]);
        if (periodLine.empty() && i + 1 >= lines.size()) break;  // a trailing empty line
        std::optional<int> period = parseInteger(periodLine);
        if (!period) return Status::failure(handOverError(i + 1, notAnIntegerMessage(periodLine)));
        if (i + 1 >= lines.size()) return Status::failure(handOverError(i + 2, "缺少号码"));
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
            if (!value) return Status::failure(handOverError(i + 2, notAnIntegerMessage(piece)));
            if (++slot >= kSlots) return Status::failure(handOverError(i + 2, "号码超过50个"));
            record[slot] = *value;
            start = comma + 1;
        }
        downloaded.push_back(record);
    }
    if (downloaded.empty()) return Status::failure(kDownloadFailedMessage);

    return guarded(store, [&] {
        if (lowerBound != -1 && !store.IsEmpty()) {
            const int32_t first = downloaded.front()[0];
            int keep = 0;  // records 1..keep stay
            if (findPeriod(store, first)) {
                keep = store.RecNo() - 1;
            } else {
                keep = store.RecordCount();
                while (keep >= 1 && store.FieldValueAt(keep, 0) > first) --keep;
                store.SetRecordCount(keep);
                if (discardOld && discardOld()) keep = 0;
            }
            store.SetRecordCount(keep);
        }
        for (const DrawRecord& record : downloaded) {
            store.Append();
            store.setRecord(store.RecNo(), record);
        }
        return saved(store);
    });
}

}  // namespace lottodesk

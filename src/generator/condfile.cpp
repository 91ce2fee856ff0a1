#include "condfile.h"


#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "cataloguerows.h"
#include "core/fileio.h"
#include "core/platform.h"
#include "core/gbk.h"
#include "pagedfile.h"

namespace lottodesk {
namespace {

// Field offsets of a record.
constexpr size_t kOffText = 0;
constexpr size_t kOffCount = 201;
constexpr size_t kOffEnabled = 205;
constexpr size_t kOffSmall = 209;
constexpr size_t kOffK = 409;
constexpr size_t kOffValues = 413;
constexpr size_t kOffFrom = 8417;
constexpr size_t kOffTo = 8425;
constexpr size_t kOffTolerant = 8433;
static_assert(kOffValues + 4 * kCondValues == kOffFrom);
static_assert(kOffTolerant + 4 == kCondRecordSize);

constexpr double kEmptyBound = std::numeric_limits<double>::quiet_NaN();

void putInt32(char* out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void putFloat64(char* out, double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) out[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

int32_t getInt32(const char* in) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(static_cast<unsigned char>(in[i])) << (8 * i);
    return static_cast<int32_t>(bits);
}

double getFloat64(const char* in) {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(static_cast<unsigned char>(in[i])) << (8 * i);
    return std::bit_cast<double>(bits);
}

void encodeInto(const tcondrec& record, char* out) {
    std::memcpy(out + kOffText, record.text.data(), record.text.size());
    putInt32(out + kOffCount, record.count);
    putInt32(out + kOffEnabled, record.enabled);
    for (int i = 0; i < kCondSmall; ++i) putInt32(out + kOffSmall + 4 * i, record.small[i]);
    putInt32(out + kOffK, record.k);
    for (int i = 0; i < kCondValues; ++i) putInt32(out + kOffValues + 4 * i, record.values[i]);
    putFloat64(out + kOffFrom, record.from);
    putFloat64(out + kOffTo, record.to);
    putInt32(out + kOffTolerant, record.tolerant);
}

// The whole records of a file's bytes, read field by field without copying a record: from
// memory, or from the file a page at a time.
class FileRecords {
public:
    FileRecords(std::string_view bytes, int maxRecords) : m_bytes(bytes), m_count(recordsIn(bytes.size(), maxRecords)) {}
    FileRecords(PagedFile& file, int maxRecords) : m_file(&file), m_count(recordsIn(file.size(), maxRecords)) {}

    int count() const { return m_count; }
    bool has(int number) const { return number >= 1 && number <= m_count; }

    int32_t int32(int number, size_t offset) const {
        char bytes[4];
        copy(number, offset, sizeof bytes, bytes);
        return getInt32(bytes);
    }
    double float64(int number, size_t offset) const {
        char bytes[8];
        copy(number, offset, sizeof bytes, bytes);
        return getFloat64(bytes);
    }
    bool flag(int number, size_t offset) const { return int32(number, offset) != 0; }
    bool enabled(int number) const { return flag(number, kOffEnabled); }
    bool tolerant(int number) const { return flag(number, kOffTolerant); }
    int32_t small(int number, int i) const { return int32(number, kOffSmall + 4 * static_cast<size_t>(i)); }

    std::vector<int32_t> values(int number) const {
        const int32_t k = std::clamp<int32_t>(int32(number, kOffK), 0, kCondValues);
        std::string bytes(4 * static_cast<size_t>(k), '\0');
        copy(number, kOffValues, bytes.size(), bytes.data());
        std::vector<int32_t> values(static_cast<size_t>(k));
        for (int32_t i = 0; i < k; ++i) values[i] = getInt32(bytes.data() + 4 * static_cast<size_t>(i));
        return values;
    }

    std::string formula(int number) const {
        char bytes[kCondTextBytes];
        copy(number, kOffText, sizeof bytes, bytes);
        std::string_view text(bytes, sizeof bytes);
        if (const size_t zero = text.find('\0'); zero != std::string_view::npos) return gbkToUtf8(text.substr(0, zero));
        return gbkToUtf8(truncateGbk(text, kCondTextBytes));
    }

private:
    static int recordsIn(size_t bytes, int maxRecords) {
        return static_cast<int>(std::min<size_t>(bytes / kCondRecordSize, static_cast<size_t>(maxRecords)));
    }
    void copy(int number, size_t offset, size_t length, char* out) const {
        const size_t at = static_cast<size_t>(number - 1) * kCondRecordSize + offset;
        if (m_file)
            m_file->copy(at, length, out);
        else
            std::memcpy(out, m_bytes.data() + at, length);
    }
    std::string_view m_bytes;
    PagedFile* m_file = nullptr;
    int m_count;
};

// Builds records into a zero-filled file image.
class FileImage {
public:
    explicit FileImage(int records) : m_bytes(static_cast<size_t>(records) * kCondRecordSize, '\0') {}
    void put(int number, const tcondrec& record) {
        encodeInto(record, m_bytes.data() + static_cast<size_t>(number - 1) * kCondRecordSize);
    }
    std::string take() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};

void setValues(tcondrec& record, const std::vector<int32_t>& values) {
    const size_t k = std::min(values.size(), static_cast<size_t>(kCondValues));
    record.k = static_cast<int32_t>(k);
    std::copy_n(values.begin(), k, record.values.begin());
}

double boundOrEmpty(const std::optional<double>& bound) { return bound ? *bound : kEmptyBound; }

// A stored range end: empty unless finite.
std::optional<double> decimalBound(double stored) {
    if (!std::isfinite(stored)) return std::nullopt;
    return stored;
}

// Rows 34 and 35 show their ends rounded to whole numbers, and a run reads what they show. An end
// that is not finite or beyond 32 bits cannot be shown and leaves the field empty.
std::optional<double> wholeBound(double stored) {
    if (!std::isfinite(stored)) return std::nullopt;
    const double rounded = std::nearbyint(stored);
    if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return rounded + 0.0;  // no negative zero
}

// A group's entry count: at most `capacity` (noting a cut) and at most the entry records present.
int groupCount(double stored, int capacity, int available, const std::string& cutNote,
               std::vector<std::string>& notes) {
    if (!(stored >= 1.0)) return 0;  // also NaN
    if (stored > capacity) {
        notes.push_back(cutNote);
        stored = capacity;
    }
    return std::clamp(static_cast<int>(stored), 0, std::max(available, 0));
}

template <typename List>
void readCustomGroup(const FileRecords& file, int groupRecord, bool& enabled, List& list,
                     std::vector<std::string>& notes) {
    if (!file.has(groupRecord)) return;
    enabled = file.enabled(groupRecord);
    const int n = groupCount(file.int32(groupRecord, kOffCount), List::capacity, file.count() - groupRecord,
                             customCountCutNote(List::capacity), notes);
    for (int i = 1; i <= n; ++i) {
        const int number = groupRecord + i;
        // An entry without a formula holds no condition and is left out, as "添加" would.
        list.add(file.formula(number), file.tolerant(number), file.values(number));
    }
}

template <typename List>
void writeCustomGroup(FileImage& image, int groupRecord, bool enabled, const List& list) {
    tcondrec group;
    group.enabled = condFlag(enabled);
    group.count = list.count();
    image.put(groupRecord, group);
    for (int i = 0; i < list.count(); ++i) {
        const tselfzbnode& node = list[i];
        tcondrec entry;
        setCondRecordFormula(entry, node.formula);
        setValues(entry, node.values);
        entry.tolerant = condFlag(node.tolerant != 0);
        image.put(groupRecord + 1 + i, entry);
    }
}

// A number or digit of a group as the entry keeps it (a byte); a stored value a byte cannot hold
// becomes 255, which matches no number and no digit.
uint8_t groupMember(int32_t stored) { return stored >= 0 && stored <= 255 ? static_cast<uint8_t>(stored) : 255; }

tselfcond readGroupEntry(const FileRecords& file, int number, bool tail) {
    tselfcond entry;
    const int c = std::clamp(file.small(number, 0), 0, kCondSmall - 1);
    entry.numbers.reserve(static_cast<size_t>(c));
    for (int i = 1; i <= c; ++i) entry.numbers.push_back(groupMember(file.small(number, i)));
    entry.allowed = file.values(number);
    entry.tolerant = file.tolerant(number);
    if (tail) entry.countOnce = file.float64(number, kOffTo) != 0.0;
    return entry;
}

void readGroup(const FileRecords& file, int groupRecord, int capacity, bool tail, const std::string& cutNote,
               bool& enabled, std::vector<tselfcond>& entries, std::vector<std::string>& notes) {
    if (!file.has(groupRecord)) return;
    enabled = file.enabled(groupRecord);
    const int n =
        groupCount(file.float64(groupRecord, kOffFrom), capacity, file.count() - groupRecord + 1, cutNote, notes);
    for (int i = 0; i < n; ++i) entries.push_back(readGroupEntry(file, groupRecord + i, tail));
}

void writeGroup(FileImage& image, int groupRecord, int capacity, bool tail, bool enabled,
                const std::vector<tselfcond>& entries) {
    const int n = std::min(static_cast<int>(entries.size()), capacity);
    for (int i = 0; i < std::max(n, 1); ++i) {
        tcondrec record;
        if (i < n) {
            const tselfcond& entry = entries[static_cast<size_t>(i)];
            const int c = std::min(static_cast<int>(entry.numbers.size()), kCondSmall - 1);
            record.small[0] = c;
            for (int j = 0; j < c; ++j) record.small[j + 1] = entry.numbers[static_cast<size_t>(j)];
            setValues(record, entry.allowed);
            record.tolerant = condFlag(entry.tolerant);
            if (tail) record.to = entry.countOnce ? 1.0 : 0.0;
        }
        if (i == 0) {
            record.enabled = condFlag(enabled);
            record.from = n;
        }
        image.put(groupRecord + i, record);
    }
}

void writeNumberFlags(FileImage& image, int number, const std::array<bool, kMaxMainNumber + 1>& flags, int last) {
    tcondrec record;
    for (int n = 1; n <= std::min(last, kMaxMainNumber); ++n) record.small[n] = flags[n] ? n : 0;
    image.put(number, record);
}

void readNumberFlags(const FileRecords& file, int number, std::array<bool, kMaxMainNumber + 1>& flags, int last) {
    if (!file.has(number)) return;
    for (int n = 1; n <= std::min(last, kMaxMainNumber); ++n) flags[n] = file.small(number, n) != 0;
}

void writeTotal(FileImage& image, int number, bool enabled, int32_t from, int32_t to) {
    tcondrec record;
    record.enabled = condFlag(enabled);
    record.small[1] = from;
    record.small[2] = to;
    image.put(number, record);
}

void readTotal(const FileRecords& file, int number, bool& enabled, int32_t& from, int32_t& to) {
    if (!file.has(number)) return;
    enabled = file.enabled(number);
    from = file.small(number, 1);
    to = file.small(number, 2);
}

void writeFlag(FileImage& image, int number, bool on) {
    tcondrec record;
    record.enabled = condFlag(on);
    image.put(number, record);
}

void readFlag(const FileRecords& file, int number, bool& on) {
    if (file.has(number)) on = file.enabled(number);
}

void writeValueRow(FileImage& image, int number, const ValueCondition& row) {
    tcondrec record;
    record.enabled = condFlag(row.enabled);
    setValues(record, row.allowed);
    record.tolerant = condFlag(row.tolerant);
    image.put(number, record);
}

void readValueRow(const FileRecords& file, int number, ValueCondition& row) {
    if (!file.has(number)) return;
    row.enabled = file.enabled(number);
    row.allowed = file.values(number);
    row.tolerant = file.tolerant(number);
}

// At most `maxBytes` of a file that cannot be read out of order (a pipe): a file of any size costs
// no more than the records it can hold.
std::optional<std::string> readHead(const std::string& path, size_t maxBytes) {
    std::FILE* file = platform::openFile(path, "rb");
    if (!file) return std::nullopt;
    std::string bytes;
    char piece[65536];
    size_t n = 0;
    while (bytes.size() < maxBytes && (n = std::fread(piece, 1, std::min(sizeof piece, maxBytes - bytes.size()), file)) > 0)
        bytes.append(piece, n);
    const bool failed = std::ferror(file);
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

Status unreadable(const std::string& path) {
    return Status::failure(StatusCode::FileUnreadable, "无法读取文件：" + path);
}

}  // namespace

std::string encodeCondRecord(const tcondrec& record) {
    std::string bytes(kCondRecordSize, '\0');
    encodeInto(record, bytes.data());
    return bytes;
}

tcondrec decodeCondRecord(std::string_view bytes) {
    tcondrec record;
    if (bytes.size() < kCondRecordSize) return record;
    const char* in = bytes.data();
    std::memcpy(record.text.data(), in + kOffText, record.text.size());
    record.count = getInt32(in + kOffCount);
    record.enabled = getInt32(in + kOffEnabled);
    for (int i = 0; i < kCondSmall; ++i) record.small[i] = getInt32(in + kOffSmall + 4 * i);
    record.k = getInt32(in + kOffK);
    for (int i = 0; i < kCondValues; ++i) record.values[i] = getInt32(in + kOffValues + 4 * i);
    record.from = getFloat64(in + kOffFrom);
    record.to = getFloat64(in + kOffTo);
    record.tolerant = getInt32(in + kOffTolerant);
    return record;
}

std::string condRecordFormula(const tcondrec& record) {
    const std::string bytes = encodeCondRecord(record);
    return FileRecords(bytes, 1).formula(1);
}

void setCondRecordFormula(tcondrec& record, std::string_view utf8) {
    record.text.fill('\0');
    const std::string gbk = utf8ToGbk(utf8);
    const std::string_view cut = truncateGbk(gbk, kCondTextBytes);
    std::copy(cut.begin(), cut.end(), record.text.begin());
}

std::vector<int32_t> condRecordValues(const tcondrec& record) {
    const int32_t k = std::clamp<int32_t>(record.k, 0, kCondValues);
    return {record.values.begin(), record.values.begin() + k};
}

std::string truncatedFileNote(int records, int expected) {
    return "条件文件不完整（只有" + std::to_string(records) + "条记录，应有" + std::to_string(expected) +
           "条），缺少的条件按重置状态载入";
}

namespace {

// Notes a file that ended before all its records.
template <typename Load>
void noteTruncation(Load& load, int expected) {
    if (load.records >= expected) return;
    load.truncated = true;
    load.notes.push_back(truncatedFileNote(load.records, expected));
}

}  // namespace

std::string customCountCutNote(int capacity) {
    const std::string n = std::to_string(capacity);
    return "条件文件中的自定义指标条件超过" + n + "注，只载入了前" + n + "注";
}
std::string selfSetCountCutNote() { return "条件文件中的自设条件超过400注，只载入了前400注"; }
std::string tailCountCutNote() { return "条件文件中的尾数条件超过50注，只载入了前50注"; }

// ---------------------------------------------------------------------------------------------
// Main zone.

std::string encodeMainConditions(const MainConditions& conditions, int zh_to) {
    FileImage image(kMainConditionRecords);
    for (int number = 1; number <= kCatalogueRows; ++number) {
        if (number == catalogue::noRow) continue;
        const CatalogueCondition& row = conditions.rows[number];
        tcondrec record;
        record.enabled = condFlag(row.enabled);
        if (row.enabled) {
            if (catalogue::isRangeRow(number)) {
                record.from = boundOrEmpty(row.from);
                record.to = boundOrEmpty(row.to);
            } else {
                setValues(record, row.allowed);
            }
            record.tolerant = condFlag(row.tolerant);
        }
        image.put(number, record);
    }
    writeCustomGroup(image, kCustomGroupRecord, conditions.customEnabled, conditions.custom);
    writeNumberFlags(image, kSelectableRecord, conditions.selectable, zh_to);
    writeNumberFlags(image, kFixedRecord, conditions.fixed, zh_to);
    writeFlag(image, kNoPastDrawsRecord, conditions.noPastDraws);
    writeFlag(image, kNoEqualSpacingRecord, conditions.noEqualSpacing);
    writeFlag(image, kNoSpecialRunsRecord, conditions.noSpecialRuns);
    writeTotal(image, kTotalToleranceRecord, conditions.totalToleranceEnabled, conditions.totalFrom,
               conditions.totalTo);
    writeGroup(image, kSelfSetGroupRecord, kMaxSelfConditions, false, conditions.selfSetEnabled, conditions.selfSet);
    writeGroup(image, kTailGroupRecord, kMaxTailConditions, true, conditions.tailEnabled, conditions.tails);
    return image.take();
}

namespace {

MainConditionLoad decodeMain(const FileRecords& file, int zh_to, const MainConditions* current) {
    MainConditionLoad load;
    MainConditions& c = load.conditions;
    c = resetConditions(zh_to, current);
    load.records = file.count();

    for (int number = 1; number <= kCatalogueRows && file.has(number); ++number) {
        if (number == catalogue::noRow) continue;
        CatalogueCondition& row = c.rows[number];
        row.enabled = file.enabled(number);
        if (!row.enabled) continue;
        if (catalogue::isRangeRow(number)) {
            row.from = wholeBound(file.float64(number, kOffFrom));
            row.to = wholeBound(file.float64(number, kOffTo));
        } else {
            row.allowed = file.values(number);
        }
        row.tolerant = file.tolerant(number);
    }
    readCustomGroup(file, kCustomGroupRecord, c.customEnabled, c.custom, load.notes);
    readNumberFlags(file, kSelectableRecord, c.selectable, zh_to);
    readNumberFlags(file, kFixedRecord, c.fixed, zh_to);
    readFlag(file, kNoPastDrawsRecord, c.noPastDraws);
    readFlag(file, kNoEqualSpacingRecord, c.noEqualSpacing);
    readFlag(file, kNoSpecialRunsRecord, c.noSpecialRuns);
    readTotal(file, kTotalToleranceRecord, c.totalToleranceEnabled, c.totalFrom, c.totalTo);
    readGroup(file, kSelfSetGroupRecord, kMaxSelfConditions, false, selfSetCountCutNote(), c.selfSetEnabled, c.selfSet,
              load.notes);
    readGroup(file, kTailGroupRecord, kMaxTailConditions, true, tailCountCutNote(), c.tailEnabled, c.tails, load.notes);
    noteTruncation(load, kMainConditionRecords);
    return load;
}

}  // namespace

MainConditionLoad decodeMainConditions(std::string_view bytes, int zh_to, const MainConditions* current) {
    return decodeMain(FileRecords(bytes, kMainConditionRecords), zh_to, current);
}

Status saveMainConditions(const std::string& path, const MainConditions& conditions, int zh_to,
                          const FileLayer& layer) {
    return saveFileAtomically(path, encodeMainConditions(conditions, zh_to), layer);
}

MainConditionLoad loadMainConditions(const std::string& path, int zh_to, const MainConditions* current) {
    // A regular file is read only where the records' fields are; anything else is read whole.
    if (const std::unique_ptr<PagedFile> paged = PagedFile::open(path, kMainConditionRecords * kCondRecordSize)) {
        MainConditionLoad load = decodeMain(FileRecords(*paged, kMainConditionRecords), zh_to, current);
        if (!paged->failed()) return load;
    } else if (const std::optional<std::string> bytes = readHead(path, kMainConditionRecords * kCondRecordSize)) {
        return decodeMainConditions(*bytes, zh_to, current);
    }
    MainConditionLoad failed;
    failed.status = unreadable(path);
    return failed;
}

// ---------------------------------------------------------------------------------------------
// Secondary zone and special number.

namespace {

constexpr int kSecondaryRows[] = {1, 2, 3, 4, 5, 6, 7, 8};

void writeRangeRow(FileImage& image, int number, const RangeCondition& row) {
    tcondrec record;
    record.enabled = condFlag(row.enabled);
    record.from = boundOrEmpty(row.from);
    record.to = boundOrEmpty(row.to);
    record.tolerant = condFlag(row.tolerant);
    image.put(number, record);
}

void readRangeRow(const FileRecords& file, int number, RangeCondition& row) {
    if (!file.has(number)) return;
    row.enabled = file.enabled(number);
    row.from = decimalBound(file.float64(number, kOffFrom));
    row.to = decimalBound(file.float64(number, kOffTo));
    row.tolerant = file.tolerant(number);
}

void writeChoiceRow(FileImage& image, int number, const ChoiceCondition& row) {
    tcondrec record;
    record.enabled = condFlag(row.enabled);
    record.small[1] = row.choice;
    record.tolerant = condFlag(row.tolerant);
    image.put(number, record);
}

void readChoiceRow(const FileRecords& file, int number, ChoiceCondition& row) {
    if (!file.has(number)) return;
    row.enabled = file.enabled(number);
    row.choice = file.small(number, 1);
    row.tolerant = file.tolerant(number);
}

template <typename Load>
Load unreadableLoad(const std::string& path) {
    Load failed;
    failed.status = unreadable(path);
    return failed;
}

// A file of the other zone's conditions holds 200 records; a longer one is another kind (a main
// zone's ".zh" holds 1402) and would load as nonsense.
template <typename Load>
std::optional<Load> wrongKindLoad(const std::string& path) {
    const platform::FileInfo info = platform::fileInfo(path);
    if (info.kind != platform::FileKind::regular || info.size <= kSecondaryConditionRecords * kCondRecordSize)
        return std::nullopt;
    Load refused;
    refused.status = Status::failure(StatusCode::BadFileContent, std::string(kWrongConditionFileMessage) + path);
    return refused;
}

}  // namespace

std::string encodeSecondaryConditions(const SecondaryConditions& conditions, int spec_to) {
    FileImage image(kSecondaryConditionRecords);
    for (int number : kSecondaryRows) writeValueRow(image, number, conditions.rows[number]);
    writeTotal(image, kSecondaryTotalRecord, conditions.totalToleranceEnabled, conditions.totalFrom,
               conditions.totalTo);
    writeNumberFlags(image, kSecondarySelectableRecord, conditions.selectable, spec_to);
    writeNumberFlags(image, kSecondaryFixedRecord, conditions.fixed, spec_to);
    writeCustomGroup(image, kZoneCustomGroupRecord, conditions.customEnabled, conditions.custom);
    return image.take();
}

SecondaryConditionLoad decodeSecondaryConditions(std::string_view bytes, int spec_to) {
    SecondaryConditionLoad load;
    SecondaryConditions& c = load.conditions;
    c = resetSecondaryConditions(spec_to);
    const FileRecords file(bytes, kSecondaryConditionRecords);
    load.records = file.count();
    for (int number : kSecondaryRows) readValueRow(file, number, c.rows[number]);
    readTotal(file, kSecondaryTotalRecord, c.totalToleranceEnabled, c.totalFrom, c.totalTo);
    readNumberFlags(file, kSecondarySelectableRecord, c.selectable, spec_to);
    readNumberFlags(file, kSecondaryFixedRecord, c.fixed, spec_to);
    readCustomGroup(file, kZoneCustomGroupRecord, c.customEnabled, c.custom, load.notes);
    noteTruncation(load, kSecondaryConditionRecords);
    return load;
}

std::string encodeSpecialNumberConditions(const SpecialNumberConditions& conditions) {
    FileImage image(kSecondaryConditionRecords);
    writeChoiceRow(image, 1, conditions.parity);
    writeChoiceRow(image, 2, conditions.primality);
    writeChoiceRow(image, 3, conditions.zone);
    for (int i = 0; i < 5; ++i) writeValueRow(image, 4 + i, conditions.values[i]);
    for (int i = 0; i < 5; ++i) writeRangeRow(image, 9 + i, conditions.means[i]);
    writeTotal(image, kSpecialTotalRecord, conditions.totalToleranceEnabled, conditions.totalFrom, conditions.totalTo);
    writeCustomGroup(image, kZoneCustomGroupRecord, conditions.customEnabled, conditions.custom);
    return image.take();
}

SpecialNumberConditionLoad decodeSpecialNumberConditions(std::string_view bytes) {
    SpecialNumberConditionLoad load;
    SpecialNumberConditions& c = load.conditions;
    c = resetSpecialNumberConditions();
    const FileRecords file(bytes, kSecondaryConditionRecords);
    load.records = file.count();
    readChoiceRow(file, 1, c.parity);
    readChoiceRow(file, 2, c.primality);
    readChoiceRow(file, 3, c.zone);
    for (int i = 0; i < 5; ++i) readValueRow(file, 4 + i, c.values[i]);
    for (int i = 0; i < 5; ++i) readRangeRow(file, 9 + i, c.means[i]);
    readTotal(file, kSpecialTotalRecord, c.totalToleranceEnabled, c.totalFrom, c.totalTo);
    readCustomGroup(file, kZoneCustomGroupRecord, c.customEnabled, c.custom, load.notes);
    noteTruncation(load, kSecondaryConditionRecords);
    return load;
}

Status saveSecondaryConditions(const std::string& path, const SecondaryConditions& conditions, int spec_to,
                               const FileLayer& layer) {
    return saveFileAtomically(path, encodeSecondaryConditions(conditions, spec_to), layer);
}

SecondaryConditionLoad loadSecondaryConditions(const std::string& path, int spec_to) {
    if (auto refused = wrongKindLoad<SecondaryConditionLoad>(path)) return std::move(*refused);
    const std::optional<std::string> bytes = readHead(path, kSecondaryConditionRecords * kCondRecordSize);
    if (!bytes) return unreadableLoad<SecondaryConditionLoad>(path);
    return decodeSecondaryConditions(*bytes, spec_to);
}

Status saveSpecialNumberConditions(const std::string& path, const SpecialNumberConditions& conditions,
                                   const FileLayer& layer) {
    return saveFileAtomically(path, encodeSpecialNumberConditions(conditions), layer);
}

SpecialNumberConditionLoad loadSpecialNumberConditions(const std::string& path) {
    if (auto refused = wrongKindLoad<SpecialNumberConditionLoad>(path)) return std::move(*refused);
    const std::optional<std::string> bytes = readHead(path, kSecondaryConditionRecords * kCondRecordSize);
    if (!bytes) return unreadableLoad<SpecialNumberConditionLoad>(path);
    return decodeSpecialNumberConditions(*bytes);
}

}  // namespace lottodesk

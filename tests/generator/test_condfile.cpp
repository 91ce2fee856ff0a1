#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <thread>

#include "core/gbk.h"
#include "generator/condfile.h"
#include "generator/selfcond.h"
#include "generator/snapshots.h"
#include "support/faultyfiles.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::TempFolder;

constexpr int kN = 33;

// ---------------------------------------------------------------------------------------------
// Helpers.

// Whole-record equality (a field added later takes part by itself); the parts name what differs.
void expectSameConditions(const MainConditions& a, const MainConditions& b) {
    EXPECT_TRUE(a == b) << "the conditions differ";
    if (a == b) return;
    for (int number = 1; number <= kCatalogueRows; ++number)
        EXPECT_TRUE(a.rows[number] == b.rows[number]) << "row " << number;
    EXPECT_TRUE(a.customEnabled == b.customEnabled && a.custom == b.custom) << "custom indicators";
    EXPECT_TRUE(a.selfSetEnabled == b.selfSetEnabled && a.selfSet == b.selfSet) << "self-set";
    EXPECT_TRUE(a.tailEnabled == b.tailEnabled && a.tails == b.tails) << "tails";
    EXPECT_EQ(a.selectable, b.selectable);
    EXPECT_EQ(a.fixed, b.fixed);
}

tselfcond group(std::vector<uint8_t> numbers, std::vector<int32_t> allowed, bool tolerant = false,
                bool countOnce = false) {
    tselfcond entry;
    entry.numbers = std::move(numbers);
    entry.allowed = std::move(allowed);
    entry.tolerant = tolerant;
    entry.countOnce = countOnce;
    return entry;
}

// A state with something in every part of the file.
MainConditions richConditions() {
    MainConditions c = resetConditions(kN);
    c.rows[25] = {true, {70, 71, 130}, true, {}, {}};
    c.rows[2] = {true, {4, 2, 3}, false, {}, {}};
    c.rows[131] = {true, {0, 60, 700, 9999}, false, {}, {}};
    c.rows[34] = {true, {}, true, 3.0, 11.0};
    c.rows[35] = {true, {}, false, 20.0, std::nullopt};
    c.rows[7].enabled = true;  // enabled with an empty set
    c.customEnabled = true;
    c.custom.add("z_hz%10", true, {1, 3, 5});
    c.custom.add("和值+[1]z_num1", false, {100});
    c.selfSetEnabled = true;
    c.selfSet = {group({1, 2, 3}, {0, 1}, true), group({10, 20, 30, 33}, {2})};
    c.tailEnabled = true;
    c.tails = {group({3}, {2}), group({3, 5}, {2}, true, true)};
    for (int n = 1; n <= kN; ++n) c.selectable[n] = n != 4 && n != 13;
    c.fixed[7] = c.fixed[21] = true;
    c.noPastDraws = true;
    c.noEqualSpacing = false;
    c.noSpecialRuns = true;
    c.totalToleranceEnabled = true;
    c.totalFrom = 2;
    c.totalTo = 5;
    return c;
}

size_t at(int record, size_t offset) { return static_cast<size_t>(record - 1) * kCondRecordSize + offset; }

int32_t int32At(const std::string& bytes, size_t offset) {
    int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}
double float64At(const std::string& bytes, size_t offset) {
    double v;
    std::memcpy(&v, bytes.data() + offset, 8);
    return v;
}
void putInt32(std::string& bytes, size_t offset, int32_t v) { std::memcpy(bytes.data() + offset, &v, 4); }
void putFloat64(std::string& bytes, size_t offset, double v) { std::memcpy(bytes.data() + offset, &v, 8); }

std::string zeroRecords(int count) { return std::string(static_cast<size_t>(count) * kCondRecordSize, '\0'); }

// ---------------------------------------------------------------------------------------------
// The record.

TEST(CondRecord, FieldsSitAtTheirOffsets) {
    tcondrec record;
    setCondRecordFormula(record, "z_hz%10");
    record.count = 7;
    record.enabled = -1;
    record.small[0] = 3;
    record.small[1] = 5;
    record.small[49] = 0x01020304;
    record.k = 3;
    record.values[0] = 30;
    record.values[1] = 10;
    record.values[2] = 20;
    record.values[2000] = -2;
    record.from = 1.5;
    record.to = -2.0;
    record.tolerant = -1;
    const std::string bytes = encodeCondRecord(record);
    ASSERT_EQ(bytes.size(), 8437u);

    auto b = [&](size_t offset, size_t n) { return bytes.substr(offset, n); };
    EXPECT_EQ(b(0, 8), std::string("z_hz%10\0", 8));
    EXPECT_EQ(b(8, 193), std::string(193, '\0'));
    EXPECT_EQ(b(201, 4), std::string("\x07\x00\x00\x00", 4));
    EXPECT_EQ(b(205, 4), std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(b(209, 8), std::string("\x03\x00\x00\x00\x05\x00\x00\x00", 8));
    EXPECT_EQ(b(209 + 4 * 49, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(b(409, 4), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(b(413, 12), std::string("\x1E\x00\x00\x00\x0A\x00\x00\x00\x14\x00\x00\x00", 12));
    EXPECT_EQ(b(413 + 4 * 2000, 4), std::string("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(b(8417, 8), std::string("\x00\x00\x00\x00\x00\x00\xF8\x3F", 8));
    EXPECT_EQ(b(8425, 8), std::string("\x00\x00\x00\x00\x00\x00\x00\xC0", 8));
    EXPECT_EQ(b(8433, 4), std::string("\xFF\xFF\xFF\xFF", 4));

    const tcondrec back = decodeCondRecord(bytes);
    EXPECT_EQ(encodeCondRecord(back), bytes);
    EXPECT_EQ(condRecordFormula(back), "z_hz%10");
    EXPECT_EQ(condRecordValues(back), (std::vector<int32_t>{30, 10, 20}));
}

TEST(CondRecord, FormulaTextIsGbkAndCutAtACharacterBoundary) {
    tcondrec record;
    setCondRecordFormula(record, "和值");
    EXPECT_EQ(std::string(record.text.data(), 5), std::string("\xBA\xCD\xD6\xB5\0", 5));
    EXPECT_EQ(condRecordFormula(record), "和值");

    // 101 two-byte characters: 202 bytes; 100 of them fit.
    std::string longText;
    for (int i = 0; i < 101; ++i) longText += "和";
    setCondRecordFormula(record, longText);
    EXPECT_EQ(record.text[199], '\xCD');
    EXPECT_EQ(record.text[200], '\0');
    EXPECT_EQ(condRecordFormula(record), longText.substr(0, 300));
}

TEST(CondRecord, ValueCountIsCutToTheList) {
    struct Case {
        int32_t k;
        size_t expected;
    } cases[] = {{0, 0}, {-1, 0}, {-2147483647 - 1, 0}, {5, 5}, {2001, 2001}, {2002, 2001}, {999999, 2001}};
    for (const Case& c : cases) {
        tcondrec record;
        record.k = c.k;
        EXPECT_EQ(condRecordValues(record).size(), c.expected) << c.k;
    }
}

TEST(CondRecord, ShortInputIsTheZeroRecord) {
    const tcondrec record = decodeCondRecord(std::string(100, '\x7F'));
    EXPECT_EQ(encodeCondRecord(record), std::string(kCondRecordSize, '\0'));
}

// ---------------------------------------------------------------------------------------------
// Main-zone files.

TEST(MainConditionFile, SizesAreExact) {
    TempFolder home;
    ASSERT_TRUE(saveMainConditions(home.file("a.zh"), richConditions(), kN));
    EXPECT_EQ(test::fileSize(home.file("a.zh")), 11828674);
    EXPECT_EQ(11828674u, 1402 * kCondRecordSize);
    ASSERT_TRUE(saveSecondaryConditions(home.file("a.fzh"), resetSecondaryConditions(16), 16));
    EXPECT_EQ(test::fileSize(home.file("a.fzh")), 1687400);
    ASSERT_TRUE(saveSpecialNumberConditions(home.file("a.lzh"), resetSpecialNumberConditions()));
    EXPECT_EQ(test::fileSize(home.file("a.lzh")), 1687400);
}

// A save that fails part-way (an I/O error or a full disk after some bytes, a failed rename, a
// read-only folder) leaves the previous file byte for byte, or no file where there was none, and
// no temporary; the message names the file and the reason. All three kinds of condition file.
TEST(ConditionFileFaults, FailedSavesKeepThePreviousFile) {
    using test::FaultyFiles;
    struct Fault {
        FileLayer layer;
        const char* reason;
    } faults[] = {
        {FaultyFiles::failAfterBytes(0), "读写设备出错"},
        {FaultyFiles::failAfterBytes(kCondRecordSize + 100), "读写设备出错"},
        {FaultyFiles::fullDisk(), "磁盘空间已满"},
        {FaultyFiles::fullDisk(3 * kCondRecordSize), "磁盘空间已满"},
        {FaultyFiles::failOnRename(), "不能跨文件系统改名"},
        {FaultyFiles::readOnlyFolder(), "没有写入权限"},
    };
    SecondaryConditions secondary = resetSecondaryConditions(16);
    secondary.rows[SecondaryConditions::Sum] = {true, {10, 12}, true};
    SpecialNumberConditions special = resetSpecialNumberConditions();
    special.totalToleranceEnabled = true;
    // Each kind: its file name, a save of the previous conditions and one of other conditions.
    struct Kind {
        const char* name;
        std::function<Status(const std::string&, const FileLayer&)> savePrevious, saveOther;
    } kinds[] = {
        {"a.zh",
         [](const std::string& path, const FileLayer& layer) {
             return saveMainConditions(path, richConditions(), kN, layer);
         },
         [](const std::string& path, const FileLayer& layer) {
             return saveMainConditions(path, resetConditions(kN), kN, layer);
         }},
        {"a.fzh",
         [&](const std::string& path, const FileLayer& layer) {
             return saveSecondaryConditions(path, secondary, 16, layer);
         },
         [](const std::string& path, const FileLayer& layer) {
             return saveSecondaryConditions(path, resetSecondaryConditions(16), 16, layer);
         }},
        {"a.lzh",
         [&](const std::string& path, const FileLayer& layer) {
             return saveSpecialNumberConditions(path, special, layer);
         },
         [](const std::string& path, const FileLayer& layer) {
             return saveSpecialNumberConditions(path, resetSpecialNumberConditions(), layer);
         }},
    };
    auto entries = [](const std::string& folder) {
        size_t n = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
        return n;
    };
    for (const Kind& kind : kinds) {
        TempFolder home;
        const std::string path = home.file(kind.name);
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(kind.name) + " " + fault.reason);
            const Status first = kind.saveOther(path, fault.layer);  // no previous file
            EXPECT_FALSE(first);
            EXPECT_EQ(test::fileSize(path), -1);
            EXPECT_EQ(entries(home.path()), 0u) << "no temporary is left behind";
        }
        ASSERT_TRUE(kind.savePrevious(path, FileLayer{}));
        const std::string before = test::readFile(path);
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(kind.name) + " " + fault.reason);
            const Status status = kind.saveOther(path, fault.layer);
            EXPECT_FALSE(status);
            EXPECT_EQ(status.message, "文件保存失败：" + path + "（" + fault.reason + "）");
            EXPECT_EQ(test::readFile(path), before);
            EXPECT_EQ(entries(home.path()), 1u) << "no temporary is left behind";
        }
    }
    // The previous conditions load as they were saved.
    TempFolder home;
    // Another program saving the same file in between: the file is one whole version, never a mix.
    const std::string shared = home.file("c.zh");
    const FileLayer other =
        FaultyFiles::concurrentWriter([&] { ASSERT_TRUE(saveMainConditions(shared, resetConditions(kN), kN)); });
    ASSERT_TRUE(saveMainConditions(shared, richConditions(), kN, other));
    const MainConditionLoad both = loadMainConditions(shared, kN);
    ASSERT_TRUE(both.status);
    EXPECT_EQ(both.records, kMainConditionRecords);
    EXPECT_TRUE(both.conditions == richConditions() || both.conditions == resetConditions(kN));

    ASSERT_TRUE(saveMainConditions(home.file("b.zh"), richConditions(), kN));
    EXPECT_FALSE(saveMainConditions(home.file("b.zh"), resetConditions(kN), kN, FaultyFiles::fullDisk(5000)));
    const MainConditionLoad load = loadMainConditions(home.file("b.zh"), kN);
    ASSERT_TRUE(load.status) << load.status.message;
    EXPECT_FALSE(load.truncated);
    expectSameConditions(load.conditions, richConditions());
}

TEST(MainConditionFile, NothingEnabledLoadsAsTheResetStateWithTheSameNumbers) {
    TempFolder home;
    MainConditions saved = resetConditions(kN);
    for (int n = 1; n <= kN; ++n) saved.selectable[n] = n % 3 != 0;
    saved.fixed[5] = saved.fixed[32] = true;
    ASSERT_TRUE(saveMainConditions(home.file("a.zh"), saved, kN));

    MainConditions current = richConditions();
    const MainConditionLoad load = loadMainConditions(home.file("a.zh"), kN, &current);
    ASSERT_TRUE(load.status) << load.status.message;
    EXPECT_EQ(load.records, 1402);
    EXPECT_TRUE(load.notes.empty());
    expectSameConditions(load.conditions, saved);
    MainConditions expected = resetConditions(kN);
    expected.selectable = saved.selectable;
    expected.fixed = saved.fixed;
    expectSameConditions(load.conditions, expected);
}

TEST(MainConditionFile, EverythingRoundTripsByteForByte) {
    TempFolder home;
    const MainConditions saved = richConditions();
    ASSERT_TRUE(saveMainConditions(home.file("a.zh"), saved, kN));
    const std::string bytes = test::readFile(home.file("a.zh"));
    const MainConditionLoad load = loadMainConditions(home.file("a.zh"), kN);
    ASSERT_TRUE(load.status);
    expectSameConditions(load.conditions, saved);
    EXPECT_EQ(encodeMainConditions(load.conditions, kN), bytes);
}

TEST(MainConditionFile, AllowedSetKeepsItsStoredOrder) {
    MainConditions saved = resetConditions(kN);
    saved.rows[25] = {true, {30, 10, 20}, false, {}, {}};
    const MainConditionLoad load = decodeMainConditions(encodeMainConditions(saved, kN), kN);
    EXPECT_EQ(load.conditions.rows[25].allowed, (std::vector<int32_t>{30, 10, 20}));
    EXPECT_EQ(valueListText(load.conditions.rows[25].allowed), "30  10  20  ");
}

TEST(MainConditionFile, RecordsFollowTheMap) {
    const std::string bytes = encodeMainConditions(richConditions(), kN);
    // Row 25: enabled, k = 3, values, tolerant.
    EXPECT_EQ(int32At(bytes, at(25, 205)), -1);
    EXPECT_EQ(int32At(bytes, at(25, 409)), 3);
    EXPECT_EQ(bytes.substr(at(25, 413), 12), std::string("\x46\0\0\0\x47\0\0\0\x82\0\0\0", 12));
    EXPECT_EQ(int32At(bytes, at(25, 8433)), -1);
    // A disabled row carries only its (zero) flag; row 36 and unassigned records are zero.
    EXPECT_EQ(bytes.substr(at(1, 0), kCondRecordSize), std::string(kCondRecordSize, '\0'));
    EXPECT_EQ(bytes.substr(at(36, 0), kCondRecordSize), std::string(kCondRecordSize, '\0'));
    EXPECT_EQ(bytes.substr(at(134, 0), at(500, 0) - at(134, 0)), std::string(at(500, 0) - at(134, 0), '\0'));
    EXPECT_EQ(bytes.substr(at(1401, 0), 2 * kCondRecordSize), std::string(2 * kCondRecordSize, '\0'));
    // Rows 34 and 35: from and to as float64.
    EXPECT_EQ(float64At(bytes, at(34, 8417)), 3.0);
    EXPECT_EQ(float64At(bytes, at(34, 8425)), 11.0);
    EXPECT_EQ(int32At(bytes, at(34, 409)), 0);
    EXPECT_TRUE(std::isnan(float64At(bytes, at(35, 8425)))) << "an empty field";
    // The custom-indicator group: enabled and count at offset 201; entries from record 501.
    EXPECT_EQ(int32At(bytes, at(500, 205)), -1);
    EXPECT_EQ(int32At(bytes, at(500, 201)), 2);
    EXPECT_EQ(bytes.substr(at(501, 0), 8), std::string("z_hz%10\0", 8));
    EXPECT_EQ(int32At(bytes, at(501, 8433)), -1);
    EXPECT_EQ(bytes.substr(at(502, 0), 4), utf8ToGbk("和值"));
    EXPECT_EQ(int32At(bytes, at(502, 8433)), 0);
    // Selectable and fixed numbers: small[n] = n or 0.
    EXPECT_EQ(int32At(bytes, at(940, 209 + 4 * 3)), 3);
    EXPECT_EQ(int32At(bytes, at(940, 209 + 4 * 4)), 0);
    EXPECT_EQ(int32At(bytes, at(940, 209 + 4 * 33)), 33);
    EXPECT_EQ(int32At(bytes, at(940, 209 + 4 * 34)), 0);
    EXPECT_EQ(int32At(bytes, at(941, 209 + 4 * 7)), 7);
    EXPECT_EQ(int32At(bytes, at(941, 209 + 4 * 8)), 0);
    // The exclusions and the total tolerance.
    EXPECT_EQ(int32At(bytes, at(942, 205)), -1);
    EXPECT_EQ(int32At(bytes, at(943, 205)), 0);
    EXPECT_EQ(int32At(bytes, at(944, 205)), -1);
    EXPECT_EQ(int32At(bytes, at(945, 205)), -1);
    EXPECT_EQ(int32At(bytes, at(945, 213)), 2);
    EXPECT_EQ(int32At(bytes, at(945, 217)), 5);
    // Self-set group: enabled and count (float64) in record 951, which is also entry 1.
    EXPECT_EQ(int32At(bytes, at(951, 205)), -1);
    EXPECT_EQ(float64At(bytes, at(951, 8417)), 2.0);
    EXPECT_EQ(bytes.substr(at(951, 209), 16), std::string("\x03\0\0\0\x01\0\0\0\x02\0\0\0\x03\0\0\0", 16));
    EXPECT_EQ(int32At(bytes, at(951, 409)), 2);
    EXPECT_EQ(int32At(bytes, at(951, 8433)), -1);
    EXPECT_EQ(int32At(bytes, at(952, 209)), 4);
    EXPECT_EQ(int32At(bytes, at(952, 205)), 0);
    // Tail group: record 1351, count-once of entry 2 as float64 1.
    EXPECT_EQ(int32At(bytes, at(1351, 205)), -1);
    EXPECT_EQ(float64At(bytes, at(1351, 8417)), 2.0);
    EXPECT_EQ(float64At(bytes, at(1351, 8425)), 0.0);
    EXPECT_EQ(float64At(bytes, at(1352, 8425)), 1.0);
    EXPECT_EQ(int32At(bytes, at(1352, 209)), 2);
    EXPECT_EQ(int32At(bytes, at(1352, 217)), 5);
}

TEST(MainConditionFile, DisabledListsKeepTheirEntries) {
    MainConditions saved = richConditions();
    saved.customEnabled = saved.selfSetEnabled = saved.tailEnabled = false;
    const MainConditionLoad load = decodeMainConditions(encodeMainConditions(saved, kN), kN);
    expectSameConditions(load.conditions, saved);
}

TEST(MainConditionFile, ShortFileLeavesTheRestReset) {
    const std::string full = encodeMainConditions(richConditions(), kN);
    MainConditions current = resetConditions(kN);
    current.noEqualSpacing = false;
    current.noSpecialRuns = false;

    const MainConditionLoad load =
        decodeMainConditions(std::string_view(full).substr(0, 100 * kCondRecordSize + 77), kN, &current);
    ASSERT_TRUE(load.status);
    EXPECT_EQ(load.records, 100);
    EXPECT_EQ(load.conditions.rows[25].allowed, (std::vector<int32_t>{70, 71, 130}));
    EXPECT_TRUE(load.conditions.rows[34].enabled);
    EXPECT_FALSE(load.conditions.rows[131].enabled) << "record 131 is beyond the end";
    EXPECT_EQ(load.conditions.custom.count(), 0);
    EXPECT_TRUE(load.conditions.selfSet.empty());
    for (int n = 1; n <= kN; ++n) EXPECT_TRUE(load.conditions.selectable[n]) << n;
    EXPECT_FALSE(load.conditions.fixed[7]);
    EXPECT_FALSE(load.conditions.noEqualSpacing) << "kept as the reset keeps it";
    EXPECT_FALSE(load.conditions.noSpecialRuns);

    // A file that ends inside the self-set entries keeps those whose records it has.
    const MainConditionLoad partial = decodeMainConditions(std::string_view(full).substr(0, 951 * kCondRecordSize), kN);
    ASSERT_EQ(partial.conditions.selfSet.size(), 1u);
    EXPECT_EQ(partial.conditions.selfSet[0].numbers, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(partial.notes, (std::vector<std::string>{truncatedFileNote(951, 1402)})) << "no cut-count note";

    const MainConditionLoad empty = decodeMainConditions("", kN, &current);
    EXPECT_EQ(empty.records, 0);
    MainConditions expected = resetConditions(kN, &current);
    expectSameConditions(empty.conditions, expected);
}

TEST(MainConditionFile, FileOfAnotherKindLoadsWithATruncationNote) {
    TempFolder home;
    SecondaryConditions secondary = resetSecondaryConditions(16);
    secondary.rows[SecondaryConditions::Sum] = {true, {10, 12}, true};
    secondary.customEnabled = true;
    secondary.custom.add("f_hz", false, {3});
    ASSERT_TRUE(saveSecondaryConditions(home.file("b.fzh"), secondary, 16));
    const MainConditionLoad load = loadMainConditions(home.file("b.fzh"), kN);
    ASSERT_TRUE(load.status);
    EXPECT_EQ(load.records, 200);
    EXPECT_TRUE(load.truncated);
    EXPECT_EQ(load.notes, (std::vector<std::string>{truncatedFileNote(200, 1402)}));
    EXPECT_TRUE(load.conditions.rows[5].enabled) << "record 5 says so";
    EXPECT_EQ(load.conditions.rows[5].allowed, (std::vector<int32_t>{10, 12}));
    EXPECT_EQ(load.conditions.custom.count(), 0);
    for (int n = 1; n <= kN; ++n) EXPECT_TRUE(load.conditions.selectable[n]);

    const SpecialNumberConditionLoad special = loadSpecialNumberConditions(home.file("b.fzh"));
    ASSERT_TRUE(special.status);
    EXPECT_EQ(special.conditions.custom.count(), 1);
}

TEST(MainConditionFile, MissingFileIsAFailureNamingIt) {
    TempFolder home;
    const MainConditionLoad load = loadMainConditions(home.file("none.zh"), kN);
    EXPECT_FALSE(load.status);
    EXPECT_EQ(load.status.message, "无法读取文件：" + home.file("none.zh"));
}

TEST(MainConditionFile, LongerFileReadsItsFirst1402Records) {
    std::string bytes = encodeMainConditions(richConditions(), kN) + std::string(3 * kCondRecordSize + 5, '\x55');
    const MainConditionLoad load = decodeMainConditions(bytes, kN);
    EXPECT_EQ(load.records, 1402);
    expectSameConditions(load.conditions, richConditions());
}

// A file is read only where its fields are, page by page; a pipe is read whole. Either way the
// load is the decoding of the file's bytes: for a full file, short and long ones, ones that end
// inside a page, and random bytes.
TEST(MainConditionFile, FileReadPageByPageIsItsBytesDecoded) {
    TempFolder home;
    std::mt19937 random(7);
    std::vector<std::string> files = {encodeMainConditions(richConditions(), kN),
                                      encodeMainConditions(richConditions(), kN).substr(0, 951 * kCondRecordSize + 100),
                                      encodeMainConditions(richConditions(), kN) + std::string(4099, '\x33')};
    for (size_t size : {size_t{5}, size_t{8437 * 2 + 4095}, size_t{1402 * 8437}}) {
        std::string bytes(size, '\0');
        for (char& b : bytes) b = static_cast<char>(random());
        files.push_back(bytes);
    }
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes.size());
        const MainConditionLoad decoded = decodeMainConditions(bytes, kN);
        test::writeFile(home.file("a.zh"), bytes);
        const MainConditionLoad load = loadMainConditions(home.file("a.zh"), kN);
        ASSERT_TRUE(load.status) << load.status.message;
        EXPECT_EQ(load.records, decoded.records);
        EXPECT_EQ(load.notes, decoded.notes);
        expectSameConditions(load.conditions, decoded.conditions);
    }
    // A pipe: written by another thread while it is read.
    const std::string fifo = home.file("pipe.zh");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << files[0]; });
    const MainConditionLoad piped = loadMainConditions(fifo, kN);
    writer.join();
    ASSERT_TRUE(piped.status) << piped.status.message;
    expectSameConditions(piped.conditions, richConditions());
}

// ---------------------------------------------------------------------------------------------
// Malformed main-zone files.

TEST(MainConditionFileMalformed, FlagsAreTrueWhenNotZero) {
    std::string bytes = zeroRecords(945);
    putInt32(bytes, at(25, 205), 1);
    putInt32(bytes, at(25, 409), 1);
    putInt32(bytes, at(25, 413), 999);  // outside the offered range: kept
    putInt32(bytes, at(25, 8433), 7);
    putInt32(bytes, at(942, 205), 0x100);
    putInt32(bytes, at(943, 205), 0);
    const MainConditionLoad load = decodeMainConditions(bytes, kN);
    EXPECT_TRUE(load.conditions.rows[25].enabled);
    EXPECT_TRUE(load.conditions.rows[25].tolerant);
    EXPECT_EQ(load.conditions.rows[25].allowed, (std::vector<int32_t>{999}));
    EXPECT_TRUE(load.conditions.noPastDraws);
    EXPECT_FALSE(load.conditions.noEqualSpacing);
    // Record 940 is all zero: no number selectable.
    for (int n = 1; n <= kN; ++n) EXPECT_FALSE(load.conditions.selectable[n]);
}

TEST(MainConditionFileMalformed, HugeValueCountIsCut) {
    std::string bytes = zeroRecords(3);
    putInt32(bytes, at(2, 205), -1);
    putInt32(bytes, at(2, 409), 999999);
    putInt32(bytes, at(2, 413 + 4 * 2000), 77);
    putInt32(bytes, at(3, 205), -1);
    putInt32(bytes, at(3, 409), -5);
    const MainConditionLoad load = decodeMainConditions(bytes, kN);
    ASSERT_EQ(load.conditions.rows[2].allowed.size(), 2001u);
    EXPECT_EQ(load.conditions.rows[2].allowed.back(), 77);
    EXPECT_TRUE(load.conditions.rows[3].enabled);
    EXPECT_TRUE(load.conditions.rows[3].allowed.empty());
}

TEST(MainConditionFileMalformed, GroupCountsAboveCapacityAreCutWithANote) {
    std::string bytes = zeroRecords(kMainConditionRecords);
    putInt32(bytes, at(500, 201), 100000);
    for (int r = 501; r <= 900; ++r) bytes[at(r, 0)] = 'x';
    putFloat64(bytes, at(951, 8417), 1e9);
    putFloat64(bytes, at(1351, 8417), 51.0);
    const MainConditionLoad load = decodeMainConditions(bytes, kN);
    EXPECT_EQ(load.conditions.custom.count(), 400);
    EXPECT_EQ(load.conditions.selfSet.size(), 400u);
    EXPECT_EQ(load.conditions.tails.size(), 50u);
    EXPECT_EQ(load.notes, (std::vector<std::string>{"条件文件中的自定义指标条件超过400注，只载入了前400注",
                                                    "条件文件中的自设条件超过400注，只载入了前400注",
                                                    "条件文件中的尾数条件超过50注，只载入了前50注"}));
}

TEST(MainConditionFileMalformed, GroupCountsBelowOneOrNotANumberAreZero) {
    const double counts[] = {
        0.0, -1.0, 0.5, -1e300, std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()};
    for (double count : counts) {
        std::string bytes = zeroRecords(kMainConditionRecords);
        putInt32(bytes, at(500, 201), count < 0 ? -3 : 0);
        putFloat64(bytes, at(951, 8417), count);
        putFloat64(bytes, at(1351, 8417), count);
        const MainConditionLoad load = decodeMainConditions(bytes, kN);
        EXPECT_EQ(load.conditions.custom.count(), 0) << count;
        EXPECT_TRUE(load.conditions.selfSet.empty()) << count;
        EXPECT_TRUE(load.conditions.tails.empty()) << count;
        EXPECT_TRUE(load.notes.empty()) << count;
    }
    std::string bytes = zeroRecords(kMainConditionRecords);
    putFloat64(bytes, at(1351, 8417), std::numeric_limits<double>::infinity());
    const MainConditionLoad load = decodeMainConditions(bytes, kN);
    EXPECT_EQ(load.conditions.tails.size(), 50u);
    EXPECT_EQ(load.notes.size(), 1u);
}

TEST(MainConditionFileMalformed, FormulaWithoutItsZeroIsCutAt200Bytes) {
    std::string bytes = zeroRecords(501);
    putInt32(bytes, at(500, 201), 1);
    std::memset(bytes.data() + at(501, 0), 'a', 201);
    putInt32(bytes, at(501, 409), 1);
    putInt32(bytes, at(501, 413), 4);
    MainConditionLoad load = decodeMainConditions(bytes, kN);
    ASSERT_EQ(load.conditions.custom.count(), 1);
    EXPECT_EQ(load.conditions.custom[0].formula, std::string(200, 'a'));
    EXPECT_EQ(load.conditions.custom[0].values, (std::vector<int32_t>{4}));

    // A double-byte character across the cut is left out whole.
    std::memset(bytes.data() + at(501, 0), 'b', 199);
    bytes[at(501, 199)] = '\xBA';
    bytes[at(501, 200)] = '\xCD';
    load = decodeMainConditions(bytes, kN);
    EXPECT_EQ(load.conditions.custom[0].formula, std::string(199, 'b'));

    // Malformed GBK is replaced, never read past.
    bytes[at(501, 0)] = '\xFF';
    bytes[at(501, 1)] = '\0';
    load = decodeMainConditions(bytes, kN);
    EXPECT_EQ(load.conditions.custom[0].formula, "\xEF\xBF\xBD");
}

TEST(MainConditionFileMalformed, EmptyFormulaEntriesAreLeftOut) {
    std::string bytes = zeroRecords(503);
    putInt32(bytes, at(500, 201), 3);
    std::memcpy(bytes.data() + at(501, 0), "z_hz", 4);
    std::memcpy(bytes.data() + at(502, 0), "   ", 3);
    std::memcpy(bytes.data() + at(503, 0), " z_ac ", 6);
    const MainConditionLoad load = decodeMainConditions(bytes, kN);
    ASSERT_EQ(load.conditions.custom.count(), 2);
    EXPECT_EQ(load.conditions.custom[0].formula, "z_hz");
    EXPECT_EQ(load.conditions.custom[1].formula, "z_ac");
}

TEST(MainConditionFileMalformed, RangeEndsAreWholeNumbersOrEmpty) {
    struct Case {
        double stored;
        std::optional<double> loaded;
    } cases[] = {{3.0, 3.0},
                 {2.5, 2.0},
                 {3.5, 4.0},
                 {-0.4, 0.0},
                 {1e300, std::nullopt},
                 {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
                 {std::numeric_limits<double>::infinity(), std::nullopt},
                 {2147483647.0, 2147483647.0},
                 {2147483648.0, std::nullopt}};
    for (const Case& c : cases) {
        std::string bytes = zeroRecords(35);
        putInt32(bytes, at(34, 205), -1);
        putFloat64(bytes, at(34, 8417), c.stored);
        putFloat64(bytes, at(34, 8425), c.stored);
        const MainConditionLoad load = decodeMainConditions(bytes, kN);
        EXPECT_EQ(load.conditions.rows[34].from, c.loaded) << c.stored;
        EXPECT_EQ(load.conditions.rows[34].to, c.loaded) << c.stored;
        EXPECT_FALSE(load.conditions.rows[35].from) << "row 35 is disabled";
    }
}

TEST(MainConditionFileMalformed, GroupMembersBeyondAByteMatchNothing) {
    std::string bytes = zeroRecords(951);
    putInt32(bytes, at(951, 205), -1);
    putFloat64(bytes, at(951, 8417), 1.0);
    putInt32(bytes, at(951, 209), 4);
    putInt32(bytes, at(951, 213), 5);
    putInt32(bytes, at(951, 217), 1000);
    putInt32(bytes, at(951, 221), -1);
    putInt32(bytes, at(951, 225), 200);
    MainConditionLoad load = decodeMainConditions(bytes, kN);
    ASSERT_EQ(load.conditions.selfSet.size(), 1u);
    EXPECT_EQ(load.conditions.selfSet[0].numbers, (std::vector<uint8_t>{5, 255, 255, 200}));

    putInt32(bytes, at(951, 209), 1000000);  // more numbers than the record holds: 49
    load = decodeMainConditions(bytes, kN);
    EXPECT_EQ(load.conditions.selfSet[0].numbers.size(), 49u);
    putInt32(bytes, at(951, 209), -7);
    load = decodeMainConditions(bytes, kN);
    EXPECT_TRUE(load.conditions.selfSet[0].numbers.empty());
}

TEST(MainConditionFileMalformed, RandomBytesNeverCrash) {
    std::mt19937 random(12345);
    const size_t sizes[] = {
        0, 1, 8436, 8437, 8438, 3 * 8437 + 11, 500 * 8437, 952 * 8437 + 3, 1402 * 8437, 1402 * 8437 + 1};
    for (size_t size : sizes) {
        std::string bytes(size, '\0');
        for (char& b : bytes) b = static_cast<char>(random());
        const MainConditionLoad load = decodeMainConditions(bytes, kN);
        EXPECT_EQ(load.records, static_cast<int>(std::min<size_t>(size / 8437, 1402)));
        EXPECT_LE(load.conditions.custom.count(), 400);
        EXPECT_LE(load.conditions.selfSet.size(), 400u);
        EXPECT_LE(load.conditions.tails.size(), 50u);
        for (const CatalogueCondition& row : load.conditions.rows) EXPECT_LE(row.allowed.size(), 2001u);
        // What was loaded saves as a whole file again.
        EXPECT_EQ(encodeMainConditions(load.conditions, kN).size(), 11828674u);
        const SecondaryConditionLoad secondary = decodeSecondaryConditions(bytes, 16);
        EXPECT_LE(secondary.conditions.custom.count(), 50);
        const SpecialNumberConditionLoad special = decodeSpecialNumberConditions(bytes);
        EXPECT_LE(special.conditions.custom.count(), 50);
    }
}

TEST(MainConditionFileMalformed, NumbersBeyondTheGameAreNotRead) {
    std::string bytes = zeroRecords(941);
    for (int n = 0; n < 50; ++n) putInt32(bytes, at(940, 209 + 4 * static_cast<size_t>(n)), n);
    putInt32(bytes, at(941, 209 + 4 * 40), 40);
    const MainConditionLoad load = decodeMainConditions(bytes, 35);
    for (int n = 1; n <= 35; ++n) EXPECT_TRUE(load.conditions.selectable[n]) << n;
    for (int n = 36; n <= 49; ++n) EXPECT_FALSE(load.conditions.selectable[n]) << n;
    EXPECT_FALSE(load.conditions.fixed[40]);
}

// ---------------------------------------------------------------------------------------------
// Secondary-zone and special-number files.

SecondaryConditions richSecondary() {
    SecondaryConditions c = resetSecondaryConditions(12);
    c.rows[SecondaryConditions::Num1] = {true, {1, 3}, false};
    c.rows[SecondaryConditions::Num2Omission] = {true, {0, 145, 7}, true};
    c.rows[SecondaryConditions::Span] = {false, {4}, true};  // kept as it is
    c.totalToleranceEnabled = true;
    c.totalFrom = 1;
    c.totalTo = 2;
    c.selectable[3] = false;
    c.fixed[5] = true;
    c.customEnabled = true;
    c.custom.add("f_hz%3", true, {0, 2});
    return c;
}

SpecialNumberConditions richSpecial() {
    SpecialNumberConditions c;
    c.parity = {true, 1, false};
    c.zone = {true, 0, true};
    c.values[0] = {true, {0, 2}, false};
    c.values[4] = {true, {10, 20, 150}, true};
    c.means[0] = {true, 2.5, 8.0, false};
    c.means[4] = {true, std::nullopt, 7.25, true};
    c.totalToleranceEnabled = true;
    c.totalTo = 1;
    c.custom.add("f_num1%2", false, {1});
    return c;
}

TEST(SecondaryConditionFile, RoundTripsByteForByte) {
    TempFolder home;
    const SecondaryConditions saved = richSecondary();
    ASSERT_TRUE(saveSecondaryConditions(home.file("a.fzh"), saved, 12));
    const std::string bytes = test::readFile(home.file("a.fzh"));
    const SecondaryConditionLoad load = loadSecondaryConditions(home.file("a.fzh"), 12);
    ASSERT_TRUE(load.status);
    EXPECT_EQ(load.records, 200);
    const SecondaryConditions& c = load.conditions;
    for (int r = 1; r <= 8; ++r) {
        EXPECT_EQ(c.rows[r].enabled, saved.rows[r].enabled) << r;
        EXPECT_EQ(c.rows[r].allowed, saved.rows[r].allowed) << r;
        EXPECT_EQ(c.rows[r].tolerant, saved.rows[r].tolerant) << r;
    }
    EXPECT_EQ(c.selectable, saved.selectable);
    EXPECT_EQ(c.fixed, saved.fixed);
    EXPECT_TRUE(c.totalToleranceEnabled);
    EXPECT_EQ(c.totalTo, 2);
    ASSERT_EQ(c.custom.count(), 1);
    EXPECT_EQ(c.custom[0].formula, "f_hz%3");
    EXPECT_TRUE(c == saved) << "every field round-trips";
    EXPECT_EQ(encodeSecondaryConditions(c, 12), bytes);

    // Map: record 8 (second omission), 9 (total), 10 and 11 (numbers), 150 (custom group), 151 (entry).
    EXPECT_EQ(int32At(bytes, at(8, 205)), -1);
    EXPECT_EQ(int32At(bytes, at(8, 409)), 3);
    EXPECT_EQ(int32At(bytes, at(9, 213)), 1);
    EXPECT_EQ(int32At(bytes, at(10, 209 + 4 * 12)), 12);
    EXPECT_EQ(int32At(bytes, at(10, 209 + 4 * 3)), 0);
    EXPECT_EQ(int32At(bytes, at(11, 209 + 4 * 5)), 5);
    EXPECT_EQ(int32At(bytes, at(150, 201)), 1);
    EXPECT_EQ(bytes.substr(at(151, 0), 7), std::string("f_hz%3\0", 7));
    EXPECT_EQ(bytes.substr(at(4, 0), kCondRecordSize), std::string(kCondRecordSize, '\0'))
        << "副区偏度 unset: record 4 stays a zero record, as in files written before it was stored";
}

TEST(SecondaryConditionFile, SkewIsRecordFour) {
    SecondaryConditions saved = resetSecondaryConditions(12);
    saved.rows[SecondaryConditions::Skew] = {true, {0, 2}, true};
    const std::string bytes = encodeSecondaryConditions(saved, 12);
    EXPECT_EQ(int32At(bytes, at(4, 205)), -1);
    EXPECT_EQ(int32At(bytes, at(4, 409)), 2);
    EXPECT_EQ(int32At(bytes, at(4, 417)), 2);
    EXPECT_EQ(int32At(bytes, at(4, 8433)), -1);
    const SecondaryConditionLoad load = decodeSecondaryConditions(bytes, 12);
    EXPECT_TRUE(load.conditions == saved);
    // An older file: record 4 all zero reads as disabled.
    std::string older = bytes;
    older.replace(at(4, 0), kCondRecordSize, std::string(kCondRecordSize, '\0'));
    EXPECT_FALSE(decodeSecondaryConditions(older, 12).conditions.rows[SecondaryConditions::Skew].enabled);
}

TEST(SpecialNumberConditionFile, RoundTripsByteForByte) {
    const SpecialNumberConditions saved = richSpecial();
    const std::string bytes = encodeSpecialNumberConditions(saved);
    ASSERT_EQ(bytes.size(), 1687400u);
    const SpecialNumberConditionLoad load = decodeSpecialNumberConditions(bytes);
    const SpecialNumberConditions& c = load.conditions;
    EXPECT_TRUE(c.parity.enabled);
    EXPECT_EQ(c.parity.choice, 1);
    EXPECT_TRUE(c.zone.tolerant);
    EXPECT_FALSE(c.primality.enabled);
    EXPECT_EQ(c.values[4].allowed, (std::vector<int32_t>{10, 20, 150}));
    EXPECT_EQ(c.means[0].from, 2.5);
    EXPECT_EQ(c.means[0].to, 8.0);
    EXPECT_EQ(c.means[4].from, std::nullopt);
    EXPECT_EQ(c.means[4].to, 7.25);
    EXPECT_EQ(c.totalTo, 1);
    EXPECT_EQ(c.custom.count(), 1);
    EXPECT_TRUE(c == saved) << "every field round-trips";
    EXPECT_EQ(encodeSpecialNumberConditions(c), bytes);

    EXPECT_EQ(int32At(bytes, at(1, 213)), 1);  // the choice in small[1]
    EXPECT_EQ(float64At(bytes, at(9, 8417)), 2.5);
    EXPECT_EQ(int32At(bytes, at(14, 205)), -1);
    EXPECT_EQ(int32At(bytes, at(14, 217)), 1);
}

TEST(SecondaryConditionFile, ShortAndOverfullFiles) {
    const SecondaryConditionLoad empty = decodeSecondaryConditions("abc", 16);
    EXPECT_EQ(empty.records, 0);
    for (int n = 1; n <= 16; ++n) EXPECT_TRUE(empty.conditions.selectable[n]);
    EXPECT_EQ(empty.conditions.totalFrom, 0);
    EXPECT_EQ(empty.conditions.totalTo, 3);

    std::string bytes = zeroRecords(200);
    putInt32(bytes, at(150, 201), 51);
    for (int r = 151; r <= 200; ++r) bytes[at(r, 0)] = 'f';
    const SecondaryConditionLoad load = decodeSecondaryConditions(bytes, 16);
    EXPECT_EQ(load.conditions.custom.count(), 50);
    EXPECT_EQ(load.notes, (std::vector<std::string>{"条件文件中的自定义指标条件超过50注，只载入了前50注"}));

    TempFolder home;
    EXPECT_EQ(loadSpecialNumberConditions(home.file("x.lzh")).status.message, "无法读取文件：" + home.file("x.lzh"));
    EXPECT_FALSE(loadSecondaryConditions(home.file("x.fzh"), 16).status);
}

// ---------------------------------------------------------------------------------------------
// The snapshot ring and the fixed files.

MainConditions runConditions(int run) {
    MainConditions c = resetConditions(kN);
    c.rows[25] = {true, {run}, false, {}, {}};
    return c;
}

int32_t restoredRun(const MainConditionLoad& load) { return load.conditions.rows[25].allowed.at(0); }

TEST(SnapshotRing, StartsEmpty) {
    const tjlq ring;
    EXPECT_EQ(ring.oldest, -1);
    EXPECT_EQ(ring.current, -1);
    EXPECT_EQ(ring.count, 0);
}

TEST(SnapshotRing, AdvanceMovesThroughFiveSlots) {
    tjlq ring;
    struct Step {
        int slot, oldest, count;
    } steps[] = {{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {3, 0, 3}, {4, 0, 4}, {0, 1, 4}, {1, 2, 4}};
    for (const Step& s : steps) {
        EXPECT_EQ(ring.advance(), s.slot);
        EXPECT_EQ(ring.current, s.slot);
        EXPECT_EQ(ring.oldest, s.oldest);
        EXPECT_EQ(ring.count, s.count);
    }
    tjlq back;
    back.current = 0;
    back.count = 1;
    EXPECT_EQ(back.stepBack(), 4) << "from 0 to 4";
    EXPECT_EQ(back.stepBack(), -1);
    EXPECT_EQ(back.current, 4);
}

TEST(SnapshotRing, TwoRunsThenStepBackRestoresTheFirst) {
    TempFolder home;
    tjlq ring;
    ASSERT_TRUE(advanceSnapshot(ring, home.path(), runConditions(1), kN));
    ASSERT_TRUE(advanceSnapshot(ring, home.path(), runConditions(2), kN));
    EXPECT_EQ(test::fileSize(home.file("hfset0.zh")), 11828674);
    EXPECT_EQ(test::fileSize(home.file("hfset1.zh")), 11828674);

    const MainConditions current = runConditions(2);
    const MainConditionLoad first = stepBackSnapshot(ring, home.path(), kN, current);
    ASSERT_TRUE(first.status) << first.status.message;
    EXPECT_EQ(restoredRun(first), 1);

    for (int attempt = 0; attempt < 2; ++attempt) {
        const MainConditionLoad none = stepBackSnapshot(ring, home.path(), kN, current);
        EXPECT_FALSE(none.status);
        EXPECT_EQ(none.status.message, "没有过滤条件可供恢复");
        EXPECT_EQ(ring.current, 0);
        EXPECT_EQ(ring.count, 0);
    }
}

TEST(SnapshotRing, SixRunsAllowFourStepBacks) {
    TempFolder home;
    tjlq ring;
    for (int run = 1; run <= 6; ++run) ASSERT_TRUE(advanceSnapshot(ring, home.path(), runConditions(run), kN));
    EXPECT_EQ(restoredRun(loadMainConditions(home.file("hfset0.zh"), kN)), 6) << "run 6 overwrote run 1";
    const MainConditions current = runConditions(6);
    for (int expected = 5; expected >= 2; --expected) {
        const MainConditionLoad load = stepBackSnapshot(ring, home.path(), kN, current);
        ASSERT_TRUE(load.status) << expected;
        EXPECT_EQ(restoredRun(load), expected);
    }
    EXPECT_EQ(stepBackSnapshot(ring, home.path(), kN, current).status.message, "没有过滤条件可供恢复");
}

TEST(SnapshotRing, MissingSnapshotFile) {
    TempFolder home;
    tjlq ring;
    advanceSnapshot(ring, home.path(), runConditions(1), kN);
    advanceSnapshot(ring, home.path(), runConditions(2), kN);
    std::remove(home.file("hfset0.zh").c_str());
    const MainConditionLoad load = stepBackSnapshot(ring, home.path(), kN, runConditions(2));
    EXPECT_FALSE(load.status);
    EXPECT_EQ(load.status.message, "恢复上一次过滤条件的相关文件不存在");
}

TEST(FixedConditionFiles, RegularConditions) {
    TempFolder home;
    const MainConditions current = runConditions(9);
    const MainConditionLoad missing = loadRegularConditions(home.path(), kN, current);
    EXPECT_FALSE(missing.status);
    EXPECT_EQ(missing.status.message, "常规过滤条件的文件不存在，请先设置好常用的过滤条件，再覆盖常规过滤条件");

    ASSERT_TRUE(overwriteRegularConditions(home.path(), richConditions(), kN));
    EXPECT_EQ(test::fileSize(home.file("save/cgset.zh")), 11828674);
    const MainConditionLoad load = loadRegularConditions(home.path(), kN, current);
    ASSERT_TRUE(load.status);
    expectSameConditions(load.conditions, richConditions());
}

TEST(FixedConditionFiles, ExitStepWritesExitsetAndRemovesSnapshots) {
    TempFolder home;
    const MainConditions current = runConditions(3);
    EXPECT_EQ(loadExitConditions(home.path(), kN, current).status.message,
              "你是第一次使用，上次退出前的过滤条件的文件并不存在");

    tjlq ring;
    for (int run = 1; run <= 5; ++run) advanceSnapshot(ring, home.path(), runConditions(run), kN);
    test::writeFile(home.file("hfset9.zh"), "other");
    ASSERT_TRUE(saveConditionsAtExit(home.path(), current, kN));
    for (int slot = 0; slot < 5; ++slot) EXPECT_EQ(test::fileSize(home.file(snapshotPath("", slot))), -1) << slot;
    EXPECT_EQ(test::fileSize(home.file("hfset9.zh")), 5);
    EXPECT_EQ(test::fileSize(home.file("exitset.zh")), 11828674);

    const MainConditionLoad load = loadExitConditions(home.path(), kN, resetConditions(kN));
    ASSERT_TRUE(load.status);
    EXPECT_EQ(restoredRun(load), 3);
}

TEST(FixedConditionFiles, SnapshotPathsAndSaveDialogExtensions) {
    EXPECT_EQ(snapshotPath("/p/", 3), "/p/hfset3.zh");
    struct Case {
        const char* chosen;
        const char* extension;
        const char* written;
    } cases[] = {
        {"/s/mine", ".zh", "/s/mine.zh"},
        {"/s/mine.zh", ".zh", "/s/mine.zh"},
        {"/s/mine.zh.old", ".zh", "/s/mine.zh.old"},
        {"/s/a.zhx", ".zh", "/s/a.zhx"},
        {"/s/a.fzh", ".zh", "/s/a.fzh.zh"},
        {"/s/b", ".fzh", "/s/b.fzh"},
        {"/s/b.fzh", ".fzh", "/s/b.fzh"},
        {"/s/c.zh", ".lzh", "/s/c.zh.lzh"},
        {"/s/c.ZH", ".zh", "/s/c.ZH.zh"},
    };
    for (const Case& c : cases) EXPECT_EQ(withConditionExtension(c.chosen, c.extension), c.written) << c.chosen;
}

}  // namespace
}  // namespace lottodesk

#pragma once
// Condition files: the main-zone conditions (".zh", also "save/cgset.zh", "exitset.zh" and the
// snapshot files), the secondary-zone conditions (".fzh") and the special-number conditions
// (".lzh"), each a plain sequence of `tcondrec` records with no header.
//
// tcondrec, 8437 bytes, little-endian, fields in file order:
//   off   size  field
//      0   201  text      formula of a custom-indicator condition, GBK, zero-terminated, <= 200 bytes
//    201     4  count     int32 entry count (the custom-indicator group records)
//    205     4  enabled   int32 flag (-1 on, 0 off)
//    209   200  small     int32[0..49]: number flags, choices, from/to, number or digit groups
//    409     4  k         int32 number of allowed values (0..2001)
//    413  8004  values    int32[1..2001] the allowed values in the order of the set
//   8417     8  from      float64: a range's lower end, or a self-set/tail group's entry count
//   8425     8  to        float64: a range's upper end, or a tail condition's count-once flag
//   8433     4  tolerant  int32 flag ("容错")
//
// Writers store true as -1; readers take any non-zero flag as true. Loading never fails on the
// content: a short file leaves the conditions of its missing records in the reset state, k is cut
// to 2001, a group count is cut to the list's capacity (with a note for the caller) and to the
// entry records the file has, and values outside a row's offered range are kept as data.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conditions.h"
#include "core/fileio.h"
#include "core/status.h"
#include "secondaryconditions.h"

namespace lottodesk {

constexpr size_t kCondRecordSize = 8437;
constexpr int kCondValues = 2001;
constexpr int kCondSmall = 50;
constexpr size_t kCondTextBytes = 200;  // text bytes before the terminating zero

constexpr int kMainConditionRecords = 1402;
constexpr int kSecondaryConditionRecords = 200;
// The refusal of a file too long for the other zone's conditions (a main zone's ".zh"); the path follows.
inline constexpr const char* kWrongConditionFileMessage = "这不是副区或特别号的过滤条件文件（文件太长，可能是主区的条件文件）：";

// Record numbers of the main-zone file (1-based; rows 1..133 are the catalogue).
constexpr int kCustomGroupRecord = 500;  // entries 501..900
constexpr int kSelectableRecord = 940;
constexpr int kFixedRecord = 941;
constexpr int kNoPastDrawsRecord = 942;
constexpr int kNoEqualSpacingRecord = 943;
constexpr int kNoSpecialRunsRecord = 944;
constexpr int kTotalToleranceRecord = 945;
constexpr int kSelfSetGroupRecord = 951;  // also entry 1; entries 951..1350
constexpr int kTailGroupRecord = 1351;    // also entry 1; entries 1351..1400
// The secondary-zone and special-number files.
constexpr int kSecondaryTotalRecord = 9;
constexpr int kSecondarySelectableRecord = 10;
constexpr int kSecondaryFixedRecord = 11;
constexpr int kSpecialTotalRecord = 14;
constexpr int kZoneCustomGroupRecord = 150;  // entries 151..200

struct tcondrec {
    std::array<char, kCondTextBytes + 1> text{};  // GBK bytes as stored
    int32_t count = 0;
    int32_t enabled = 0;
    std::array<int32_t, kCondSmall> small{};
    int32_t k = 0;
    std::array<int32_t, kCondValues> values{};
    double from = 0.0;
    double to = 0.0;
    int32_t tolerant = 0;
};

constexpr int32_t condFlag(bool on) { return on ? -1 : 0; }

// The 8437 bytes of a record.
std::string encodeCondRecord(const tcondrec& record);
// Reads the first 8437 bytes of `bytes`; a shorter input gives the zero record. Fields are taken
// as stored (k is not cut here).
tcondrec decodeCondRecord(std::string_view bytes);

// The formula text as UTF-8: the stored bytes up to the first zero, cut at 200 bytes (at a GBK
// character boundary) when the zero is missing.
std::string condRecordFormula(const tcondrec& record);
// Stores `utf8` as GBK, cut at a character boundary to 200 bytes, zero-filled after it.
void setCondRecordFormula(tcondrec& record, std::string_view utf8);
// The first k values, k cut to 0..2001.
std::vector<int32_t> condRecordValues(const tcondrec& record);

// ---------------------------------------------------------------------------------------------
// Main-zone files. `zh_to` is the current game's highest main number (the selectable and fixed
// numbers are stored and read for 1..zh_to).

// The 1402 records (11,828,674 bytes). Catalogue rows carry their enabled flag always and their
// set (rows 34, 35: from and to) and tolerance only when enabled; the groups carry their enabled
// flag and count always, and their entries (those the lists hold; the rest are zero records).
std::string encodeMainConditions(const MainConditions& conditions, int zh_to);

struct MainConditionLoad {
    Status status;                   // failure: the file could not be read (message names it)
    MainConditions conditions;       // the loaded conditions when status is ok
    int records = 0;                 // whole records found (at most 1402)
    bool truncated = false;          // fewer records than the format holds (a note says so)
    std::vector<std::string> notes;  // group counts that were cut and a truncated file, for the user
};

// Resets (keeping the two exclusions of `current` when given, as "重置" does), then applies the
// whole records of `bytes`, at most 1402; never fails.
MainConditionLoad decodeMainConditions(std::string_view bytes, int zh_to, const MainConditions* current = nullptr);

// The saves replace the file atomically: on failure the previous file is untouched and the message
// names the file and the reason. `layer` is for tests that inject faults.
Status saveMainConditions(const std::string& path, const MainConditions& conditions, int zh_to,
                          const FileLayer& layer = FileLayer{});
// Reads at most 1402 records of the file, whatever its size. A missing or unreadable file is a
// failure with the message "无法读取文件：" + path.
MainConditionLoad loadMainConditions(const std::string& path, int zh_to, const MainConditions* current = nullptr);

// ---------------------------------------------------------------------------------------------
// Secondary-zone (".fzh") and special-number (".lzh") files: 200 records (1,687,400 bytes). Rows
// carry all their fields; `spec_to` is the current game's highest secondary number.

std::string encodeSecondaryConditions(const SecondaryConditions& conditions, int spec_to);
std::string encodeSpecialNumberConditions(const SpecialNumberConditions& conditions);

template <typename Conditions>
struct ZoneConditionLoad {
    Status status;
    Conditions conditions;
    int records = 0;
    bool truncated = false;
    std::vector<std::string> notes;
};
using SecondaryConditionLoad = ZoneConditionLoad<SecondaryConditions>;
using SpecialNumberConditionLoad = ZoneConditionLoad<SpecialNumberConditions>;

SecondaryConditionLoad decodeSecondaryConditions(std::string_view bytes, int spec_to);
SpecialNumberConditionLoad decodeSpecialNumberConditions(std::string_view bytes);

Status saveSecondaryConditions(const std::string& path, const SecondaryConditions& conditions, int spec_to,
                               const FileLayer& layer = FileLayer{});
SecondaryConditionLoad loadSecondaryConditions(const std::string& path, int spec_to);
Status saveSpecialNumberConditions(const std::string& path, const SpecialNumberConditions& conditions,
                                   const FileLayer& layer = FileLayer{});
SpecialNumberConditionLoad loadSpecialNumberConditions(const std::string& path);

// The note of a file with fewer records than its kind holds.
std::string truncatedFileNote(int records, int expected);

// The notes of a cut group count.
std::string customCountCutNote(int capacity);  // "条件文件中的自定义指标条件超过400注，只载入了前400注"
std::string selfSetCountCutNote();             // "条件文件中的自设条件超过400注，只载入了前400注"
std::string tailCountCutNote();                // "条件文件中的尾数条件超过50注，只载入了前50注"

}  // namespace lottodesk

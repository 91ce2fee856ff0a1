#pragma once
// Lottery types: the 21-entry table `cpstyles`, its file "database/cps.typ" and the current game
// parameters derived from the current entry.
//
// cps.typ: 21 records of 162 bytes, no header, record i = type i. GBK text, bytes unsigned.
//   off  width  field
//     0      1  startcp    same value in every record; only record 0's byte is read
//     1     51  cpmm       length byte 0..50 + 50 text bytes (zero after the text)
//    52      1  zhgs       count of main numbers
//    53      1  zh_from    lowest main number
//    54      1  zh_to      highest main number
//    55      1  fhgs       count of secondary numbers
//    56      1  spec_from  lowest secondary number
//    57      1  spec_to    highest secondary number
//    58      1  hasspec    1 = has a secondary zone
//    59      1  ltorsz     1 = lotto type, 0 = digit type
//    60     51  zhname     main-number label
//   111     51  specname   secondary-number label

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "status.h"

namespace lottodesk {

constexpr int kTypeCount = 21;
constexpr size_t kTypeRecordSize = 162;
constexpr size_t kTypeTextBytes = 50;

struct tcpstyle {
    std::string cpmm;  // UTF-8
    uint8_t zhgs = 6;
    uint8_t zh_from = 1;
    uint8_t zh_to = 33;
    uint8_t fhgs = 1;
    uint8_t spec_from = 1;
    uint8_t spec_to = 16;
    uint8_t hasspec = 1;
    uint8_t ltorsz = 1;
    std::string zhname;    // UTF-8
    std::string specname;  // UTF-8

    bool operator==(const tcpstyle&) const = default;
};

struct TypeTable {
    std::array<tcpstyle, kTypeCount> cpstyles;
    uint8_t startcp = 0;
};

// "自定义彩种" + index: a 6-of-1..33 game with one secondary number of 1..16, no labels.
tcpstyle defaultType(int index);
TypeTable defaultTypeTable();

// The text as the type file keeps it: at most 50 GBK bytes, cut at a character boundary.
std::string fitTypeText(const std::string& utf8);

// One 162-byte record. Texts longer than 50 GBK bytes are cut at a character boundary.
std::string encodeTypeRecord(const tcpstyle& type, uint8_t startcp);
// Reads a record of at least 162 bytes; a length byte above 50 is taken as 50.
tcpstyle decodeTypeRecord(std::string_view record);

std::string encodeTypeTable(const TypeTable& table);

struct TypeTableLoad {
    TypeTable table;
    int recordsRead = 0;   // whole records found in the file (21 when complete)
    bool created = false;  // the file was missing and was written with the defaults
    std::string message;   // set when the file was incomplete, unreadable or could not be created,
                           // or held values out of range (one line per type)
};

// Loads "cps.typ", creating it with the defaults when it does not exist. A short or unreadable
// file keeps the records it has; the rest are defaults, and the file is left as it is. Values a
// game cannot have (fitType) are brought into range, with a message naming the type; the file is
// rewritten only when the user confirms a change.
TypeTableLoad loadTypeTable(const std::string& path);

// Brings a type into the shapes the program handles: 1..7 main and 0..7 secondary numbers,
// ranges within 0..49 that go upwards and hold at least as many numbers as are drawn, flags 0 or
// 1. Returns the names of the fields it changed, "" when the type was sound.
std::string fitType(tcpstyle& type);

// Rewrites the whole file (all 21 records, startcp in each).
Status saveTypeTable(const std::string& path, const TypeTable& table);

// The zone labels of the type that is becoming current, computed from its name.
void applyZoneLabels(tcpstyle& type);

// Current game parameters: what every part of the system reads about the game's shape.
struct GameParams {
    int zhgs = 6;
    int zh_from = 1;
    int zh_to = 33;
    int fhgs = 1;
    int spec_from = 1;
    int spec_to = 16;
    bool hasspec = true;

    bool operator==(const GameParams&) const = default;
};

// What every path that adds a draw checks it against: the game's shape and the zone labels the
// messages name.
struct DrawRules {
    GameParams game;
    std::string zhname = "主号";
    std::string specname = "副号";
};

// At start-up the entry's bytes are taken as they are.
GameParams startupGameParams(const tcpstyle& type);
// On a type switch a type without a secondary zone gets fhgs 0.
GameParams switchedGameParams(const tcpstyle& type);

}  // namespace lottodesk

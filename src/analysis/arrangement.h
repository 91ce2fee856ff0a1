#pragma once
// The row/column pattern page ("行列式"): the numbers placed on a grid of R rows and C columns
// (the arrangement), each period drawn as such a grid with its drawn numbers lit, and the filter
// conditions and assistant series built from rows and columns. Arrangements are kept in ".jz"
// files; the page's list is "save/hnssort.txt": "常规行列式" and ten built-in slots
// ("save/inthns<k>.jz").

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "core/randomsource.h"
#include "core/s_dm.h"
#include "core/status.h"
#include "core/workspace.h"

namespace lottodesk {

inline constexpr uint8_t kEmptyCell = 99;  // "空": a cell no number lights
inline constexpr int kArrangementCells = 100;
inline constexpr const char* kRegularArrangementName = "常规行列式";
inline constexpr const char* kCustomArrangementName = "自定义行列式";
inline constexpr const char* kArrangementListFile = "save/hnssort.txt";
inline constexpr int kBuiltinArrangements = 10;

struct Arrangement {
    std::string name = kRegularArrangementName;
    int columns = 6;  // C
    int rows = 6;     // R
    std::array<uint8_t, kArrangementCells> cells = regularArrangement();

    // The cells in use: R x C, at most 100.
    int used() const;
    bool operator==(const Arrangement&) const = default;
};

// The regular arrangement of the size: position p holds p + 1, or p in tail mode (digits 0, 1, ..).
Arrangement regularOf(int columns, int rows, bool tails = false);

// ".jz": the name, C, R, then the cells (two digits and a blank each, a row per line). Reading
// takes whitespace-separated integers into the cells until the end or 100 values; a value that is
// not a number 0..99 is refused with a message naming it, as are sizes outside 1..33.
struct ArrangementRead {
    Status status;
    Arrangement arrangement;
};
ArrangementRead parseArrangement(std::string_view text);
std::string arrangementText(const Arrangement& arrangement);
ArrangementRead loadArrangement(const std::string& path);
Status saveArrangement(const std::string& path, const Arrangement& arrangement);

// The page's list: "常规行列式" then the names of the ten built-in slots. A missing list file is
// created ("内置行列式1" ..), and so is a missing built-in file, with the arrangements that come
// with the program.
std::vector<std::string> loadArrangementList(const std::string& programFolder);
Status saveArrangementList(const std::string& programFolder, const std::vector<std::string>& names);
std::string builtinArrangementPath(const std::string& programFolder, int slot);  // slot 1..10
std::vector<Arrangement> builtinArrangements();

// "产生随机顺序": the regular values of the size shuffled over the R x C cells (Fisher–Yates),
// named "随机行列式".
Arrangement randomOrder(int columns, int rows, RandomSource& random);

// One period on the grid.
enum class PatternZone : uint8_t { Main, Secondary, Both };  // "红号", "蓝号", "红蓝号"
struct PatternGrid {
    std::bitset<kArrangementCells> lit;
    std::vector<bool> emptyRows;     // per row: no lit cell
    std::vector<bool> emptyColumns;  // per column
};
// The cells of the drawn numbers of `zone` (in tail mode the cell of each number's last digit).
PatternGrid patternGrid(const Arrangement& arrangement, const int32_t* record, const GameParams& game, PatternZone zone,
                        bool tails);

// ---- "行列式出号个数过滤设置" -------------------------------------------------------------------

// The numbers (or digits) at every cell of the ticked rows and columns, ascending, without "空".
std::vector<int32_t> groupOf(const Arrangement& arrangement, const std::vector<int>& rows,
                             const std::vector<int>& columns);
// The n in 0..most whose decimal text occurs in `text` ("0 3" allows 0 and 3).
std::vector<int32_t> countsIn(const std::string& text, int most);
// The assistant's series: per record (values[n], n = 1..count) the main numbers in the group, or
// in tail mode those whose last digit is in it (each tail at most once with `onceOnly`).
std::vector<int32_t> groupCountSeries(const t_s_dm& history, const GameParams& game, const std::vector<int32_t>& group,
                                      bool tails, bool onceOnly);
// "行：1,2, 列：3, 的奖号出现个数走势图（过滤助手）" and the tail-mode forms.
std::string groupCaption(const std::vector<int>& rows, const std::vector<int>& columns, bool tails, bool onceOnly);

// ---- "空行空列过滤设置", "行列形态过滤设置" -------------------------------------------------------

// k: 0 rows, 1 columns, 2 both.
std::string emptyLinesIdentifier(int k, int columns, int rows);
std::string lineShapeIdentifier(int k, int columns, int rows);
// The digits 0..9 whose text occurs in `text`.
std::vector<int32_t> digitsIn(const std::string& text);
// The identifier's values per record (values[n]) on `arrangement`.
std::vector<int32_t> arrangementSeries(const Workspace& ws, const std::array<uint8_t, kArrangementCells>& cells,
                                       const std::string& identifier);

}  // namespace lottodesk

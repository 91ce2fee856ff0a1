#pragma once
// The pages of the trend analysis that look at several indicators at once or at extended ones:
// the identifiers they compose ("扩展系列一/二", "指标组合", "形态走势"/"形态图表"), their
// common-combination files ("save/zbzhfx.txt", "save/zbzhxt.txt") and the indicator mosaic
// ("指标拼图", ".zbz" files, "database/zbzh.zbz"). The identifiers themselves are computed by
// the indicator registry; this only composes them and reads and writes the lists.

#include <cstdint>
#include <string>
#include <vector>

#include "core/status.h"
#include "core/workspace.h"

namespace lottodesk {

// ---- Extended series -------------------------------------------------------------------------

enum class ExtendedSeriesKind : uint8_t {
    Count,           // "次数相关："       c_lwr_P_L_U
    Similar,         // "类似性相关："     c_same_0_P_S
    Omission,        // "遗漏值相关："     c_ylz_style_A_B
    Skip,            // "隔期出号相关："   c_gqch_style_A_B
    Zone,            // "分区相关："       c_fq_style_K_Z
    Remainder,       // "余数相关："       c_ys_style_M_R
    Difference,      // "差值相关："       c_cz_D
    Sum,             // "和值相关："       c_hz_S
    PrevDifference,  // "与上期差值相关：" c_xw_cz_D
    PrevSum,         // "与上期和值相关：" c_xw_hz_S
    SameSpot,        // "同位遗传相关："   c_twyc_style_T_G ("扩展系列二")
};

struct ExtendedParameter {
    const char* label;
    int32_t fallback;  // the default
    int32_t lo;
    int32_t hi;
};

struct ExtendedSeriesKindInfo {
    ExtendedSeriesKind kind;
    const char* caption;  // the radio button
    bool styled;          // "求奖号个数" (0) / "求奖号和值" (1) applies
    std::vector<ExtendedParameter> parameters;
};

// Every kind in the order of the pages ("扩展系列一" holds all but the last).
const std::vector<ExtendedSeriesKindInfo>& extendedKinds();
const ExtendedSeriesKindInfo& extendedKind(ExtendedSeriesKind kind);
// The identifier of `kind` with `style` (ignored unless styled) and the parameter values in order.
std::string extendedIdentifier(ExtendedSeriesKind kind, int style, const std::vector<int32_t>& values);
// "同位遗传相关："'s "类型" list.
const std::vector<std::string>& sameSpotTypes();

// ---- Indicator combination ("指标组合") ------------------------------------------------------

// "要分析的特征" in list order (30 entries).
const std::vector<std::string>& combinationFeatures();
// "getzb(c_zhfx:I1|I2|..:f)" over the boxes taken in order up to the first empty one; the empty
// text when box 1 is empty. A feature outside the list counts as the first.
std::string combinationFeatureIdentifier(const std::vector<std::string>& boxes, int feature);

// ---- Combination patterns ("形态走势", "形态图表") ---------------------------------------------

// The pattern types 0..13 and "更多组合指标" (t = 14 + position).
const std::vector<std::string>& patternTypes();
const std::vector<std::string>& morePatternMeasures();
// "c_2zbzh:I1|I2:t" or "c_3zbzh:I1|I2|I3:t" (two or three indicators).
std::string patternIdentifier(const std::vector<std::string>& indicators, int type);
// The lines of the pattern value dialog ("形态取值"): value + "=  " + name, every value of the type.
std::vector<std::string> patternValueLines(int indicatorCount, int type);
// "形态图表": "期数", "开奖号", the two or three indicators, then the pattern name of every type
// 0..13 ("单选奇偶" ..), a row per record of firstRecord..lastRecord. An indicator that fails
// stops the table with "公式有误:" + the evaluator's text.
struct ComboTable;
ComboTable patternTable(const Workspace& ws, const std::vector<std::string>& indicators, int firstRecord,
                        int lastRecord);

// ---- Common combinations ---------------------------------------------------------------------

inline constexpr const char* kCombinationFeatureFile = "save/zbzhfx.txt";
inline constexpr const char* kCombinationPatternFile = "save/zbzhxt.txt";

struct CommonCombination {
    std::string name;
    std::vector<std::string> indicators;
    bool operator==(const CommonCombination&) const = default;
};

// One entry per non-empty line: a name, then the identifiers, separated by blanks.
std::vector<CommonCombination> parseCommonCombinations(std::string_view text);
std::string commonCombinationsText(const std::vector<CommonCombination>& entries);
// Reads the file; a missing one is created holding `fallback` (the message when that fails, the
// list empty).
struct CommonCombinationLoad {
    Status status;
    std::vector<CommonCombination> entries;
};
CommonCombinationLoad loadCommonCombinations(const std::string& path, const std::vector<CommonCombination>& fallback);
// What a new program folder starts with: tails and numbers of neighbouring positions.
std::vector<CommonCombination> defaultFeatureCombinations();
std::vector<CommonCombination> defaultPatternCombinations();
Status saveCommonCombinations(const std::string& path, const std::vector<CommonCombination>& entries);
// The indicators of a loaded entry fill the boxes in order: at most `boxes` of them.
std::vector<std::string> boxesOf(const CommonCombination& entry, int boxes);

// ---- Indicator mosaic ("指标拼图") -------------------------------------------------------------

inline constexpr const char* kDefaultMosaicFile = "database/zbzh.zbz";

struct MosaicEntry {
    std::string formula;  // empty: a caption-only entry
    std::string caption;
    bool operator==(const MosaicEntry&) const = default;
};

// A line: formula, one blank, caption; a line beginning with a blank is a caption only; a line
// without a blank is both. Empty lines carry no entry.
MosaicEntry parseMosaicLine(std::string_view line);
std::string mosaicLine(const MosaicEntry& entry);
std::vector<MosaicEntry> parseMosaic(std::string_view text);
std::string mosaicText(const std::vector<MosaicEntry>& entries);
struct MosaicLoad {
    Status status;
    std::vector<MosaicEntry> entries;
};
// Reads the file; with `createMissing` a missing file is first written with defaultMosaic().
MosaicLoad loadMosaic(const std::string& path, bool createMissing = false);
Status saveMosaic(const std::string& path, const std::vector<MosaicEntry>& entries);
// The list that comes with an installation.
std::vector<MosaicEntry> defaultMosaic();

// A table of texts as the combination pages show it.
struct ComboTable {
    Status status;  // the evaluation that stopped the table, if one did
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// The mosaic: "期数", "开奖号", then one column per entry; a row per record of firstRecord..
// lastRecord; each cell the formula's value there, empty for a caption-only entry, "公式有误:" +
// the evaluator's text where it fails.
ComboTable mosaicTable(const Workspace& ws, const std::vector<MosaicEntry>& entries, int firstRecord, int lastRecord);

}  // namespace lottodesk

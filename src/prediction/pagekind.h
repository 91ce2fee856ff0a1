#pragma once
// The six pages of the fix-and-kill window. A page kind fixes the zone it judges, its verdict rule,
// its scheme size, its file and the captions of its back-test table.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cpstyle.h"

namespace lottodesk {

enum class PageKind : uint8_t {
    hmsh,    // "红码杀号": kill main numbers
    lmsh,    // "蓝码杀号": kill secondary numbers
    hmtd,    // "红码定胆": fix main numbers
    fqtd,    // "副区定胆": fix secondary numbers
    hmsw,    // "红码杀尾": kill last digits of the main numbers
    selfsh,  // "自定义杀号": kill values of a chosen indicator
};

inline constexpr int kPageKindCount = 6;
inline constexpr int kSchemeCount = 10;  // "方案一" .. "方案十"

// How a formula's value is judged against a draw.
enum class Verdict : uint8_t {
    Kill,        // right when the value is not among the zone's numbers
    Fix,         // right when the value is among the zone's numbers
    TailKill,    // right when its decimal text does not occur in the main numbers' last digits
    CustomKill,  // right when it differs from the target's value
};

struct PageKindInfo {
    PageKind kind;
    const char* code;     // file names, the CLI and the search's kind code
    const char* caption;  // page caption
    int slots;            // formula slots per scheme
    int defaultCount;     // default of the formula-count list
    Verdict verdict;
    bool secondaryZone;  // judges the secondary numbers
};

const PageKindInfo& pageKindInfo(PageKind kind);
std::optional<PageKind> pageKindFromCode(std::string_view code);
const std::vector<PageKind>& allPageKinds();
// The kinds that have a scheme file ("save/<code><type>.txt"); selfsh keeps its schemes in .scs files.
bool hasSchemeFile(PageKind kind);

// "方案一" .. "方案十" (index 0..9).
const char* schemeName(int index);

// Which pages the window shows for a game with `fhgs` secondary numbers: none of the secondary
// pages without secondary numbers, the secondary kill with one, both with two or more.
bool pageShown(PageKind kind, int fhgs);

// The lowest and highest value the page's memo and forecast take as a number: the zone's range,
// 0..9 for tails, 0..999 for the custom kill.
struct NumberRange {
    int low;
    int high;
};
NumberRange forecastRange(PageKind kind, const GameParams& game);

}  // namespace lottodesk

#pragma once
// The built-in catalogue of indicators and derived formulas that the user picks from instead of
// typing: nine series of entries, each a code (an identifier or a formula, without blanks) and a
// Chinese name. The catalogue is fixed data: it does not follow the lottery type and always covers
// the six main positions z_num1..z_num6 and the fifteen line pairs among them. Its names are its
// own texts and differ in places from the registry's display names.

#include <string>
#include <string_view>
#include <vector>

namespace lottodesk {

struct CatalogueEntry {
    std::string code;
    std::string name;

    bool operator==(const CatalogueEntry&) const = default;
};

struct CatalogueSeries {
    std::string caption;
    std::vector<CatalogueEntry> entries;
};

// The nine series of the indicator management window, in page order: "常规系列" (62 entries),
// "和值系列" (27), "振幅系列" (106), "遗漏系列" (113), "遗漏振幅" (113), "振幅遗漏" (106),
// "线和线差" (30), "尾数系列" (85), "蓝号系列" (21).
const std::vector<CatalogueSeries>& indicatorCatalogue();

// The formula input dialog's variant, series for series in the same order as indicatorCatalogue():
// the first is "常规" (51 entries: positions, tails, shape, counts, runs, gaps, other counts, three
// zones, remainder counts, then f_num1), and a few identifiers are replaced by the equivalent
// function forms ("getzf(z_pd)" for z_pdzf, "getylzzf(z_num1)" for z_num1ylzf, ...).
const std::vector<CatalogueSeries>& formulaDialogCatalogue();

// The dialog's page "运算符及函数": the eleven operators and eight functions it offers.
const CatalogueSeries& formulaOperatorPage();

// The captions of the formula input dialog's pages, in the dialog's page order: "常规",
// "和值系列", "振幅系列", "遗漏系列", "线和线差", "运算符及函数", "保存的自定义指标", "遗漏振幅",
// "振幅遗漏", "蓝号系列", "尾数系列".
const std::vector<std::string>& formulaDialogPageCaptions();

// One list line: the code, then blanks so that the name starts at character `nameColumn`
// (0-based; at least one blank when the code is that long or longer), then the name.
std::string catalogueLine(const CatalogueEntry& entry, int nameColumn);

// The name column that lines up the names of `series` one blank-pair after its longest code.
int catalogueNameColumn(const CatalogueSeries& series);

// Splits a list line at its first blank: the code is the text before it, the name the rest with
// leading and trailing blanks removed. A line without a blank is a code with an empty name.
CatalogueEntry splitCatalogueLine(std::string_view line);

}  // namespace lottodesk

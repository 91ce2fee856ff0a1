#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "indicators/catalogue.h"
#include "indicators/comboindicators.h"

namespace lottodesk {
namespace {

const CatalogueSeries& series(const std::vector<CatalogueSeries>& all, const std::string& caption) {
    for (const CatalogueSeries& s : all)
        if (s.caption == caption) return s;
    ADD_FAILURE() << "no series " << caption;
    static const CatalogueSeries none;
    return none;
}

std::vector<std::string> namesOf(const CatalogueSeries& s, const std::string& code) {
    std::vector<std::string> names;
    for (const CatalogueEntry& e : s.entries)
        if (e.code == code) names.push_back(e.name);
    return names;
}

TEST(Catalogue, NineSeriesInPageOrderWithTheirSizes) {
    const auto& all = indicatorCatalogue();
    const std::pair<const char*, size_t> expected[] = {{"常规系列", 62},  {"和值系列", 27},  {"振幅系列", 106},
                                                       {"遗漏系列", 113}, {"遗漏振幅", 113}, {"振幅遗漏", 106},
                                                       {"线和线差", 30},  {"尾数系列", 85},  {"蓝号系列", 21}};
    ASSERT_EQ(all.size(), 9u);
    size_t total = 0;
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(all[i].caption, expected[i].first);
        EXPECT_EQ(all[i].entries.size(), expected[i].second) << expected[i].first;
        total += all[i].entries.size();
    }
    EXPECT_EQ(total, 663u);

    const auto& dialog = formulaDialogCatalogue();
    ASSERT_EQ(dialog.size(), 9u);
    EXPECT_EQ(dialog[0].caption, "常规");
    EXPECT_EQ(dialog[0].entries.size(), 51u);
    for (size_t i = 1; i < 9; ++i) {
        EXPECT_EQ(dialog[i].caption, all[i].caption);
        EXPECT_EQ(dialog[i].entries.size(), all[i].entries.size()) << all[i].caption;
    }
}

TEST(Catalogue, FirstAndLastEntriesOfEverySeries) {
    struct Case {
        const char* caption;
        CatalogueEntry first, last;
    } cases[] = {
        {"常规系列", {"z_num1", "红号一"}, {"z_num6%5", "红号六除5余数"}},
        {"和值系列", {"z_hz", "主区和值"}, {"z_dhhe", "大合数和值"}},
        {"振幅系列", {"z_num1zf", "红号一振幅"}, {"getzf(z_2lhe)", "主区2路和值振幅"}},
        {"遗漏系列", {"z_num1yl", "红号一遗漏"}, {"getylz(z_2lhe)", "主区2路和值遗漏值"}},
        {"遗漏振幅", {"z_num1ylzf", "红号一遗漏振幅"}, {"getylzzf(z_2lhe)", "主区2路和值遗漏振幅"}},
        {"振幅遗漏", {"getzfylz(z_num1)", "红号一振幅遗漏"}, {"getzfylz(z_2lhe)", "主区2路和值振幅遗漏"}},
        {"线和线差", {"xh21", "线和2_1"}, {"xc61", "线差6_1"}},
        {"尾数系列", {"z_num1_w", "红号一尾数"}, {"z_2lhe%10", "主区2路和值的尾数"}},
        {"蓝号系列", {"f_num1", "蓝号"}, {"getzf(getylz(f_num1)%10)", "蓝号遗漏值的尾数的振幅"}},
    };
    for (const Case& c : cases) {
        const CatalogueSeries& s = series(indicatorCatalogue(), c.caption);
        ASSERT_FALSE(s.entries.empty()) << c.caption;
        EXPECT_EQ(s.entries.front(), c.first) << c.caption;
        EXPECT_EQ(s.entries.back(), c.last) << c.caption;
    }
}

TEST(Catalogue, SuffixedNamesAndTheNotesOfTheExtremePairs) {
    struct Case {
        const char* caption;
        const char* code;
        const char* name;
    } cases[] = {
        {"振幅系列", "getzf(xh61)", "线和6_1(极和)振幅"},
        {"振幅系列", "getzf(xc61)", "线差6_1(极差)振幅"},
        {"振幅系列", "getzf(xh21)", "线和2_1振幅"},
        {"振幅系列", "getzf(z_c3y0)", "除3余0的号码个数的振幅"},
        {"振幅系列", "getzf(z_num2%4)", "红号二除4余数的振幅"},
        {"振幅系列", "getzf(z_gwgs)", "主区高尾个数振幅"},
        {"振幅系列", "z_sdzf", "主区散度振幅"},
        {"振幅系列", "getzf(z_dxqdshe)", "大小区大数和振幅"},
        {"遗漏系列", "getylz(xh61)", "线和6_1(极和)遗漏值"},
        {"遗漏系列", "getylz(z_3fq_1qgs)", "三分区的一区个数遗漏值"},
        {"遗漏系列", "getylz(z_nmzs)", "主区邻码组数遗漏"},
        {"遗漏系列", "z_num6yl_toall", "红号六不定位遗漏"},
        {"遗漏振幅", "getylzzf(xc61)", "线差6_1(极差)遗漏振幅"},
        {"遗漏振幅", "getzf(z_num3yl_toall)", "红号三不定位遗漏振幅"},
        {"遗漏振幅", "getylzzf(z_gwgs)", "主区高尾个数遗漏振幅"},
        {"振幅遗漏", "getzfylz(xh61)", "线和6_1(极和)振幅遗漏"},
        {"振幅遗漏", "getzfylz(z_aver)", "主区平均值振幅遗漏"},
        {"振幅遗漏", "getzfylz(z_num6_w)", "红号六尾数振幅遗漏"},
        {"线和线差", "xh61", "线和6_1"},
        {"尾数系列", "xh61%10", "线和6_1(极和尾数)"},
        {"尾数系列", "xc61%10", "线差6_1(极差尾数)"},
        {"尾数系列", "xc32%10", "线差3_2尾数"},
        {"尾数系列", "getzf(z_num4yl_toall)%10", "红号四不定位遗漏振幅尾数"},
        {"尾数系列", "getylzzf(z_num5)%10", "红号五遗漏振幅尾数"},
        {"尾数系列", "z_hw", "主区和尾"},
        {"常规系列", "z_c5y4", "除5余4的号码个数"},
        {"常规系列", "z_lwr_rmgs", "热码个数"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(namesOf(series(indicatorCatalogue(), c.caption), c.code), std::vector<std::string>{c.name})
            << c.caption << " " << c.code;
}

TEST(Catalogue, TheGreatestGapFormulaIsOfferedTwiceUnderTwoNames) {
    const CatalogueSeries& omissions = series(indicatorCatalogue(), "遗漏系列");
    EXPECT_EQ(namesOf(omissions, "getylz(z_zdjj)"),
              (std::vector<std::string>{"主区最大邻位间距遗漏", "主区最大间距遗漏值"}));
    // That is the only repeated code there; the two amplitude pages repeat it the same way.
    for (const auto* all : {&indicatorCatalogue(), &formulaDialogCatalogue()}) {
        for (const CatalogueSeries& s : *all) {
            std::map<std::string, int> seen;
            for (const CatalogueEntry& e : s.entries) ++seen[e.code];
            std::vector<std::string> repeated;
            for (const auto& [code, times] : seen)
                if (times > 1) repeated.push_back(code);
            std::vector<std::string> expected;
            if (s.caption == "遗漏系列") expected = {"getylz(z_zdjj)"};
            if (s.caption == "遗漏振幅") expected = {"getylzzf(z_zdjj)"};
            if (s.caption == "振幅遗漏") expected = {"getzfylz(z_zdjj)"};
            EXPECT_EQ(repeated, expected) << s.caption;
        }
    }
}

TEST(Catalogue, TheDialogVariantDiffersOnlyWhereItSaysSo) {
    const auto& base = indicatorCatalogue();
    const auto& dialog = formulaDialogCatalogue();
    std::set<std::pair<std::string, std::string>> replaced;  // (catalogue code, dialog code)
    for (size_t i = 1; i < 9; ++i) {
        for (size_t j = 0; j < base[i].entries.size() && j < dialog[i].entries.size(); ++j) {
            const CatalogueEntry& a = base[i].entries[j];
            const CatalogueEntry& b = dialog[i].entries[j];
            EXPECT_EQ(a.name, b.name) << base[i].caption << " " << j;
            if (a.code != b.code) replaced.insert({a.code, b.code});
        }
    }
    const std::set<std::pair<std::string, std::string>> expected = {
        {"z_pdzf", "getzf(z_pd)"},          {"z_sdzf", "getzf(z_sd)"},          {"z_averzf", "getzf(z_aver)"},
        {"z_hwzf", "getzf(z_hw)"},          {"z_num1ylzf", "getylzzf(z_num1)"}, {"z_num2ylzf", "getylzzf(z_num2)"},
        {"z_num3ylzf", "getylzzf(z_num3)"}, {"z_num4ylzf", "getylzzf(z_num4)"}, {"z_num5ylzf", "getylzzf(z_num5)"},
        {"z_num6ylzf", "getylzzf(z_num6)"}, {"z_pdylzf", "getylzzf(z_pd)"},     {"z_sdylzf", "getylzzf(z_sd)"},
        {"z_averylzf", "getylzzf(z_aver)"}, {"z_hzylzf", "getylzzf(z_hz)"},     {"z_hwylzf", "getylzzf(z_hw)"},
        {"z_whylzf", "getylzzf(z_wh)"},
    };
    EXPECT_EQ(replaced, expected);

    // The first page: positions, tails, shape, counts, ..., remainder counts, then the secondary number.
    const auto& general = dialog[0].entries;
    EXPECT_EQ(general[6], (CatalogueEntry{"z_num1_w", "红号一尾数"}));
    EXPECT_EQ(general[12], (CatalogueEntry{"z_pd", "主区偏度"}));
    EXPECT_EQ(general.back(), (CatalogueEntry{"f_num1", "蓝号"}));
    EXPECT_TRUE(std::none_of(general.begin(), general.end(),
                             [](const CatalogueEntry& e) { return e.code.find('%') != std::string::npos; }));
}

TEST(Catalogue, SingleDrawIdentifiersOfTheListsAreDefined) {
    std::set<std::string> defined;
    for (const IndicatorDef& d : comboIndicatorDefs()) defined.insert(d.id);
    for (const char* caption : {"和值系列", "线和线差"})
        for (const CatalogueEntry& e : series(indicatorCatalogue(), caption).entries)
            EXPECT_TRUE(defined.count(e.code)) << caption << " " << e.code;
}

TEST(Catalogue, LinesSplitAtTheFirstBlank) {
    struct Case {
        const char* line;
        CatalogueEntry entry;
    } cases[] = {
        {"min(f_num1,[-1]f_num1,[-2]f_num1) 蓝号近三期最小值",
         {"min(f_num1,[-1]f_num1,[-2]f_num1)", "蓝号近三期最小值"}},
        {"z_hz          主区和值  ", {"z_hz", "主区和值"}},
        {"z_hz", {"z_hz", ""}},
        {"z_hz        my  sum\r", {"z_hz", "my  sum"}},
        {"", {"", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitCatalogueLine(c.line), c.entry) << c.line;

    EXPECT_EQ(catalogueLine({"z_hz", "主区和值"}, 8), "z_hz    主区和值");
    EXPECT_EQ(catalogueLine({"getzf(z_dsgs)", "x"}, 8), "getzf(z_dsgs) x") << "at least one blank";

    // Every entry of every page survives its own list line.
    for (const auto* all : {&indicatorCatalogue(), &formulaDialogCatalogue()}) {
        for (const CatalogueSeries& s : *all) {
            const int column = catalogueNameColumn(s);
            for (const CatalogueEntry& e : s.entries) {
                EXPECT_EQ(e.code.find(' '), std::string::npos) << e.code;
                EXPECT_FALSE(e.name.empty()) << e.code;
                const std::string line = catalogueLine(e, column);
                EXPECT_EQ(line.find(e.name), static_cast<size_t>(column)) << line;
                EXPECT_EQ(splitCatalogueLine(line), e);
            }
        }
    }
}

TEST(Catalogue, OperatorPageAndDialogPages) {
    const CatalogueSeries& ops = formulaOperatorPage();
    EXPECT_EQ(ops.caption, "运算符及函数");
    ASSERT_EQ(ops.entries.size(), 19u);
    EXPECT_EQ(ops.entries[0], (CatalogueEntry{"+", "加"}));
    EXPECT_EQ(ops.entries[5], (CatalogueEntry{"!", "截缩"}));
    EXPECT_EQ(ops.entries[10], (CatalogueEntry{"#", "或操作"}));
    EXPECT_EQ(ops.entries[11], (CatalogueEntry{"if", "条件函数"}));
    EXPECT_EQ(ops.entries[18], (CatalogueEntry{"getylzzf", "取某指标的遗漏振幅"}));

    const auto& pages = formulaDialogPageCaptions();
    ASSERT_EQ(pages.size(), 11u);
    EXPECT_EQ(pages[5], "运算符及函数");
    EXPECT_EQ(pages[6], "保存的自定义指标");
    // Every indicator page of the dialog is one of the variant's series.
    for (const std::string& page : pages) {
        if (page == "运算符及函数" || page == "保存的自定义指标") continue;
        EXPECT_FALSE(series(formulaDialogCatalogue(), page).entries.empty()) << page;
    }
}

}  // namespace
}  // namespace lottodesk

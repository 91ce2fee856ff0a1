#include "catalogue.h"

#include <algorithm>
#include <initializer_list>

namespace lottodesk {
namespace {

using Group = std::vector<CatalogueEntry>;

const char* const kPositionNames[6] = {"红号一", "红号二", "红号三", "红号四", "红号五", "红号六"};

std::string position(int p) { return "z_num" + std::to_string(p); }

Group join(std::initializer_list<const Group*> groups) {
    Group all;
    for (const Group* g : groups) all.insert(all.end(), g->begin(), g->end());
    return all;
}

void append(Group& to, const Group& from) { to.insert(to.end(), from.begin(), from.end()); }

// The base groups, each in its fixed order.
struct BaseGroups {
    Group P, S, C, L, G, O, Z, R, Q, H, W, M;

    BaseGroups() {
        for (int p = 1; p <= 6; ++p) P.push_back({position(p), kPositionNames[p - 1]});
        S = {{"z_pd", "主区偏度"}, {"z_sd", "主区散度"}, {"z_aver", "主区平均值"}};
        C = {{"z_dsgs", "主区大数个数"},
             {"z_jsgs", "主区奇数个数"},
             {"z_zsgs", "主区质数个数"},
             {"z_cmgs", "主区重码个数"},
             {"z_wzgs", "主区尾组个数"}};
        L = {{"z_lmzs", "主区连码组数"}, {"z_nmzs", "主区邻码组数"}};
        G = {{"z_ac", "主区AC值"},
             {"z_zdjj", "主区最大邻位间距"},
             {"z_zxjj", "主区最小邻位间距"},
             {"z_jjgs", "主区邻位间距个数"}};
        O = {{"z_gwgs", "高尾个数"},     {"z_jhlx", "奇号连续"},     {"z_ohlx", "偶号连续"},
             {"z_zhlx", "质号连续"},     {"z_hhlx", "合号连续"},     {"z_maxlh", "最大升序连号"},
             {"z_lwr_lmgs", "冷码个数"}, {"z_lwr_wmgs", "温码个数"}, {"z_lwr_rmgs", "热码个数"}};
        Z = {
            {"z_3fq_1qgs", "三分区的一区个数"}, {"z_3fq_2qgs", "三分区的二区个数"}, {"z_3fq_3qgs", "三分区的三区个数"}};
        for (int d = 3; d <= 5; ++d)
            for (int r = 0; r < d; ++r)
                R.push_back({"z_c" + std::to_string(d) + "y" + std::to_string(r),
                             "除" + std::to_string(d) + "余" + std::to_string(r) + "的号码个数"});
        for (int d = 3; d <= 5; ++d)
            for (int p = 1; p <= 6; ++p)
                Q.push_back({position(p) + "%" + std::to_string(d),
                             std::string(kPositionNames[p - 1]) + "除" + std::to_string(d) + "余数"});
        static const int pairs[15][2] = {{2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {3, 1}, {4, 2}, {5, 3},
                                         {6, 4}, {4, 1}, {5, 2}, {6, 3}, {5, 1}, {6, 2}, {6, 1}};
        for (const char* kind : {"xh", "xc"}) {
            const std::string word = std::string(kind) == "xh" ? "线和" : "线差";
            for (const auto& pr : pairs) {
                const std::string i = std::to_string(pr[0]);
                const std::string j = std::to_string(pr[1]);
                H.push_back({kind + i + j, word + i + "_" + j});
            }
        }
        for (int p = 1; p <= 6; ++p) W.push_back({position(p) + "_w", std::string(kPositionNames[p - 1]) + "尾数"});
        M = {{"z_jshe", "主区奇数和"},        {"z_oshe", "主区偶数和"},        {"z_zshe", "主区质数和"},
             {"z_hshe", "主区合数和"},        {"z_dxqdshe", "大小区大数和"},   {"z_dxqxshe", "大小区小数和"},
             {"z_c3yshe", "主区除3余数和值"}, {"z_c4yshe", "主区除4余数和值"}, {"z_c5yshe", "主区除5余数和值"},
             {"z_0lhe", "主区0路和值"},       {"z_1lhe", "主区1路和值"},       {"z_2lhe", "主区2路和值"}};
    }
};

// The name of a member with a suffix; the extreme pairs of the lines carry their note.
std::string suffixed(const CatalogueEntry& e, const std::string& suffix) {
    if (e.code == "xh61") return "线和6_1(极和)" + suffix;
    if (e.code == "xc61") return "线差6_1(极差)" + suffix;
    return e.name + suffix;
}

// fn(X) over each member X, named with the suffix.
Group over(const std::string& fn, const Group& group, const std::string& suffix) {
    Group out;
    for (const CatalogueEntry& e : group) out.push_back({fn + "(" + e.code + ")", suffixed(e, suffix)});
    return out;
}

// One entry per member whose code is the member's code followed by `codeSuffix`.
Group codeSuffix(const Group& group, const std::string& codeTail, const std::string& suffix) {
    Group out;
    for (const CatalogueEntry& e : group) out.push_back({e.code + codeTail, suffixed(e, suffix)});
    return out;
}

// One entry per position p = 1..6 with the code made by `code(p)`.
template <class Code>
Group perPosition(Code code, const std::string& suffix) {
    Group out;
    for (int p = 1; p <= 6; ++p) out.push_back({code(p), std::string(kPositionNames[p - 1]) + suffix});
    return out;
}

std::vector<CatalogueSeries> build(bool dialog) {
    const BaseGroups b;
    std::vector<CatalogueSeries> series;

    // 1. General.
    if (dialog) {
        Group g = join({&b.P, &b.W, &b.S, &b.C, &b.L, &b.G, &b.O, &b.Z, &b.R});
        g.push_back({"f_num1", "蓝号"});
        series.push_back({"常规", g});
    } else {
        series.push_back({"常规系列", join({&b.P, &b.S, &b.C, &b.L, &b.G, &b.O, &b.Z, &b.R, &b.Q})});
    }

    // 2. Sums.
    series.push_back({"和值系列",
                      {{"z_hz", "主区和值"},
                       {"z_hw", "主区和尾"},
                       {"z_wh", "主区尾和"},
                       {"z_jshe", "主区奇数和值"},
                       {"z_oshe", "主区偶数和值"},
                       {"z_zshe", "主区质数和值"},
                       {"z_hshe", "主区合数和值"},
                       {"z_dxqdshe", "主区大小区大数和值"},
                       {"z_dxqxshe", "主区大小区小数和值"},
                       {"z_dzxqdshe", "主区大中小区大数和值"},
                       {"z_dzxqzshe", "主区大中小区中数和值"},
                       {"z_dzxqxshe", "主区大中小区小数和值"},
                       {"z_c3yshe", "主区除3余数和值"},
                       {"z_c4yshe", "主区除4余数和值"},
                       {"z_c5yshe", "主区除5余数和值"},
                       {"z_0lhe", "主区0路和值"},
                       {"z_1lhe", "主区1路和值"},
                       {"z_2lhe", "主区2路和值"},
                       {"z_gwhe", "高尾和"},
                       {"z_xjhe", "小奇数和值"},
                       {"z_djhe", "大奇数和值"},
                       {"z_xohe", "小偶数和值"},
                       {"z_dohe", "大偶数和值"},
                       {"z_xzhe", "小质数和值"},
                       {"z_dzhe", "大质数和值"},
                       {"z_xhhe", "小合数和值"},
                       {"z_dhhe", "大合数和值"}}});

    // 3. Amplitudes.
    {
        Group g = perPosition([](int p) { return position(p) + "zf"; }, "振幅");
        append(g, over("getzf", join({&b.C, &b.Z, &b.L, &b.G}), "振幅"));
        append(g, dialog ? over("getzf", b.S, "振幅") : codeSuffix(b.S, "zf", "振幅"));
        g.push_back({"getzf(z_gwgs)", "主区高尾个数振幅"});
        append(g, over("getzf", join({&b.R, &b.Q}), "的振幅"));
        append(g, over("getzf", join({&b.H, &b.W}), "振幅"));
        g.push_back({"z_hzzf", "主区和值振幅"});
        g.push_back({"z_whzf", "主区尾和振幅"});
        g.push_back({"z_ylhzzf", "主区遗漏和值振幅"});
        g.push_back({dialog ? "getzf(z_hw)" : "z_hwzf", "主区和尾振幅"});
        append(g, over("getzf", b.M, "振幅"));
        series.push_back({"振幅系列", g});
    }

    // 4. Omissions.
    {
        Group g = perPosition([](int p) { return position(p) + "yl"; }, "遗漏");
        append(g, perPosition([](int p) { return position(p) + "yl_toall"; }, "不定位遗漏"));
        append(g, over("getylz", join({&b.C, &b.L}), "遗漏"));
        append(g, over("getylz", b.Z, "遗漏值"));
        append(g, over("getylz", b.G, "遗漏"));
        append(g, codeSuffix(b.S, "yl", "遗漏"));
        g.push_back({"getylz(z_zdjj)", "主区最大间距遗漏值"});
        g.push_back({"getylz(z_gwgs)", "主区高尾个数遗漏值"});
        append(g, over("getylz", join({&b.R, &b.Q}), "的遗漏值"));
        append(g, over("getylz", join({&b.H, &b.W}), "遗漏值"));
        g.push_back({"z_hzyl", "主区和值遗漏"});
        g.push_back({"z_hwyl", "主区和尾遗漏"});
        g.push_back({"z_whyl", "主区尾和遗漏"});
        g.push_back({"z_ylhz", "主区遗漏和值"});
        append(g, over("getylz", b.M, "遗漏值"));
        series.push_back({"遗漏系列", g});
    }

    // 5. Omission amplitudes.
    {
        Group g = dialog ? over("getylzzf", b.P, "遗漏振幅")
                         : perPosition([](int p) { return position(p) + "ylzf"; }, "遗漏振幅");
        append(g, perPosition([](int p) { return "getzf(" + position(p) + "yl_toall)"; }, "不定位遗漏振幅"));
        append(g, over("getylzzf", join({&b.C, &b.L, &b.Z, &b.G}), "遗漏振幅"));
        append(g, dialog ? over("getylzzf", b.S, "遗漏振幅") : codeSuffix(b.S, "ylzf", "遗漏振幅"));
        g.push_back({"getylzzf(z_zdjj)", "主区最大间距遗漏振幅"});
        g.push_back({"getylzzf(z_gwgs)", "主区高尾个数遗漏振幅"});
        append(g, over("getylzzf", join({&b.R, &b.Q}), "的遗漏振幅"));
        append(g, over("getylzzf", join({&b.H, &b.W}), "遗漏振幅"));
        g.push_back({dialog ? "getylzzf(z_hz)" : "z_hzylzf", "主区和值遗漏振幅"});
        g.push_back({dialog ? "getylzzf(z_hw)" : "z_hwylzf", "主区和尾遗漏振幅"});
        g.push_back({dialog ? "getylzzf(z_wh)" : "z_whylzf", "主区尾和遗漏振幅"});
        g.push_back({"z_ylhzzf", "主区遗漏和值振幅"});
        append(g, over("getylzzf", b.M, "遗漏振幅"));
        series.push_back({"遗漏振幅", g});
    }

    // 6. Amplitude omissions.
    {
        Group g = over("getzfylz", join({&b.P, &b.C, &b.L, &b.Z, &b.G, &b.S}), "振幅遗漏");
        g.push_back({"getzfylz(z_zdjj)", "主区最大间距振幅遗漏"});
        g.push_back({"getzfylz(z_gwgs)", "主区高尾个数振幅遗漏"});
        append(g, over("getzfylz", join({&b.R, &b.Q}), "的振幅遗漏"));
        append(g, over("getzfylz", join({&b.H, &b.W}), "振幅遗漏"));
        g.push_back({"getzfylz(z_hz)", "主区和值振幅遗漏"});
        g.push_back({"getzfylz(z_hw)", "主区和尾振幅遗漏"});
        g.push_back({"getzfylz(z_wh)", "主区尾和振幅遗漏"});
        append(g, over("getzfylz", b.M, "振幅遗漏"));
        series.push_back({"振幅遗漏", g});
    }

    // 7. Line sums and differences, with their base names (no notes).
    series.push_back({"线和线差", b.H});

    // 8. Tails.
    {
        Group g = b.W;
        append(g, perPosition([](int p) { return position(p) + "zf%10"; }, "振幅尾数"));
        append(g, perPosition([](int p) { return position(p) + "yl%10"; }, "遗漏尾数"));
        append(g, perPosition([](int p) { return position(p) + "yl_toall%10"; }, "不定位遗漏尾数"));
        append(g, perPosition([](int p) { return "getylzzf(" + position(p) + ")%10"; }, "遗漏振幅尾数"));
        append(g, perPosition([](int p) { return "getzf(" + position(p) + "yl_toall)%10"; }, "不定位遗漏振幅尾数"));
        append(g, perPosition([](int p) { return "getzfylz(" + position(p) + ")%10"; }, "振幅遗漏尾数"));
        g.push_back({"z_zdjj%10", "主区最大邻位间距尾数"});
        g.push_back({"z_pd%10", "主区偏度尾数"});
        g.push_back({"z_sd%10", "主区散度尾数"});
        g.push_back({"z_aver%10", "主区平均值尾数"});
        for (const CatalogueEntry& e : b.H) {
            std::string name = e.name + "尾数";
            if (e.code == "xh61") name = "线和6_1(极和尾数)";
            if (e.code == "xc61") name = "线差6_1(极差尾数)";
            g.push_back({e.code + "%10", name});
        }
        g.push_back({"z_hw", "主区和尾"});
        g.push_back({"z_wh%10", "主区尾和尾数"});
        g.push_back({"z_ylhz%10", "主区遗漏和值尾数"});
        g.push_back({"z_c3yshe%10", "主区除3余数和值的尾数"});
        g.push_back({"z_c4yshe%10", "主区除4余数和值的尾数"});
        g.push_back({"z_c5yshe%10", "主区除5余数和值的尾数"});
        g.push_back({"z_0lhe%10", "主区0路和值的尾数"});
        g.push_back({"z_1lhe%10", "主区1路和值的尾数"});
        g.push_back({"z_2lhe%10", "主区2路和值的尾数"});
        series.push_back({"尾数系列", g});
    }

    // 9. The secondary number.
    series.push_back({"蓝号系列",
                      {{"f_num1", "蓝号"},
                       {"f_num1zf", "蓝号振幅"},
                       {"f_num1yl", "蓝号遗漏"},
                       {"getylzzf(f_num1)", "蓝号遗漏振幅"},
                       {"getzfylz(f_num1)", "蓝号振幅遗漏"},
                       {"f_num1%3", "蓝号除3余数"},
                       {"f_num1%4", "蓝号除4余数"},
                       {"f_num1%5", "蓝号除5余数"},
                       {"getzf(f_num1%3)", "蓝号除3余数的振幅"},
                       {"getzf(f_num1%4)", "蓝号除4余数的振幅"},
                       {"getzf(f_num1%5)", "蓝号除5余数的振幅"},
                       {"getylz(f_num1%3)", "蓝号除3余数的遗漏值"},
                       {"getylz(f_num1%4)", "蓝号除4余数的遗漏值"},
                       {"getylz(f_num1%5)", "蓝号除5余数的遗漏值"},
                       {"f_num1yl%10", "蓝号遗漏值的尾数"},
                       {"getylzzf(f_num1)%10", "蓝号遗漏值振幅的尾数"},
                       {"getzfylz(f_num1)%10", "蓝号振幅遗漏值的尾数"},
                       {"min(f_num1,[-1]f_num1,[-2]f_num1)", "蓝号近三期最小值"},
                       {"max(f_num1,[-1]f_num1,[-2]f_num1)", "蓝号近三期最大值"},
                       {"getylz(getylz(f_num1)%10)", "蓝号遗漏值的尾数的遗漏值"},
                       {"getzf(getylz(f_num1)%10)", "蓝号遗漏值的尾数的振幅"}}});
    return series;
}

// Blanks trimmed from a name: spaces, and the tabs and line ends a hand-edited line may carry.
bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

}  // namespace

const std::vector<CatalogueSeries>& indicatorCatalogue() {
    static const std::vector<CatalogueSeries> catalogue = build(false);
    return catalogue;
}

const std::vector<CatalogueSeries>& formulaDialogCatalogue() {
    static const std::vector<CatalogueSeries> catalogue = build(true);
    return catalogue;
}

const CatalogueSeries& formulaOperatorPage() {
    static const CatalogueSeries page{"运算符及函数",
                                      {{"+", "加"},
                                       {"-", "减"},
                                       {"*", "乘"},
                                       {"/", "取商"},
                                       {"%", "取余"},
                                       {"!", "截缩"},
                                       {">", "大于"},
                                       {"<", "小于"},
                                       {"=", "等于"},
                                       {"&", "与操作"},
                                       {"#", "或操作"},
                                       {"if", "条件函数"},
                                       {"abs", "取绝对值"},
                                       {"max", "取最大值"},
                                       {"mid", "取中间值"},
                                       {"min", "取最小值"},
                                       {"getzf", "取某指标的振幅"},
                                       {"getylz", "取某指标的遗漏值"},
                                       {"getylzzf", "取某指标的遗漏振幅"}}};
    return page;
}

const std::vector<std::string>& formulaDialogPageCaptions() {
    static const std::vector<std::string> captions = {"常规",     "和值系列",     "振幅系列",         "遗漏系列",
                                                      "线和线差", "运算符及函数", "保存的自定义指标", "遗漏振幅",
                                                      "振幅遗漏", "蓝号系列",     "尾数系列"};
    return captions;
}

std::string catalogueLine(const CatalogueEntry& entry, int nameColumn) {
    const int used = static_cast<int>(entry.code.size());
    const int blanks = std::max(1, nameColumn - used);
    return entry.code + std::string(static_cast<size_t>(blanks), ' ') + entry.name;
}

int catalogueNameColumn(const CatalogueSeries& series) {
    size_t longest = 0;
    for (const CatalogueEntry& e : series.entries) longest = std::max(longest, e.code.size());
    return static_cast<int>(longest) + 2;
}

CatalogueEntry splitCatalogueLine(std::string_view line) {
    const size_t blank = line.find(' ');
    if (blank == std::string_view::npos) return {std::string(line), {}};
    std::string_view rest = line.substr(blank + 1);
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && isBlank(rest.back())) rest.remove_suffix(1);
    return {std::string(line.substr(0, blank)), std::string(rest)};
}

}  // namespace lottodesk

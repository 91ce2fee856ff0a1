#include "conditioncatalogue.h"

#include <array>
#include <cmath>
#include <memory>

#include "indicators/comboindicators.h"

namespace lottodesk {
namespace {

struct RowDef {
    int number;
    const char* caption;
    const char* id;
    const char* label;  // null: caption + "："
};

// The catalogue in number order.
constexpr RowDef kRows[] = {
    {1, "大数个数", "z_dsgs", nullptr},
    {2, "奇数个数", "z_jsgs", nullptr},
    {3, "质数个数", "z_zsgs", nullptr},
    {4, "尾组个数", "z_wzgs", nullptr},
    {5, "连号组数", "z_lmzs", nullptr},
    {6, "重号个数", "z_cmgs", nullptr},
    {7, "邻号个数", "z_nmzs", nullptr},
    {8, "一区个数", "z_3fq_1qgs", "三分区的一区个数："},
    {9, "二区个数", "z_3fq_2qgs", "三分区的二区个数："},
    {10, "三区个数", "z_3fq_3qgs", "三分区的三区个数："},
    {11, "除三余0个数", "z_c3y0", "除3余0个数："},
    {12, "除三余1个数", "z_c3y1", "除3余1个数："},
    {13, "除三余2个数", "z_c3y2", "除3余2个数："},
    {14, "不同间距个数", "z_jjgs", nullptr},
    {15, "AC值", "z_ac", "ac值："},
    {16, "最大间距", "z_zdjj", nullptr},
    {17, "最小间距", "z_zxjj", nullptr},
    {18, "高尾个数", "z_gwgs", nullptr},
    {19, "奇号连续", "z_jhlx", nullptr},
    {20, "偶号连续", "z_ohlx", nullptr},
    {21, "质号连续", "z_zhlx", nullptr},
    {22, "合号连续", "z_hhlx", nullptr},
    {23, "最大升序连号", "z_maxlh", nullptr},
    {24, "高尾和", "z_gwhe", nullptr},
    {25, "和值", "z_hz", nullptr},
    {26, "尾和", "z_wh", nullptr},
    {27, "遗漏和值", "z_ylhz", nullptr},
    {28, "差值2_1", "xc21", nullptr},
    {29, "差值3_2", "xc32", nullptr},
    {30, "差值4_3", "xc43", nullptr},
    {31, "差值5_4", "xc54", nullptr},
    {32, "差值6_5", "xc65", nullptr},
    {33, "差值7_6", "xc76", nullptr},
    {34, "标准差", "", nullptr},
    {35, "离散系数(%)", "", "离散系数："},
    {37, "偏度", "z_pd", nullptr},
    {38, "散度", "z_sd", nullptr},
    {39, "冷号个数", "z_lwr_lmgs", nullptr},
    {40, "温号个数", "z_lwr_wmgs", nullptr},
    {41, "热号个数", "z_lwr_rmgs", nullptr},
    {42, "红号一振幅", "z_num1zf", nullptr},
    {43, "红号二振幅", "z_num2zf", nullptr},
    {44, "红号三振幅", "z_num3zf", nullptr},
    {45, "红号四振幅", "z_num4zf", nullptr},
    {46, "红号五振幅", "z_num5zf", nullptr},
    {47, "红号六振幅", "z_num6zf", nullptr},
    {48, "红号七振幅", "z_num7zf", nullptr},
    {49, "和值振幅", "z_hzzf", nullptr},
    {50, "尾和振幅", "z_whzf", nullptr},
    {51, "遗和振幅", "z_ylhzzf", nullptr},
    {52, "差值3_1", "xc31", nullptr},
    {53, "差值4_2", "xc42", nullptr},
    {54, "差值5_3", "xc53", nullptr},
    {55, "差值6_4", "xc64", nullptr},
    {56, "差值7_5", "xc75", nullptr},
    {57, "差值4_1", "xc41", nullptr},
    {58, "差值5_2", "xc52", nullptr},
    {59, "差值6_3", "xc63", nullptr},
    {60, "差值7_4", "xc74", nullptr},
    {61, "差值5_1", "xc51", nullptr},
    {62, "差值6_2", "xc62", nullptr},
    {63, "差值6_1", "xc61", nullptr},
    {64, "差值7_3", "xc73", nullptr},
    {65, "差值7_2", "xc72", nullptr},
    {66, "差值7_1", "xc71", nullptr},
    {67, "和值2_1", "xh21", nullptr},
    {68, "和值3_2", "xh32", nullptr},
    {69, "和值4_3", "xh43", nullptr},
    {70, "和值5_4", "xh54", nullptr},
    {71, "和值6_5", "xh65", nullptr},
    {72, "和值7_6", "xh76", nullptr},
    {73, "和值3_1", "xh31", nullptr},
    {74, "和值4_2", "xh42", nullptr},
    {75, "和值5_3", "xh53", nullptr},
    {76, "和值6_4", "xh64", nullptr},
    {77, "和值7_5", "xh75", nullptr},
    {78, "和值4_1", "xh41", nullptr},
    {79, "和值5_2", "xh52", nullptr},
    {80, "和值6_3", "xh63", nullptr},
    {81, "和值7_4", "xh74", nullptr},
    {82, "和值5_1", "xh51", nullptr},
    {83, "和值6_2", "xh62", nullptr},
    {84, "和值6_1", "xh61", nullptr},
    {85, "和值7_3", "xh73", nullptr},
    {86, "和值7_2", "xh72", nullptr},
    {87, "和值7_1", "xh71", nullptr},
    {88, "红号一", "z_num1", nullptr},
    {89, "红号二", "z_num2", nullptr},
    {90, "红号三", "z_num3", nullptr},
    {91, "红号四", "z_num4", nullptr},
    {92, "红号五", "z_num5", nullptr},
    {93, "红号六", "z_num6", nullptr},
    {94, "主号七", "z_num7", "红号七："},
    {95, "和尾", "z_hw", nullptr},
    {96, "奇数和", "z_jshe", nullptr},
    {97, "偶数和", "z_oshe", nullptr},
    {98, "质数和", "z_zshe", nullptr},
    {99, "合数和", "z_hshe", nullptr},
    {100, "大小区大数和", "z_dxqdshe", nullptr},
    {101, "大小区小数和", "z_dxqxshe", nullptr},
    {102, "大中小区大数和", "z_dzxqdshe", nullptr},
    {103, "大中小区中数和", "z_dzxqzshe", nullptr},
    {104, "大中小区小数和", "z_dzxqxshe", nullptr},
    {105, "除三余数和", "z_c3yshe", "除3余数和："},
    {106, "除四余数和", "z_c4yshe", "除4余数和："},
    {107, "除五余数和", "z_c5yshe", "除5余数和："},
    {108, "0路和", "z_0lhe", nullptr},
    {109, "1路和", "z_1lhe", nullptr},
    {110, "2路和", "z_2lhe", nullptr},
    {111, "平均值", "z_aver", "平数值："},
    {112, "除四余0个数", "z_c4y0", "除4余0个数："},
    {113, "除四余1个数", "z_c4y1", "除4余1个数："},
    {114, "除四余2个数", "z_c4y2", "除4余2个数："},
    {115, "除四余3个数", "z_c4y3", "除4余3个数："},
    {116, "除五余0个数", "z_c5y0", "除5余0个数："},
    {117, "除五余1个数", "z_c5y1", "除5余1个数："},
    {118, "除五余2个数", "z_c5y2", "除5余2个数："},
    {119, "除五余3个数", "z_c5y3", "除5余3个数："},
    {120, "除五余4个数", "z_c5y4", "除5余4个数："},
    {121, "红号一遗漏", "z_num1yl", nullptr},
    {122, "红号二遗漏", "z_num2yl", nullptr},
    {123, "红号三遗漏", "z_num3yl", nullptr},
    {124, "红号四遗漏", "z_num4yl", nullptr},
    {125, "红号五遗漏", "z_num5yl", nullptr},
    {126, "红号六遗漏", "z_num6yl", nullptr},
    {127, "主号七遗漏", "z_num7yl", "红号七遗漏："},
    {128, "偏度遗漏", "z_pdyl", nullptr},
    {129, "散度遗漏", "z_sdyl", nullptr},
    {130, "平均值遗漏", "z_averyl", nullptr},
    {131, "和值遗漏", "z_hzyl", nullptr},
    {132, "和尾遗漏", "z_hwyl", nullptr},
    {133, "尾和遗漏", "z_whyl", nullptr},
};

bool namesSeventh(const std::string& id) {
    return id == "xc76" || id == "xc75" || id == "xc74" || id == "xc73" || id == "xc72" || id == "xc71" ||
           id == "xh76" || id == "xh75" || id == "xh74" || id == "xh73" || id == "xh72" || id == "xh71" ||
           id == "z_num7" || id == "z_num7zf" || id == "z_num7yl";
}

const std::array<ConditionRow, kCatalogueRows + 1>& table() {
    static const std::array<ConditionRow, kCatalogueRows + 1> rows = [] {
        std::array<ConditionRow, kCatalogueRows + 1> built{};
        for (const RowDef& def : kRows) {
            ConditionRow& row = built[def.number];
            row.number = def.number;
            row.caption = def.caption;
            row.summaryLabel = def.label ? def.label : row.caption + "：";
            row.id = def.id;
            row.item = row.id.empty() ? nullptr : Registry::instance().find(row.id);
            row.seventhNumber = namesSeventh(row.id);
        }
        return built;
    }();
    return rows;
}

}  // namespace

const ConditionRow* conditionRow(int number) {
    if (number < 1 || number > kCatalogueRows || number == catalogue::noRow) return nullptr;
    return &table()[number];
}

OfferedRange offeredRange(int number, const GameParams& game) {
    const int m = game.zhgs;
    const int N = game.zh_to;
    using namespace catalogue;
    switch (number) {
    case z_dsgs:
    case z_jsgs:
    case z_zsgs:
    case z_cmgs:
    case z_nmzs:
    case z_3fq_1qgs:
    case z_3fq_2qgs:
    case z_3fq_3qgs:
    case z_c3y0:
    case z_c3y1:
    case z_c3y2:
    case z_gwgs: return {0, m};
    case z_wzgs:
    case z_maxlh: return {1, m};
    case z_lmzs:
    case z_jhlx:
    case z_ohlx:
    case z_zhlx:
    case z_hhlx: return {0, m - 1};
    case z_jjgs: return {1, m - 1};
    case z_ac: return {0, 10};
    case z_zdjj: return {1, N - m + 1};
    case z_zxjj: return {1, 5};
    case z_gwhe: return {0, 50};
    case z_hz: return {40, 160};
    case z_wh: return {3, 50};
    case z_ylhz: return {0, 100};
    case xc21: return {1, 28};
    case xc32:
    case xc43:
    case xc54:
    case xc65:
    case xc76: return {1, N - 5};
    case z_pd: return {0, 24};
    case z_sd: return {1, 25};
    case z_lwr_lmgs:
    case z_lwr_wmgs:
    case z_lwr_rmgs: return {0, 6};
    case z_num1zf:
    case z_num2zf:
    case z_num3zf:
    case z_num4zf:
    case z_num5zf:
    case z_num6zf: return {0, 27};
    case z_num7zf: return {0, N - 6};
    case z_hzzf: return {0, 100};
    case z_whzf: return {0, 44};
    case z_ylhzzf: return {0, 80};
    case xc31:
    case xc42:
    case xc53:
    case xc41:
    case xc52:
    case xc51: return {1, 32};
    case xc64:
    case xc75:
    case xc63:
    case xc74:
    case xc62:
    case xc61:
    case xc73:
    case xc72:
    case xc71: return {1, N};
    case xh21:
    case xh32:
    case xh43:
    case xh54:
    case xh65:
    case xh76: return {3, 2 * N - 1};
    case xh31:
    case xh42:
    case xh53:
    case xh64:
    case xh75: return {3, 2 * N - 2};
    case xh41:
    case xh52:
    case xh63:
    case xh74: return {3, 2 * N - 3};
    case xh51:
    case xh62:
    case xh61:
    case xh73:
    case xh72:
    case xh71: return {3, 2 * N - 4};
    case z_num1: return {1, N - 4};
    case z_num2: return {1, N - 3};
    case z_num3: return {1, N - 2};
    case z_num4: return {1, N - 1};
    case z_num5:
    case z_num6:
    case z_num7: return {1, N};
    case z_hw: return {0, 9};
    case z_jshe:
    case z_oshe:
    case z_zshe:
    case z_hshe:
    case z_dxqdshe:
    case z_dxqxshe:
    case z_dzxqdshe:
    case z_dzxqzshe:
    case z_dzxqxshe: return {0, 160};
    case z_c3yshe: return {0, 12};
    case z_c4yshe: return {0, 18};
    case z_c5yshe: return {0, 24};
    case z_0lhe:
    case z_1lhe:
    case z_2lhe: return {0, 160};
    case z_aver: return {1, 33};
    case z_c4y0:
    case z_c4y1:
    case z_c4y2:
    case z_c4y3:
    case z_c5y0:
    case z_c5y1:
    case z_c5y2:
    case z_c5y3:
    case z_c5y4: return {0, 6};
    case z_num1yl:
    case z_num2yl:
    case z_num3yl:
    case z_num4yl:
    case z_num5yl:
    case z_num6yl:
    case z_num7yl: return {0, 200};
    case z_pdyl:
    case z_sdyl:
    case z_averyl: return {0, 200};
    case z_hzyl: return {0, 700};
    case z_hwyl: return {0, 100};
    case z_whyl: return {0, 200};
    default: return {0, 0};
    }
}

int32_t conditionValue(const ConditionRow& row, const IndicatorContext& ctx, int n) {
    return row.item ? registryValue(*row.item, ctx, n) : 0;
}

float ticketStandardDeviation(const int32_t* numbers, int m) {
    // The shared definition reads a whole record: numbers in slots 1..m.
    std::array<int32_t, kSlots> record{};
    for (int i = 0; i < m && i + 1 < kSlots; ++i) record[i + 1] = numbers[i];
    return standardDeviation(record.data(), m);
}

float ticketCoefficient(const int32_t* numbers, int m) {
    std::array<int32_t, kSlots> record{};
    for (int i = 0; i < m && i + 1 < kSlots; ++i) record[i + 1] = numbers[i];
    return coefficientOfVariation(record.data(), m);
}

}  // namespace lottodesk

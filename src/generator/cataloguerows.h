#pragma once
// The rows of the condition catalogue by name: each enumerator is the row's registry identifier and
// its value the row's number (the index into MainConditions::rows and the tag of a tolerated
// failure). Rows 34 and 35 are computed from the ticket alone and have no identifier; number 36
// has no row.

namespace lottodesk::catalogue {

enum Row : int {
    z_dsgs = 1,              // 大数个数
    z_jsgs = 2,              // 奇数个数
    z_zsgs = 3,              // 质数个数
    z_wzgs = 4,              // 尾组个数
    z_lmzs = 5,              // 连号组数
    z_cmgs = 6,              // 重号个数
    z_nmzs = 7,              // 邻号个数
    z_3fq_1qgs = 8,          // 一区个数
    z_3fq_2qgs = 9,          // 二区个数
    z_3fq_3qgs = 10,         // 三区个数
    z_c3y0 = 11,             // 除三余0个数
    z_c3y1 = 12,             // 除三余1个数
    z_c3y2 = 13,             // 除三余2个数
    z_jjgs = 14,             // 不同间距个数
    z_ac = 15,               // AC值
    z_zdjj = 16,             // 最大间距
    z_zxjj = 17,             // 最小间距
    z_gwgs = 18,             // 高尾个数
    z_jhlx = 19,             // 奇号连续
    z_ohlx = 20,             // 偶号连续
    z_zhlx = 21,             // 质号连续
    z_hhlx = 22,             // 合号连续
    z_maxlh = 23,            // 最大升序连号
    z_gwhe = 24,             // 高尾和
    z_hz = 25,               // 和值
    z_wh = 26,               // 尾和
    z_ylhz = 27,             // 遗漏和值
    xc21 = 28,               // 差值2_1
    xc32 = 29,               // 差值3_2
    xc43 = 30,               // 差值4_3
    xc54 = 31,               // 差值5_4
    xc65 = 32,               // 差值6_5
    xc76 = 33,               // 差值7_6
    standardDeviation = 34,  // 标准差
    coefficient = 35,        // 离散系数(%)
    noRow = 36,              // no condition: skipped everywhere, its record in a condition file stays empty
    z_pd = 37,               // 偏度
    z_sd = 38,               // 散度
    z_lwr_lmgs = 39,         // 冷号个数
    z_lwr_wmgs = 40,         // 温号个数
    z_lwr_rmgs = 41,         // 热号个数
    z_num1zf = 42,           // 红号一振幅
    z_num2zf = 43,           // 红号二振幅
    z_num3zf = 44,           // 红号三振幅
    z_num4zf = 45,           // 红号四振幅
    z_num5zf = 46,           // 红号五振幅
    z_num6zf = 47,           // 红号六振幅
    z_num7zf = 48,           // 红号七振幅
    z_hzzf = 49,             // 和值振幅
    z_whzf = 50,             // 尾和振幅
    z_ylhzzf = 51,           // 遗和振幅
    xc31 = 52,               // 差值3_1
    xc42 = 53,               // 差值4_2
    xc53 = 54,               // 差值5_3
    xc64 = 55,               // 差值6_4
    xc75 = 56,               // 差值7_5
    xc41 = 57,               // 差值4_1
    xc52 = 58,               // 差值5_2
    xc63 = 59,               // 差值6_3
    xc74 = 60,               // 差值7_4
    xc51 = 61,               // 差值5_1
    xc62 = 62,               // 差值6_2
    xc61 = 63,               // 差值6_1
    xc73 = 64,               // 差值7_3
    xc72 = 65,               // 差值7_2
    xc71 = 66,               // 差值7_1
    xh21 = 67,               // 和值2_1
    xh32 = 68,               // 和值3_2
    xh43 = 69,               // 和值4_3
    xh54 = 70,               // 和值5_4
    xh65 = 71,               // 和值6_5
    xh76 = 72,               // 和值7_6
    xh31 = 73,               // 和值3_1
    xh42 = 74,               // 和值4_2
    xh53 = 75,               // 和值5_3
    xh64 = 76,               // 和值6_4
    xh75 = 77,               // 和值7_5
    xh41 = 78,               // 和值4_1
    xh52 = 79,               // 和值5_2
    xh63 = 80,               // 和值6_3
    xh74 = 81,               // 和值7_4
    xh51 = 82,               // 和值5_1
    xh62 = 83,               // 和值6_2
    xh61 = 84,               // 和值6_1
    xh73 = 85,               // 和值7_3
    xh72 = 86,               // 和值7_2
    xh71 = 87,               // 和值7_1
    z_num1 = 88,             // 红号一
    z_num2 = 89,             // 红号二
    z_num3 = 90,             // 红号三
    z_num4 = 91,             // 红号四
    z_num5 = 92,             // 红号五
    z_num6 = 93,             // 红号六
    z_num7 = 94,             // 主号七
    z_hw = 95,               // 和尾
    z_jshe = 96,             // 奇数和
    z_oshe = 97,             // 偶数和
    z_zshe = 98,             // 质数和
    z_hshe = 99,             // 合数和
    z_dxqdshe = 100,         // 大小区大数和
    z_dxqxshe = 101,         // 大小区小数和
    z_dzxqdshe = 102,        // 大中小区大数和
    z_dzxqzshe = 103,        // 大中小区中数和
    z_dzxqxshe = 104,        // 大中小区小数和
    z_c3yshe = 105,          // 除三余数和
    z_c4yshe = 106,          // 除四余数和
    z_c5yshe = 107,          // 除五余数和
    z_0lhe = 108,            // 0路和
    z_1lhe = 109,            // 1路和
    z_2lhe = 110,            // 2路和
    z_aver = 111,            // 平均值
    z_c4y0 = 112,            // 除四余0个数
    z_c4y1 = 113,            // 除四余1个数
    z_c4y2 = 114,            // 除四余2个数
    z_c4y3 = 115,            // 除四余3个数
    z_c5y0 = 116,            // 除五余0个数
    z_c5y1 = 117,            // 除五余1个数
    z_c5y2 = 118,            // 除五余2个数
    z_c5y3 = 119,            // 除五余3个数
    z_c5y4 = 120,            // 除五余4个数
    z_num1yl = 121,          // 红号一遗漏
    z_num2yl = 122,          // 红号二遗漏
    z_num3yl = 123,          // 红号三遗漏
    z_num4yl = 124,          // 红号四遗漏
    z_num5yl = 125,          // 红号五遗漏
    z_num6yl = 126,          // 红号六遗漏
    z_num7yl = 127,          // 主号七遗漏
    z_pdyl = 128,            // 偏度遗漏
    z_sdyl = 129,            // 散度遗漏
    z_averyl = 130,          // 平均值遗漏
    z_hzyl = 131,            // 和值遗漏
    z_hwyl = 132,            // 和尾遗漏
    z_whyl = 133,            // 尾和遗漏
};

// The rows that hold a decimal range (from, to) instead of a set of allowed values.
constexpr bool isRangeRow(int number) { return number == standardDeviation || number == coefficient; }

}  // namespace lottodesk::catalogue

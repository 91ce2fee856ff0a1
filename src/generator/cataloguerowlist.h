#pragma once
// Every row of the condition catalogue, written once: the enumerators (cataloguerows.h), the table
// of captions and labels and the offered ranges (conditioncatalogue.cpp) and the tests are made
// from this list. A row:
//   ROW(number, name, id, caption, label, lo, hi, seventh)
//   number   the row's number: the index into MainConditions::rows, the record of the condition
//            files and the tag of a tolerated failure (a new row takes a free number; none is reused)
//   name     its enumerator in catalogue::Row, spelled as its registry identifier
//   id       the registry identifier ("" for the two rows computed from the ticket alone)
//   caption  the row's caption in the generator's list
//   label    its label in the condition summary (nullptr: the caption followed by "：")
//   lo, hi   the range the value chooser offers, in m (the main count) and N (the highest main number)
//   seventh  the row names the seventh main number and takes no part for games of fewer numbers
// Number 36 has no row.

// clang-format off
#define LOTTODESK_CATALOGUE_ROWS(ROW) \
    ROW(1, z_dsgs, "z_dsgs", "大数个数", nullptr, 0, m, false) \
    ROW(2, z_jsgs, "z_jsgs", "奇数个数", nullptr, 0, m, false) \
    ROW(3, z_zsgs, "z_zsgs", "质数个数", nullptr, 0, m, false) \
    ROW(4, z_wzgs, "z_wzgs", "尾组个数", nullptr, 1, m, false) \
    ROW(5, z_lmzs, "z_lmzs", "连号组数", nullptr, 0, m - 1, false) \
    ROW(6, z_cmgs, "z_cmgs", "重号个数", nullptr, 0, m, false) \
    ROW(7, z_nmzs, "z_nmzs", "邻号个数", nullptr, 0, m, false) \
    ROW(8, z_3fq_1qgs, "z_3fq_1qgs", "一区个数", "三分区的一区个数：", 0, m, false) \
    ROW(9, z_3fq_2qgs, "z_3fq_2qgs", "二区个数", "三分区的二区个数：", 0, m, false) \
    ROW(10, z_3fq_3qgs, "z_3fq_3qgs", "三区个数", "三分区的三区个数：", 0, m, false) \
    ROW(11, z_c3y0, "z_c3y0", "除三余0个数", "除3余0个数：", 0, m, false) \
    ROW(12, z_c3y1, "z_c3y1", "除三余1个数", "除3余1个数：", 0, m, false) \
    ROW(13, z_c3y2, "z_c3y2", "除三余2个数", "除3余2个数：", 0, m, false) \
    ROW(14, z_jjgs, "z_jjgs", "不同间距个数", nullptr, 1, m - 1, false) \
    ROW(15, z_ac, "z_ac", "AC值", "ac值：", 0, 10, false) \
    ROW(16, z_zdjj, "z_zdjj", "最大间距", nullptr, 1, N - m + 1, false) \
    ROW(17, z_zxjj, "z_zxjj", "最小间距", nullptr, 1, 5, false) \
    ROW(18, z_gwgs, "z_gwgs", "高尾个数", nullptr, 0, m, false) \
    ROW(19, z_jhlx, "z_jhlx", "奇号连续", nullptr, 0, m - 1, false) \
    ROW(20, z_ohlx, "z_ohlx", "偶号连续", nullptr, 0, m - 1, false) \
    ROW(21, z_zhlx, "z_zhlx", "质号连续", nullptr, 0, m - 1, false) \
    ROW(22, z_hhlx, "z_hhlx", "合号连续", nullptr, 0, m - 1, false) \
    ROW(23, z_maxlh, "z_maxlh", "最大升序连号", nullptr, 1, m, false) \
    ROW(24, z_gwhe, "z_gwhe", "高尾和", nullptr, 0, 50, false) \
    ROW(25, z_hz, "z_hz", "和值", nullptr, 40, 160, false) \
    ROW(26, z_wh, "z_wh", "尾和", nullptr, 3, 50, false) \
    ROW(27, z_ylhz, "z_ylhz", "遗漏和值", nullptr, 0, 100, false) \
    ROW(28, xc21, "xc21", "差值2_1", nullptr, 1, 28, false) \
    ROW(29, xc32, "xc32", "差值3_2", nullptr, 1, N - 5, false) \
    ROW(30, xc43, "xc43", "差值4_3", nullptr, 1, N - 5, false) \
    ROW(31, xc54, "xc54", "差值5_4", nullptr, 1, N - 5, false) \
    ROW(32, xc65, "xc65", "差值6_5", nullptr, 1, N - 5, false) \
    ROW(33, xc76, "xc76", "差值7_6", nullptr, 1, N - 5, true) \
    ROW(34, standardDeviation, "", "标准差", nullptr, 0, 0, false) \
    ROW(35, coefficient, "", "离散系数(%)", "离散系数：", 0, 0, false) \
    ROW(37, z_pd, "z_pd", "偏度", nullptr, 0, 24, false) \
    ROW(38, z_sd, "z_sd", "散度", nullptr, 1, 25, false) \
    ROW(39, z_lwr_lmgs, "z_lwr_lmgs", "冷号个数", nullptr, 0, 6, false) \
    ROW(40, z_lwr_wmgs, "z_lwr_wmgs", "温号个数", nullptr, 0, 6, false) \
    ROW(41, z_lwr_rmgs, "z_lwr_rmgs", "热号个数", nullptr, 0, 6, false) \
    ROW(42, z_num1zf, "z_num1zf", "红号一振幅", nullptr, 0, 27, false) \
    ROW(43, z_num2zf, "z_num2zf", "红号二振幅", nullptr, 0, 27, false) \
    ROW(44, z_num3zf, "z_num3zf", "红号三振幅", nullptr, 0, 27, false) \
    ROW(45, z_num4zf, "z_num4zf", "红号四振幅", nullptr, 0, 27, false) \
    ROW(46, z_num5zf, "z_num5zf", "红号五振幅", nullptr, 0, 27, false) \
    ROW(47, z_num6zf, "z_num6zf", "红号六振幅", nullptr, 0, 27, false) \
    ROW(48, z_num7zf, "z_num7zf", "红号七振幅", nullptr, 0, N - 6, true) \
    ROW(49, z_hzzf, "z_hzzf", "和值振幅", nullptr, 0, 100, false) \
    ROW(50, z_whzf, "z_whzf", "尾和振幅", nullptr, 0, 44, false) \
    ROW(51, z_ylhzzf, "z_ylhzzf", "遗和振幅", nullptr, 0, 80, false) \
    ROW(52, xc31, "xc31", "差值3_1", nullptr, 1, 32, false) \
    ROW(53, xc42, "xc42", "差值4_2", nullptr, 1, 32, false) \
    ROW(54, xc53, "xc53", "差值5_3", nullptr, 1, 32, false) \
    ROW(55, xc64, "xc64", "差值6_4", nullptr, 1, N, false) \
    ROW(56, xc75, "xc75", "差值7_5", nullptr, 1, N, true) \
    ROW(57, xc41, "xc41", "差值4_1", nullptr, 1, 32, false) \
    ROW(58, xc52, "xc52", "差值5_2", nullptr, 1, 32, false) \
    ROW(59, xc63, "xc63", "差值6_3", nullptr, 1, N, false) \
    ROW(60, xc74, "xc74", "差值7_4", nullptr, 1, N, true) \
    ROW(61, xc51, "xc51", "差值5_1", nullptr, 1, 32, false) \
    ROW(62, xc62, "xc62", "差值6_2", nullptr, 1, N, false) \
    ROW(63, xc61, "xc61", "差值6_1", nullptr, 1, N, false) \
    ROW(64, xc73, "xc73", "差值7_3", nullptr, 1, N, true) \
    ROW(65, xc72, "xc72", "差值7_2", nullptr, 1, N, true) \
    ROW(66, xc71, "xc71", "差值7_1", nullptr, 1, N, true) \
    ROW(67, xh21, "xh21", "和值2_1", nullptr, 3, 2 * N - 1, false) \
    ROW(68, xh32, "xh32", "和值3_2", nullptr, 3, 2 * N - 1, false) \
    ROW(69, xh43, "xh43", "和值4_3", nullptr, 3, 2 * N - 1, false) \
    ROW(70, xh54, "xh54", "和值5_4", nullptr, 3, 2 * N - 1, false) \
    ROW(71, xh65, "xh65", "和值6_5", nullptr, 3, 2 * N - 1, false) \
    ROW(72, xh76, "xh76", "和值7_6", nullptr, 3, 2 * N - 1, true) \
    ROW(73, xh31, "xh31", "和值3_1", nullptr, 3, 2 * N - 2, false) \
    ROW(74, xh42, "xh42", "和值4_2", nullptr, 3, 2 * N - 2, false) \
    ROW(75, xh53, "xh53", "和值5_3", nullptr, 3, 2 * N - 2, false) \
    ROW(76, xh64, "xh64", "和值6_4", nullptr, 3, 2 * N - 2, false) \
    ROW(77, xh75, "xh75", "和值7_5", nullptr, 3, 2 * N - 2, true) \
    ROW(78, xh41, "xh41", "和值4_1", nullptr, 3, 2 * N - 3, false) \
    ROW(79, xh52, "xh52", "和值5_2", nullptr, 3, 2 * N - 3, false) \
    ROW(80, xh63, "xh63", "和值6_3", nullptr, 3, 2 * N - 3, false) \
    ROW(81, xh74, "xh74", "和值7_4", nullptr, 3, 2 * N - 3, true) \
    ROW(82, xh51, "xh51", "和值5_1", nullptr, 3, 2 * N - 4, false) \
    ROW(83, xh62, "xh62", "和值6_2", nullptr, 3, 2 * N - 4, false) \
    ROW(84, xh61, "xh61", "和值6_1", nullptr, 3, 2 * N - 4, false) \
    ROW(85, xh73, "xh73", "和值7_3", nullptr, 3, 2 * N - 4, true) \
    ROW(86, xh72, "xh72", "和值7_2", nullptr, 3, 2 * N - 4, true) \
    ROW(87, xh71, "xh71", "和值7_1", nullptr, 3, 2 * N - 4, true) \
    ROW(88, z_num1, "z_num1", "红号一", nullptr, 1, N - 4, false) \
    ROW(89, z_num2, "z_num2", "红号二", nullptr, 1, N - 3, false) \
    ROW(90, z_num3, "z_num3", "红号三", nullptr, 1, N - 2, false) \
    ROW(91, z_num4, "z_num4", "红号四", nullptr, 1, N - 1, false) \
    ROW(92, z_num5, "z_num5", "红号五", nullptr, 1, N, false) \
    ROW(93, z_num6, "z_num6", "红号六", nullptr, 1, N, false) \
    ROW(94, z_num7, "z_num7", "主号七", "红号七：", 1, N, true) \
    ROW(95, z_hw, "z_hw", "和尾", nullptr, 0, 9, false) \
    ROW(96, z_jshe, "z_jshe", "奇数和", nullptr, 0, 160, false) \
    ROW(97, z_oshe, "z_oshe", "偶数和", nullptr, 0, 160, false) \
    ROW(98, z_zshe, "z_zshe", "质数和", nullptr, 0, 160, false) \
    ROW(99, z_hshe, "z_hshe", "合数和", nullptr, 0, 160, false) \
    ROW(100, z_dxqdshe, "z_dxqdshe", "大小区大数和", nullptr, 0, 160, false) \
    ROW(101, z_dxqxshe, "z_dxqxshe", "大小区小数和", nullptr, 0, 160, false) \
    ROW(102, z_dzxqdshe, "z_dzxqdshe", "大中小区大数和", nullptr, 0, 160, false) \
    ROW(103, z_dzxqzshe, "z_dzxqzshe", "大中小区中数和", nullptr, 0, 160, false) \
    ROW(104, z_dzxqxshe, "z_dzxqxshe", "大中小区小数和", nullptr, 0, 160, false) \
    ROW(105, z_c3yshe, "z_c3yshe", "除三余数和", "除3余数和：", 0, 12, false) \
    ROW(106, z_c4yshe, "z_c4yshe", "除四余数和", "除4余数和：", 0, 18, false) \
    ROW(107, z_c5yshe, "z_c5yshe", "除五余数和", "除5余数和：", 0, 24, false) \
    ROW(108, z_0lhe, "z_0lhe", "0路和", nullptr, 0, 160, false) \
    ROW(109, z_1lhe, "z_1lhe", "1路和", nullptr, 0, 160, false) \
    ROW(110, z_2lhe, "z_2lhe", "2路和", nullptr, 0, 160, false) \
    ROW(111, z_aver, "z_aver", "平均值", "平数值：", 1, 33, false) \
    ROW(112, z_c4y0, "z_c4y0", "除四余0个数", "除4余0个数：", 0, 6, false) \
    ROW(113, z_c4y1, "z_c4y1", "除四余1个数", "除4余1个数：", 0, 6, false) \
    ROW(114, z_c4y2, "z_c4y2", "除四余2个数", "除4余2个数：", 0, 6, false) \
    ROW(115, z_c4y3, "z_c4y3", "除四余3个数", "除4余3个数：", 0, 6, false) \
    ROW(116, z_c5y0, "z_c5y0", "除五余0个数", "除5余0个数：", 0, 6, false) \
    ROW(117, z_c5y1, "z_c5y1", "除五余1个数", "除5余1个数：", 0, 6, false) \
    ROW(118, z_c5y2, "z_c5y2", "除五余2个数", "除5余2个数：", 0, 6, false) \
    ROW(119, z_c5y3, "z_c5y3", "除五余3个数", "除5余3个数：", 0, 6, false) \
    ROW(120, z_c5y4, "z_c5y4", "除五余4个数", "除5余4个数：", 0, 6, false) \
    ROW(121, z_num1yl, "z_num1yl", "红号一遗漏", nullptr, 0, 200, false) \
    ROW(122, z_num2yl, "z_num2yl", "红号二遗漏", nullptr, 0, 200, false) \
    ROW(123, z_num3yl, "z_num3yl", "红号三遗漏", nullptr, 0, 200, false) \
    ROW(124, z_num4yl, "z_num4yl", "红号四遗漏", nullptr, 0, 200, false) \
    ROW(125, z_num5yl, "z_num5yl", "红号五遗漏", nullptr, 0, 200, false) \
    ROW(126, z_num6yl, "z_num6yl", "红号六遗漏", nullptr, 0, 200, false) \
    ROW(127, z_num7yl, "z_num7yl", "主号七遗漏", "红号七遗漏：", 0, 200, true) \
    ROW(128, z_pdyl, "z_pdyl", "偏度遗漏", nullptr, 0, 200, false) \
    ROW(129, z_sdyl, "z_sdyl", "散度遗漏", nullptr, 0, 200, false) \
    ROW(130, z_averyl, "z_averyl", "平均值遗漏", nullptr, 0, 200, false) \
    ROW(131, z_hzyl, "z_hzyl", "和值遗漏", nullptr, 0, 700, false) \
    ROW(132, z_hwyl, "z_hwyl", "和尾遗漏", nullptr, 0, 100, false) \
    ROW(133, z_whyl, "z_whyl", "尾和遗漏", nullptr, 0, 200, false)
// clang-format on

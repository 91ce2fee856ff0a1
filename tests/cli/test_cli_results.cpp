#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/firstrun.h"
#include "core/prizetables.h"
#include "generator/condfile.h"
#include "support/clirun.h"
#include "support/tempfolder.h"

namespace lottodesk {
namespace {

using test::CliRun;

// The result-list commands on a seeded program folder (the real histories: 双色球 2026095 is
// 04 06 14 21 22 33 + 16; 超级大乐透 2026095 is 04 06 08 10 14 + 04 05).
class CliResults : public test::SeededCliSuite {
protected:
    static std::string file(const std::string& name, const std::string& text) {
        const std::string path = home->file(name);
        test::writeFile(path, text);
        return path;
    }
};

TEST_F(CliResults, PrizeOrdersByHitsStably) {
    const std::string results = file("prize.txt",
                                     "01 02 03 05 07 08 \r\n"
                                     "04 06 10 11 12 13 \r\n"
                                     "04 06 14 21 22 30 \r\n"
                                     "01 02 03 21 22 33 \r\n"
                                     "04 06 14 21 22 33 \r\n"
                                     "04 05 07 08 09 10 \r\n");
    const std::string out = home->file("prize-out.txt");
    const CliRun prize = run({"prize", results, "--period", "2026095", "--out", out});
    ASSERT_EQ(prize.code, 0) << prize.err;
    // The amounts as the generator's list shows them: 6+0 is 二等奖, floating without the draw's
    // table; 5+0 四等奖; the blue number counted as missed.
    EXPECT_EQ(prize.out,
              "04 06 14 21 22 33\t6\t浮动\n"
              "04 06 14 21 22 30\t5\t200\n"
              "01 02 03 21 22 33\t3\t\n"
              "04 06 10 11 12 13\t2\t\n"
              "04 05 07 08 09 10\t1\t\n"
              "01 02 03 05 07 08\t0\t\n"
              "中奖2注，奖金200元（另有1注浮动奖金，以开奖公告为准）；投入12元（红号组号不含蓝号，按蓝号未中计）\n");
    EXPECT_EQ(test::readFile(out).substr(0, 40), "04 06 14 21 22 33 \r\n04 06 14 21 22 30 \r\n");

    EXPECT_EQ(run({"prize", results, "--period", "1990001"}).code, 2);
    EXPECT_EQ(run({"prize", results}).code, 1);
    EXPECT_EQ(run({"prize", file("bad.txt", "01 02 0x 04 05 06\n"), "--period", "2026095"}).err,
              "组号文件第1行有误：0x\n");
}

TEST_F(CliResults, RewardGradesSixPlusOne) {
    const std::string tickets = file("reward.txt",
                                     "01 02 03 10 11 12 08 \r\n"
                                     "10 11 12 13 14 15 07 \r\n"
                                     "01 02 03 04 05 06 08 \r\n"
                                     "01 02 03 04 10 11 07 \r\n"
                                     "01 02 03 04 05 06 07 \r\n"
                                     "01 02 03 10 11 12 07 \r\n"
                                     "01 02 03 04 05 10 07 \r\n");
    const CliRun reward = run({"reward", tickets, "--draw", "01 02 03 04 05 06 + 07"});
    ASSERT_EQ(reward.code, 0) << reward.err;
    // Typed numbers name no draw, so no prize table: the fixed amounts, the top levels floating.
    EXPECT_EQ(reward.out,
              "01 02 03 04 05 06\t07\t一等奖\t浮动\n"
              "01 02 03 04 05 06\t08\t二等奖\t浮动\n"
              "01 02 03 04 05 10\t07\t三等奖\t3,000\n"
              "01 02 03 04 10 11\t07\t四等奖\t200\n"
              "01 02 03 10 11 12\t07\t五等奖\t10\n"
              "10 11 12 13 14 15\t07\t六等奖\t5\n"
              "01 02 03 10 11 12\t08\t未中奖\t\n"
              "一等奖:1个;二等奖:1个;三等奖:1个;四等奖:1个;五等奖:1个;六等奖:1个;未中奖:1个\n"
              "中奖6注，奖金3,215元（另有2注浮动奖金，以开奖公告为准）；投入14元\n");
    // The same tickets written with "+" between the zones, as the draw is typed.
    const std::string plusTickets = file("reward-plus.txt",
                                         "01 02 03 10 11 12 + 08\r\n10 11 12 13 14 15 + 07\r\n"
                                         "01 02 03 04 05 06 + 08\r\n01 02 03 04 10 11 + 07\r\n"
                                         "01 02 03 04 05 06+07\r\n01 02 03 10 11 12 +07\r\n"
                                         "01 02 03 04 05 10 + 07\r\n");
    EXPECT_EQ(run({"reward", plusTickets, "--draw", "01 02 03 04 05 06 + 07"}).out, reward.out);
    const CliRun misplaced =
        run({"reward", file("reward-bad.txt", "01 02 03 04 05 + 06 07\r\n"), "--draw", "01 02 03 04 05 06 + 07"});
    EXPECT_EQ(misplaced.code, 2);
    EXPECT_EQ(misplaced.err, "组号文件第1行有误：“+”只能写在第6个号码（主号）与副号之间\n");
    const CliRun byPeriod = run({"reward", tickets, "--period", "2026095", "--summary"});
    ASSERT_EQ(byPeriod.code, 0) << byPeriod.err;
    EXPECT_EQ(byPeriod.out,
              "一等奖:0个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:0个;六等奖:0个;未中奖:7个\n"
              "中奖0注，奖金0元；投入14元\n");

    EXPECT_EQ(run({"reward", tickets, "--draw", "01 02 03 04 05 + 07"}).code, 1) << "five main numbers";
    EXPECT_EQ(run({"reward", tickets, "--draw", "01 02 03 04 05 06 + 17"}).code, 1) << "out of range";
    EXPECT_EQ(run({"reward", tickets, "--draw", "01 02 03 04 05 06 + 07", "--period", "2026095"}).code, 1);
}

TEST_F(CliResults, RewardGradesFivePlusTwoByItsRules) {
    const std::string tickets = file("reward-dlt.txt",
                                     "01 02 03 09 11 04 05 \r\n"
                                     "04 06 08 10 14 04 05 \r\n"
                                     "04 06 08 10 35 01 05 \r\n");
    const CliRun reward = run({"--type", "1", "reward", tickets, "--period", "2026095"});
    ASSERT_EQ(reward.code, 0) << reward.err;
    // 超级大乐透's levels come from its rules (database/prizerules.txt, else the built-in table).
    EXPECT_EQ(reward.out,
              "04 06 08 10 14\t04 05\t一等奖\t浮动\n"
              "04 06 08 10 35\t01 05\t五等奖\t300\n"
              "01 02 03 09 11\t04 05\t九等奖\t5\n"
              "一等奖:1个;二等奖:0个;三等奖:0个;四等奖:0个;五等奖:1个;六等奖:0个;七等奖:0个;八等奖:0个;九等奖:1个;"
              "未中奖:0个\n"
              "中奖3注，奖金305元（另有1注浮动奖金，以开奖公告为准）；投入6元\n");
    const CliRun json = run({"--type", "1", "reward", tickets, "--period", "2026095", "--format", "json"});
    ASSERT_EQ(json.code, 0) << json.err;
    EXPECT_NE(json.out.find(R"("header":["主号","副号","中奖情况","奖金"])"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find(R"([[4,6,8,10,35],[1,5],"五等奖",300])"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find(R"("total":"中奖3注，奖金305元)"), std::string::npos) << json.out;
}

// A draw with its prize table stored beside the history (database/prize0.txt): the floating levels
// take the table's amounts; typed numbers (`reward --draw`) name no draw and keep the fixed amounts;
// a damaged rules file is named on stderr and the built-in rules are used.
TEST(CliPrizeMoney, AmountsComeFromTheDrawsStoredTable) {
    test::TempFolder home;
    ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR));
    // 双色球 2026094 is 06 13 15 17 24 25 + 01.
    const PrizeTable table{2026094, "2026-08-14", -1, -1, {{"一等奖", 3, 7165213}, {"二等奖", 120, 150000}}};
    ASSERT_TRUE(savePrizeTables(prizeTablePath(home.path(), 0), {table}));
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path()});
        return test::cli(args);
    };
    const std::string results = home.file("main.txt");
    test::writeFile(results, "01 02 03 04 05 07 \r\n06 13 15 17 24 30 \r\n06 13 15 17 24 25 \r\n");
    const CliRun prize = run({"prize", results, "--period", "2026094"});
    ASSERT_EQ(prize.code, 0) << prize.err;
    EXPECT_EQ(prize.out,
              "06 13 15 17 24 25\t6\t150,000\n"
              "06 13 15 17 24 30\t5\t200\n"
              "01 02 03 04 05 07\t0\t\n"
              "中奖2注，奖金150,200元；投入6元（红号组号不含蓝号，按蓝号未中计）\n");

    const std::string tickets = home.file("two.txt");
    test::writeFile(tickets, "06 13 15 17 24 25 02 \r\n06 13 15 17 24 25 01 \r\n");
    const CliRun byPeriod = run({"reward", tickets, "--period", "2026094", "--format", "json"});
    ASSERT_EQ(byPeriod.code, 0) << byPeriod.err;
    EXPECT_NE(byPeriod.out.find(R"([[6,13,15,17,24,25],1,"一等奖",7165213],[[6,13,15,17,24,25],2,"二等奖",150000])"),
              std::string::npos)
        << byPeriod.out;
    EXPECT_NE(byPeriod.out.find(R"("total":"中奖2注，奖金7,315,213元；投入4元")"), std::string::npos) << byPeriod.out;
    const CliRun typed = run({"reward", tickets, "--draw", "06 13 15 17 24 25 + 01"});
    ASSERT_EQ(typed.code, 0) << typed.err;
    EXPECT_EQ(test::linesOf(typed.out).back(), "中奖2注，奖金0元（另有2注浮动奖金，以开奖公告为准）；投入4元");

    test::writeFile(home.file("database/prizerules.txt"), "# 规则\r\n双色球\t一等奖\t六加一\t浮动\r\n");
    const CliRun damaged = run({"reward", tickets, "--draw", "06 13 15 17 24 25 + 01", "--summary"});
    ASSERT_EQ(damaged.code, 0) << damaged.err;
    EXPECT_NE(damaged.err.find("奖级规则第"), std::string::npos) << damaged.err;
    EXPECT_EQ(damaged.out, typed.out.substr(typed.out.find("一等奖:")));
}

TEST_F(CliResults, RemoveAndPrint) {
    const std::string results = file("remove.txt",
                                     "01 02 03 04 05 06 \r\n"
                                     "01 02 03 04 05 07 \r\n"
                                     "01 02 03 04 05 08 \r\n"
                                     "01 02 03 04 05 06 \r\n");
    const std::string out = home->file("remove-out.txt");
    const CliRun removed =
        run({"remove", results, file("list.txt", "06 05 04 03 02 01\r\n01 02 03 04 05 08\r\n"), "--out", out});
    ASSERT_EQ(removed.code, 0) << removed.err;
    EXPECT_EQ(removed.out, "1\n");
    EXPECT_EQ(test::readFile(out), "01 02 03 04 05 07 \r\n");
    const CliRun bad = run({"remove", results, file("badlist.txt", "01 02 03 04 05 06\r\n01 02 03\r\n")});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.err, "第2行号码组有误，请正确填入\n");
    EXPECT_EQ(run({"remove", results}).code, 1);

    const std::string printout = home->file("print.txt");
    const CliRun print = run({"print", results, "--out", printout});
    ASSERT_EQ(print.code, 0) << print.err;
    EXPECT_TRUE(print.out.empty());
    EXPECT_EQ(test::fileSize(printout), 62 + 2 + 4 * (12 + 48 + 2));  // GBK: the six-column header is 62 bytes
    EXPECT_EQ(run({"print", results}).code, 1);
}

TEST_F(CliResults, SecondaryAndSpecialFilters) {
    SecondaryConditions pairs = resetSecondaryConditions(12);
    pairs.rows[SecondaryConditions::Sum] = {true, {13}, false};
    const std::string fzh = home->file("a.fzh");
    ASSERT_TRUE(saveSecondaryConditions(fzh, pairs, 12));
    const std::string out = home->file("pairs.txt");
    const CliRun secondary = run({"--type", "1", "secondary", fzh, "--out", out});
    ASSERT_EQ(secondary.code, 0) << secondary.err;
    EXPECT_EQ(secondary.out, "超强组号  已得到符合条件的副号组有6个\n");
    EXPECT_EQ(test::readFile(out), "01 12 \r\n02 11 \r\n03 10 \r\n04 09 \r\n05 08 \r\n06 07 \r\n");
    EXPECT_EQ(run({"--type", "1", "secondary", fzh, "--period", "2026090"}).code, 0);
    EXPECT_EQ(run({"--type", "1", "secondary", fzh, "--period", "1990001"}).code, 2);
    const CliRun wrongGame = run({"secondary", fzh});
    EXPECT_EQ(wrongGame.code, 2);
    EXPECT_EQ(wrongGame.err, "副区过滤只适用于副号为2个的彩种\n");

    SpecialNumberConditions blue;
    blue.parity = {true, 0, true};
    blue.zone = {true, 0, false};
    const std::string lzh = home->file("a.lzh");
    ASSERT_TRUE(saveSpecialNumberConditions(lzh, blue));
    const CliRun special = run({"special", lzh});
    ASSERT_EQ(special.code, 0) << special.err;
    EXPECT_EQ(special.out, "过滤结果：共8个\n01\n02\n03\n04\n05\n06\n07\n08\n");
    const CliRun codes = run({"special", lzh, "--codes"});
    ASSERT_EQ(codes.code, 0);
    EXPECT_EQ(codes.out.find("过滤结果：共8个\n01\t1\t0\n02\t1\t1\n"), 0u);
    EXPECT_NE(codes.out.find("\n16\t0\t1\n"), std::string::npos);
    EXPECT_EQ(run({"--type", "1", "special", lzh}).code, 2);
    test::writeFile(home->file("short.lzh"), std::string(100, '\0'));
    EXPECT_EQ(run({"special", home->file("short.lzh")}).code, 2) << "a cut-off file is refused";
}

TEST_F(CliResults, MatchAndPickTwoZones) {
    const std::string main = file("main.txt", "01 02 03 04 05 06 \r\n07 08 09 10 11 12 \r\n13 14 15 16 17 18 \r\n");
    const std::string blue = file("blue.txt", "05 \r\n09 \r\n");
    const std::string out = home->file("two.txt");
    const CliRun sequential = run({"match", main, blue, "--style", "sequential", "--out", out});
    ASSERT_EQ(sequential.code, 0) << sequential.err;
    EXPECT_EQ(sequential.out, "超强组号  已得到双区组合数有3个\n");
    EXPECT_EQ(test::readFile(out), "01 02 03 04 05 06 05 \r\n07 08 09 10 11 12 09 \r\n13 14 15 16 17 18 05 \r\n");
    EXPECT_EQ(run({"match", main, blue, "--style", "all"}).out, "超强组号  已得到双区组合数有6个\n");
    const std::string r1 = home->file("r1.txt"), r2 = home->file("r2.txt");
    ASSERT_EQ(run({"match", main, blue, "--style", "random", "--seed", "7", "--out", r1}).code, 0);
    ASSERT_EQ(run({"match", main, blue, "--style", "random", "--seed", "7", "--out", r2}).code, 0);
    EXPECT_EQ(test::readFile(r1), test::readFile(r2));
    const CliRun empty = run({"match", main, file("none.txt", ""), "--style", "all"});
    EXPECT_EQ(empty.code, 2);
    EXPECT_EQ(empty.err, "蓝号没有过滤结果，请先得出蓝号过滤结果\n");
    EXPECT_EQ(run({"match", main, blue, "--style", "sideways"}).code, 1);

    const CliRun pick = run({"--type", "1", "pick2", "3", "--seed", "11"});
    ASSERT_EQ(pick.code, 0) << pick.err;
    EXPECT_EQ(pick.out, run({"--type", "1", "pick2", "3", "--seed", "11"}).out);
    std::istringstream lines(pick.out);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        ASSERT_EQ(line.size(), 14u + 1 + 5) << line;
        EXPECT_EQ(line[14], '\t');
    }
    EXPECT_EQ(count, 3);
    std::istringstream ten(run({"pick2", "--seed", "1"}).out);
    int tens = 0;
    for (std::string line; std::getline(ten, line);) ++tens;
    EXPECT_EQ(tens, 10);
}

// A batch of A then B gives, byte for byte, the results and tags of a run of A followed by continue
// filtering with B.
TEST_F(CliResults, BatchEqualsFilterThenContinue) {
    MainConditions a = resetConditions(33), b = resetConditions(33);
    for (int n = 21; n <= 33; ++n) a.selectable[n] = b.selectable[n] = false;
    const auto row = [](std::vector<int32_t> allowed, bool tolerant) {
        CatalogueCondition condition;
        condition.enabled = true;
        condition.allowed = std::move(allowed);
        condition.tolerant = tolerant;
        return condition;
    };
    a.rows[1] = row({2, 3}, false);
    a.rows[2] = row({3}, false);
    b.rows[3] = row({1, 2}, true);
    b.rows[5] = row({0, 1}, false);
    const std::string fa = home->file("ba.zh"), fb = home->file("bb.zh");
    ASSERT_TRUE(saveMainConditions(fa, a, 33));
    ASSERT_TRUE(saveMainConditions(fb, b, 33));
    const std::string r1 = home->file("b-r1.txt"), t1 = home->file("b-t1.txt");
    const std::string mid = home->file("b-mid.txt"), r2 = home->file("b-r2.txt"), t2 = home->file("b-t2.txt");
    const std::string gone = home->file("gone.zh");
    const CliRun batch = run({"batch", fa, gone, fb, "--out", r1, "--tags", t1});
    ASSERT_EQ(batch.code, 0) << batch.err;
    const std::vector<std::string> out = [&] {
        std::vector<std::string> lines;
        std::istringstream in(batch.out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }();
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].find("超强组号  筛选耗时"), 0u);
    EXPECT_NE(out[1].find("系统保留的记录个数"), std::string::npos);
    EXPECT_EQ(out[2], "批量过滤完毕");
    EXPECT_EQ(batch.err, "未找到的条件文件：" + gone + "\n");

    ASSERT_EQ(run({"filter", fa, "--out", mid}).code, 0);
    ASSERT_EQ(run({"continue", fb, "--in", mid, "--out", r2, "--tags", t2}).code, 0);
    EXPECT_EQ(test::readFile(r1), test::readFile(r2));
    EXPECT_EQ(test::readFile(t1), test::readFile(t2));
    EXPECT_NE(test::readFile(t1).find_first_not_of("0\r\n"), std::string::npos) << "tags that reorder";

    MainConditions noBounds = resetConditions(33);
    noBounds.rows[34].enabled = true;
    const std::string fc = home->file("bc.zh");
    ASSERT_TRUE(saveMainConditions(fc, noBounds, 33));
    const CliRun refused = run({"batch", fa, fc, "--out", r1});
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.out, "") << "no run before the refusal";
    EXPECT_EQ(refused.err, fc + "：标准差还未确定范围\n");
    EXPECT_EQ(run({"batch"}).code, 1);
    EXPECT_EQ(run({"batch", fa, "--mode", "sideways"}).code, 1);
}

}  // namespace
}  // namespace lottodesk

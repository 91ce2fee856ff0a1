#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cli/cli.h"
#include "core/firstrun.h"
#include "generator/condfile.h"
#include "generator/wheel.h"
#include "support/clirun.h"

namespace lottodesk {
namespace {

using test::CliRun;

std::vector<std::string> lines(const std::string& text) { return test::linesOf(text); }

// The wheel commands on a seeded program folder (the real histories).
class CliWheel : public test::SeededCliSuite {
protected:
    // A condition file with the given selectable and fixed numbers and nothing else.
    static std::string conditionFile(const std::string& name, const std::vector<int>& selectable,
                                     const std::vector<int>& fixed = {}) {
        MainConditions c = resetConditions(33);
        c.noEqualSpacing = c.noSpecialRuns = false;
        c.selectable.fill(false);
        for (int n : selectable) c.selectable[n] = true;
        for (int n : fixed) c.fixed[n] = true;
        const std::string path = home->file(name);
        EXPECT_TRUE(saveMainConditions(path, c, 33));
        return path;
    }
};

TEST_F(CliWheel, WheelPrintsTheTicketsAndTheirCount) {
    CliRun seven = run({"wheel", "--pool", "1 2 3 4 5 6 7"});
    ASSERT_EQ(seven.code, 0) << seven.err;
    EXPECT_EQ(seven.out, "02 03 04 05 06 07\n");
    EXPECT_EQ(seven.err, "共1注\n");

    const std::string out = home->file("w.txt");
    CliRun ten = run({"wheel", "--pool", "01,02,03,04,05,06,07,08,09,10", "--guarantee", "中四保四", "--out", out});
    ASSERT_EQ(ten.code, 0) << ten.err;
    // With --out the tickets go to the file only, unless --print asks for them too.
    EXPECT_EQ(ten.out, "");
    EXPECT_EQ(ten.err, "共21注\n");
    EXPECT_EQ(test::readFile(out).substr(0, 20), "05 06 07 08 09 10 \r\n");
    CliRun printed =
        run({"wheel", "--pool", "01,02,03,04,05,06,07,08,09,10", "--guarantee", "中四保四", "--out", out, "--print"});
    ASSERT_EQ(printed.code, 0) << printed.err;
    ASSERT_EQ(lines(printed.out).size(), 21u);
    EXPECT_EQ(lines(printed.out)[0], "05 06 07 08 09 10");

    CliRun fixed = run({"wheel", "--pool", "1 2 3 4 5 6 7 8 9", "--fixed", "1 2", "--guarantee", "中五保五"});
    ASSERT_EQ(fixed.code, 0);
    for (const std::string& line : lines(fixed.out)) EXPECT_EQ(line.substr(0, 6), "01 02 ");
}

TEST_F(CliWheel, WheelCheckFindsTheMissedDraw) {
    const std::string out = home->file("check.txt");
    ASSERT_EQ(run({"wheel", "--pool", "1 2 3 4 5 6 7 8 9 10", "--guarantee", "中五保四", "--out", out}).code, 0);
    for (const GuaranteeRule& rule : kGuaranteeRules) {
        CliRun check = run({"wheel-check", out, "--pool", "1 2 3 4 5 6 7 8 9 10", "--guarantee", rule.name});
        if (rule.guarantee == Guarantee::FiveKeepFour || rule.guarantee == Guarantee::SixKeepFour) {
            EXPECT_EQ(check.code, 0) << rule.name;
            EXPECT_EQ(check.out, "ok\n");
        } else {
            EXPECT_EQ(check.code, 2) << rule.name;
            EXPECT_EQ(lines(check.out).size(), 1u);
        }
    }
    test::writeFile(out, "01 02 03 04 05 06 \r\n");
    CliRun missed = run({"wheel-check", out, "--pool", "1 2 3 4 5 6 7", "--guarantee", "中五保五"});
    EXPECT_EQ(missed.code, 2);
    EXPECT_EQ(missed.out, "01 02 03 04 07\n");
}

TEST_F(CliWheel, BadInputStopsWithAMessage) {
    const std::string results = home->file("bad-results.txt");
    test::writeFile(results, "01 02 03 04 05 x\r\n");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"wheel", "--pool", "1 2 x"}, 2, "“x”不是号码"},
        {{"wheel", "--pool", "1 2 60"}, 2, "号码60超出范围1..49"},
        {{"wheel", "--pool", "1 2 2 3"}, 2, "号码2重复"},
        {{"wheel", "--pool", "1 2 3", "--fixed", "1 2 3 4 5 6 7"}, 2, "选择红号胆码不能大于6个"},
        {{"wheel", "--pool", "1 2 3", "--guarantee", "中七保六"}, 1, "--guarantee"},
        {{"wheel"}, 1, "用法"},
        {{"wheel", "--pool"}, 1, "用法"},
        {{"wheel", "--pool", "1 2 3", "--seconds", "5"}, 1, "--seconds"},
        {{"wheel", "--pool", "1 2 3", "--optimise", "--seconds", "-1"}, 1, "--seconds"},
        {{"wheel", "--pool", "1 2 3", "--seed", "abc"}, 1, "--seed"},
        {{"wheel-check", "--pool", "1 2 3", "--guarantee", "中五保五"}, 1, "用法"},
        {{"wheel-check", results, "--pool", "1 2 3"}, 1, "用法"},
        {{"wheel-check", home->file("missing.txt"), "--pool", "1 2 3", "--guarantee", "中五保五"}, 2, "无法读取文件"},
        {{"wheel-check", results, "--pool", "1 2 3", "--guarantee", "中五保五"}, 2, "组号文件第1行有误"},
    };
    for (const Case& c : cases) {
        CliRun result = run(c.args);
        EXPECT_EQ(result.code, c.code) << c.args[0] << " " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty());
    }
}

TEST_F(CliWheel, OptimisedWheelKeepsTheGuaranteeAndNamesTheBestKnownSize) {
    const std::string out = home->file("optimised.txt");
    CliRun optimised = run({"wheel", "--pool", "1 2 3 4 5 6 7 8 9", "--guarantee", "中四保四", "--optimise",
                            "--seconds", "20", "--seed", "3", "--out", out});
    ASSERT_EQ(optimised.code, 0) << optimised.err;
    const auto err = lines(optimised.err);
    ASSERT_EQ(err.size(), 2u);
    EXPECT_NE(err[1].find("已知最好12注"), std::string::npos) << err[1];
    EXPECT_LE(lines(optimised.out).size(), 13u);
    EXPECT_EQ(run({"wheel-check", out, "--pool", "1 2 3 4 5 6 7 8 9", "--guarantee", "中四保四"}).out, "ok\n");

    CliRun lotto = run({"wheel", "--pool", "1 2 3 4 5 6 7 8 9 10", "--guarantee", "中六保四", "--optimise", "--seconds",
                        "1", "--seed", "3", "--out", out});
    ASSERT_EQ(lotto.code, 0);
    EXPECT_NE(lotto.err.find("已知最好无记录"), std::string::npos);
    EXPECT_EQ(run({"wheel-check", out, "--pool", "1 2 3 4 5 6 7 8 9 10", "--guarantee", "中六保四"}).out, "ok\n");
}

TEST_F(CliWheel, FilterWheelModesTakeThePoolOfTheConditionFile) {
    const std::string zh = conditionFile("pool.zh", {1, 2, 3, 4, 5, 6, 7, 8, 9}, {9});
    const std::string out = home->file("fw.txt"), tags = home->file("fw-tags.txt");
    CliRun wheel = run({"filter", zh, "--mode", "wheel", "--guarantee", "中五保五", "--out", out, "--tags", tags});
    ASSERT_EQ(wheel.code, 0) << wheel.err;
    EXPECT_EQ(wheel.out.find("超强组号  筛选耗时"), 0u);
    const std::string wheelText = test::readFile(out);
    const size_t count = wheelText.size() / 20;
    EXPECT_NE(wheel.out.find("微秒  已得到符合条件的红号组有" + std::to_string(count) + "个\n"), std::string::npos);
    EXPECT_EQ(wheelText.substr(0, 20), "04 05 06 07 08 09 \r\n");
    EXPECT_TRUE(wheel.err.empty()) << "nine numbers ask no question";
    EXPECT_EQ(run({"wheel-check", out, "--pool", "1 2 3 4 5 6 7 8 9", "--fixed", "9", "--guarantee", "中五保五"}).out,
              "ok\n");
    // No condition: the filtered wheel is the wheel.
    CliRun filtered =
        run({"filter", zh, "--mode", "filter-wheel", "--guarantee", "中五保五", "--out", out, "--tags", tags});
    ASSERT_EQ(filtered.code, 0) << filtered.err;
    EXPECT_EQ(test::readFile(out), wheelText);
    std::string zeros;
    for (size_t i = 0; i < count; ++i) zeros += "0\r\n";
    EXPECT_EQ(test::readFile(tags), zeros);

    // A wide pool: the question goes to stderr and the run goes on.
    const std::string wide =
        conditionFile("wide.zh", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21});
    CliRun asked = run({"filter", wide, "--mode", "wheel", "--guarantee", "中四保四"});
    ASSERT_EQ(asked.code, 0);
    EXPECT_NE(asked.err.find("旋转矩阵用到的可选红码范围太宽"), std::string::npos);
}

TEST_F(CliWheel, RandomModesAreSeedable) {
    const std::string zh = conditionFile("all.zh", {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                                                    18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33});
    const std::string a = home->file("a.txt"), b = home->file("b.txt");
    CliRun first = run({"filter", zh, "--mode", "random", "--count", "25", "--seed", "11", "--out", a});
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_NE(first.out.find("已得到符合条件的红号组有25个"), std::string::npos);
    ASSERT_EQ(run({"filter", zh, "--mode", "random", "--count", "25", "--seed", "11", "--out", b}).code, 0);
    EXPECT_EQ(test::readFile(a), test::readFile(b));
    EXPECT_EQ(test::readFile(a).size(), 25u * 20);
    ASSERT_EQ(run({"filter", zh, "--mode", "random", "--seed", "12", "--out", b}).code, 0);
    EXPECT_EQ(test::readFile(b).size(), 10u * 20) << "ten tickets when no count is given";

    // "过滤后机选": a sample of the filter's results.
    const std::string small = conditionFile("small.zh", {1, 2, 3, 4, 5, 6, 7});
    CliRun sample = run({"filter", small, "--mode", "filter-random", "--count", "4", "--seed", "1", "--out", a});
    ASSERT_EQ(sample.code, 0) << sample.err;
    EXPECT_NE(sample.out.find("已得到符合条件的红号组有4个"), std::string::npos);
    CliRun all = run({"filter", small, "--mode", "filter-random", "--count", "100", "--seed", "1", "--out", a});
    EXPECT_NE(all.out.find("已得到符合条件的红号组有7个"), std::string::npos) << "all of them when fewer pass";

    // Random picks suit every game; wheels only six-number ones.
    CliRun dlt = run({"--type", "1", "filter", zh, "--mode", "random", "--count", "3", "--seed", "1", "--out", a});
    ASSERT_EQ(dlt.code, 0) << dlt.err;
    EXPECT_EQ(test::readFile(a).size(), 3u * 17);
    CliRun dltWheel = run({"--type", "1", "filter", zh, "--mode", "wheel"});
    EXPECT_EQ(dltWheel.code, 2);
    EXPECT_NE(dltWheel.err.find("旋转矩阵只适用于开奖主号为6个的彩种"), std::string::npos);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--count", "10000"}, {"--count", "-1"}, {"--count", "x"}, {"--seed", "-3"}, {"--guarantee", "x"}}) {
        std::vector<std::string> args = {"filter", zh, "--mode", "random"};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_EQ(run(args).code, 1) << bad[0] << " " << bad[1];
    }
}

}  // namespace
}  // namespace lottodesk

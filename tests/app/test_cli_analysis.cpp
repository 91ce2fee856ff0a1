#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/clirun.h"

namespace lottodesk {
namespace {

// One draw as `draws` prints it: the period and the main numbers.
struct Draw {
    long period = 0;
    std::vector<int> main;
};

std::vector<Draw> drawsOf(const std::string& text) {
    std::vector<Draw> draws;
    for (const std::string& line : test::linesOf(text)) {
        std::istringstream in(line);
        Draw d;
        std::string numbers;
        in >> d.period;
        in.ignore(1);
        std::getline(in, numbers, '\t');
        std::istringstream nums(numbers);
        for (int n; nums >> n;) d.main.push_back(n);
        draws.push_back(d);
    }
    return draws;
}

class CliAnalysis : public test::SeededCliSuite {
protected:
    // The draws of a type as `draws` prints them.
    static std::vector<Draw> draws(const std::string& type) {
        const test::CliRun r = run({"--type", type, "draws"});
        EXPECT_EQ(r.code, 0) << r.err;
        return drawsOf(r.out);
    }
};

TEST_F(CliAnalysis, AnalyseAgreesWithTheTextOnTheRealHistory) {
    // Literal references written from the indicator definitions, on 双色球 (the seven-number game
    // is covered by the engine tests).
    struct Case {
        const char* type;
        const char* text;
        int (*reference)(const std::vector<int>& main);
    };
    const Case cases[] = {
        {"0", "z_hz",
         [](const std::vector<int>& m) {
             int s = 0;
             for (int n : m) s += n;
             return s;
         }},
        {"0", "xh21%10", [](const std::vector<int>& m) { return (m[1] + m[0]) % 10; }},
        {"0", "z_num1%3", [](const std::vector<int>& m) { return m[0] % 3; }},
        {"0", "xc61", [](const std::vector<int>& m) { return m[5] - m[0]; }},
    };
    for (const Case& c : cases) {
        const std::vector<Draw> history = draws(c.type);
        ASSERT_GT(history.size(), 1000u);
        const test::CliRun r = run({"--type", c.type, "analyse", c.text});
        ASSERT_EQ(r.code, 0) << c.text << r.err;
        const std::vector<std::string> lines = test::linesOf(r.out);
        ASSERT_EQ(lines.size(), history.size() + 1) << c.text;
        int lo = 1 << 30, hi = -(1 << 30);
        for (size_t i = 0; i < history.size(); ++i) {
            const int value = c.reference(history[i].main);
            lo = std::min(lo, value);
            hi = std::max(hi, value);
            ASSERT_EQ(lines[i + 1], std::to_string(history[i].period) + "\t" + std::to_string(value))
                << c.type << " " << c.text;
        }
        EXPECT_EQ(lines[0], std::to_string(lo) + "\t" + std::to_string(hi)) << c.text;
    }
}

TEST_F(CliAnalysis, AnalyseRangeFieldsAndFailures) {
    // Both range fields give the range; given high end first they are swapped; one alone is ignored.
    EXPECT_EQ(test::linesOf(run({"analyse", "z_num1", "--from", "1", "--to", "33"}).out)[0], "1\t33");
    EXPECT_EQ(test::linesOf(run({"analyse", "z_num1", "--from", "33", "--to", "1"}).out)[0], "1\t33");
    EXPECT_EQ(test::linesOf(run({"analyse", "z_num1", "--from", "5"}).out)[0],
              test::linesOf(run({"analyse", "z_num1"}).out)[0]);
    // A constant series: the high end becomes low + main count - 1.
    EXPECT_EQ(test::linesOf(run({"analyse", "7"}).out)[0], "7\t12");

    const test::CliRun bad = run({"analyse", "z_hz+("});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.err.rfind("公式有误:", 0), 0u) << bad.err;
    EXPECT_TRUE(bad.out.empty());

    const test::CliRun text = run({"analyse", "z_hz", "--from", "abc", "--to", "3"});
    EXPECT_EQ(text.code, 2);
    EXPECT_NE(text.err.find("abc"), std::string::npos) << text.err;
    EXPECT_EQ(run({"analyse"}).code, 1);
    EXPECT_EQ(run({"analyse", "z_hz", "--to"}).code, 1);
}

}  // namespace
}  // namespace lottodesk

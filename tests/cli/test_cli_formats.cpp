// The output formats of the table and list commands (TSV, CSV, JSON) and the one option reader.

#include <gtest/gtest.h>

#include "cli/options.h"
#include "cli/tablewriter.h"
#include "support/clirun.h"

namespace lottodesk {
namespace {

using test::CliRun;

TEST(CliTableWriter, JsonCellsAreTypedByTheirText) {
    const struct {
        const char* text;
        const char* json;
    } cases[] = {
        {"08", "8"},
        {"-12", "-12"},
        {"0", "0"},
        {"-0", "0"},
        {"3.50", "3.50"},
        {"03 08 19", "[3,8,19]"},
        {"", "\"\""},
        {"预测区", "\"预测区\""},
        {"1.5 2", "\"1.5 2\""},
        {"5+1", "\"5+1\""},
        {"a\"b\\", "\"a\\\"b\\\\\""},
        {"12.", "\"12.\""},
        {"1  2", "\"1  2\""},
        {"x\ty\n", "\"x\\ty\\n\""},
    };
    for (const auto& c : cases) EXPECT_EQ(cli::jsonCell(c.text), c.json) << c.text;
    EXPECT_EQ(cli::jsonCell("12", true), "\"12\"");
}

TEST(CliTableWriter, CsvQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(cli::csvField("01 02"), "01 02");
    EXPECT_EQ(cli::csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(cli::csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(cli::csvField("two\nlines"), "\"two\nlines\"");
}

TEST(CliOptions, OneReaderForEveryCommand) {
    const std::vector<cli::OptionSpec> spec = {cli::valued("--from"), cli::valued("--range", 2),
                                               cli::flagged("--slow")};
    std::string problem;
    const auto read = cli::readOptions({"X", "--range", "1", "9", "--slow", "--from", "-3"}, spec, 1, problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ(read->positional, std::vector<std::string>{"X"});
    EXPECT_EQ(read->value("--range", 1), "9");
    EXPECT_EQ(read->value("--from"), "-3");
    EXPECT_TRUE(read->has("--slow"));
    EXPECT_EQ(read->valueOr("--to", "none"), "none");
    const struct {
        std::vector<std::string> args;
        const char* problem;
    } bad[] = {
        {{"--to", "1"}, "未知选项: --to"},
        {{"--from", "1", "--from", "2"}, "选项重复: --from"},
        {{"--range", "1"}, "选项缺少参数: --range"},
        {{"X", "Y"}, "多余的参数: Y"},
    };
    for (const auto& b : bad) {
        EXPECT_FALSE(cli::readOptions(b.args, spec, 1, problem));
        EXPECT_EQ(problem, b.problem);
    }
}

class CliFormats : public test::SeededCliSuite {};

TEST_F(CliFormats, TsvIsTheDefaultAndUnchanged) {
    const CliRun plain = run({"draws"});
    const CliRun tsv = run({"draws", "--format", "tsv"});
    ASSERT_EQ(plain.code, 0);
    EXPECT_EQ(plain.out, tsv.out);
    EXPECT_EQ(test::linesOf(plain.out)[0], "2003001\t10 11 12 13 26 28\t11");
}

TEST_F(CliFormats, JsonHasTheHeaderAndTypedRows) {
    const CliRun draws = run({"draws", "--format", "json"});
    ASSERT_EQ(draws.code, 0) << draws.err;
    EXPECT_EQ(
        draws.out.rfind("{\"header\":[\"期数\",\"主号\",\"副号\"],\"rows\":[[2003001,[10,11,12,13,26,28],11],", 0), 0u);
    EXPECT_EQ(draws.out.substr(draws.out.size() - 3), "]}\n");

    // A view's header comes from the view, summary lines become fields.
    const CliRun counts = run({"table", "analysis", "z_num1", "--view", "counts", "--recent", "3", "--format", "json"});
    ASSERT_EQ(counts.code, 0) << counts.err;
    EXPECT_EQ(counts.out.rfind("{\"header\":[\"指标取值\",\"出现次数\"],\"rows\":[[", 0), 0u);
    EXPECT_NE(counts.out.find("],\"periods\":\"共3期\"}"), std::string::npos) << counts.out;

    // A text column stays text even where it looks like a number; a level "5+1" is no sum.
    const CliRun types = run({"types", "--format", "json"});
    EXPECT_NE(types.out.find("[0,\"双色球\",6,1,33,1,1,16,"), std::string::npos) << types.out.substr(0, 200);
}

TEST_F(CliFormats, CsvHasTheSameColumns) {
    const CliRun csv = run({"table", "stats", "--page", "labels", "--format", "csv"});
    ASSERT_EQ(csv.code, 0) << csv.err;
    const auto lines = test::linesOf(csv.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "标签,文字\r");
    const CliRun reward =
        run({"reward", home->file("none.txt"), "--draw", "01 02 03 04 05 06 + 07", "--format", "csv"});
    EXPECT_EQ(reward.code, 2);  // the file is missing: nothing half-written on stdout
    EXPECT_EQ(reward.out, "");
}

TEST_F(CliFormats, BadFormatsAreUsageErrors) {
    EXPECT_EQ(run({"draws", "--format", "xml"}).code, 1);
    EXPECT_EQ(run({"draws", "--format"}).code, 1);
    // A command that prints no table takes no --format.
    EXPECT_EQ(run({"precheck", "z_hz", "--format", "json"}).code, 1);
}

TEST_F(CliFormats, EnteredFormulasArePrechecked) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"eval", "z_hzz"},
                                                 {"series", "z_hz+("},
                                                 {"verdicts", "hmsh", "z_hzz"},
                                                 {"analyse", "z_hzz"},
                                                 {"search", "hmsh", "--indicator", "z_hzz", "--seed", "1"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.code, 2) << args[0];
        EXPECT_EQ(r.err.rfind("公式有误:", 0), 0u) << args[0] << ": " << r.err;
    }
    const CliRun lenient = run({"eval", "z_hzz", "--lenient"});
    EXPECT_EQ(lenient.code, 0);
    EXPECT_EQ(lenient.out, "-999\n");
}

}  // namespace
}  // namespace lottodesk

#include <gtest/gtest.h>

#include "formula/tgs.h"
#include "support/history.h"

namespace lottodesk {
namespace {

using test::SsqContext;

// Three draws; the last one is current unless a test says otherwise.
class Formula : public ::testing::Test {
protected:
    void SetUp() override {
        test::fill(store, {{1, 2, 3, 4, 5, 6, 7}, {3, 8, 15, 22, 27, 31, 9}, {4, 8, 16, 23, 30, 33, 12}});
    }
    EvalResult eval(const std::string& text, int n = 3) {
        SsqContext c(store);
        return tgs(text).evaluate(c.ctx, n);
    }
    t_s_dm store;
};

TEST_F(Formula, ValuesLeftToRight) {
    const std::pair<const char*, int32_t> cases[] = {
        {"1+2*3", 9},      {"(1+2)*3", 9},    {"1+(2*3)", 7},     {"7/2", 3},          {"0-7/2", -3},
        {"7%3", 1},        {"0-7%3", -1},     {"2*3+1", 7},       {"10-2-3", 5},       {"8/2/2", 2},
        {"1+2>2", 1},      {"25!10", 5},      {"20!10", 10},      {"7!10", 7},         {"3>2", 1},
        {"2>3", 0},        {"2=2", 1},        {"3&0", 0},         {"3#0", 1},          {"0#0", 0},
        {"65536&65536", 0}, {"5!0", 5},       {"5!0-3", 2},       {"(((((1)))))", 1},  {"((((((((2+1))))))))*2", 6},
        {"max(0-5,0-3)", -1}, {"min(1000000,1000001)", 999999}, {"mid(1,2,9)", 2}, {"mid(1,3)", 1},
        {"mid(1,2)", 1},   {"mid(2,3,4,5)", 3}, {"abs(0-5)", 5},   {"abs(9,0-5)", 5},   {"if(1,10,20)", 10},
        {"if(0,10,20)", 20}, {"if(1,10)", 0}, {"if(0,10)", 10},   {"if(7)", 0},        {"max(min(1,9),5)", 5},
        {"max(,3)", 3},    {"max(0-4,)", 0},  {"z_hz", 4 + 8 + 16 + 23 + 30 + 33},   {"z_xyz+1", -998},
        {"[-1]z_hz", 3 + 8 + 15 + 22 + 27 + 31}, {"[-5]z_num1", 1}, {"[+2]z_num1", 4}, {"[-1]f_num1+f_num1", 21},
        {"min(f_num1,[-1]f_num1,[-2]f_num1)", 7}, {"max(f_num1,[-1]f_num1,[-2]f_num1)", 12},
        {"z_hz 5", 114}, {"(z_hz)z_wh", 114}, {"getzb(z_num2)", 8}, {"getzb(1,z_num2)+1", 9},
        {"[-1]getzb(z_num1)+z_num1", 7}, {"[-2]max(z_num1,0)+z_num1", 5}, {"2147483647+0", INT32_MAX},
        {"0-2147483647-1", INT32_MIN}, {"65535*32768", 2147450880},
    };
    for (auto [text, expected] : cases) {
        EvalResult result = eval(text);
        EXPECT_TRUE(result.ok) << text << ": " << result.message;
        EXPECT_EQ(result.value, expected) << text;
    }
}

TEST_F(Formula, SyntaxErrorsKeepTheValueReached) {
    struct Case {
        const char* text;
        const char* message;
        int32_t value;
    } cases[] = {
        {"", "你还未输入公式", 0},
        {"-1+z_hz", "", 0},
        {"z_hz+", "运算符号后只能接指标或数据或括号", 114},
        {"z_hz+-1", "运算符号后只能接指标或数据或括号", 114},
        {"3z_hz", "数值型数据不能是字符，或者指标名开头不能是数字", 3},
        {"z_hz)", "括号不匹配或位置不当", 114},
        {"[-1z_hz", "＂[＂没有＂]＂匹配", 0},
        {"[1a]z_hz", "＂[＂没有＂]＂匹配", 0},
        {"sum(z_hz)", "sum函数不存在", 0},
        {"max(z_hz", "函数体不正确,括号不匹配", 0},
        {"max(z_hz)z_wh", "函数体后只能接运算符或括号", 114},
        {"()", "\"(\"后应接数据或指标", 0},
        {"1+(2+", "运算符号后只能接指标或数据或括号", 2},
        {"[-1]5", "", 0},
        {"1+[-1]5", "运算符号后只能接指标或数据或括号", 1},
        {"([-1]", "\"(\"后应接数据或指标", 0},
    };
    for (const Case& c : cases) {
        EvalResult result = eval(c.text);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.fault, EvalResult::Fault::Syntax) << c.text;
        EXPECT_EQ(result.message, c.message) << c.text;
        EXPECT_EQ(result.value, c.value) << c.text;
    }
    EXPECT_TRUE(eval("(z_hz").ok) << "an open group at the end is no error";
}

TEST_F(Formula, FaultsStopWithTheFormulaNamed) {
    for (const char* text : {"z_hz/0", "1%(2-2)", "max(1,5/0)", "getylz(z_hz/0)", "abs(1/0,2)", "99999999999+1",
                             "[99999999999]z_hz"}) {
        EvalResult result = eval(text);
        EXPECT_FALSE(result.ok) << text;
        EXPECT_EQ(result.fault, EvalResult::Fault::Stop) << text;
        EXPECT_NE(result.message.find(text), std::string::npos) << result.message;
    }
    // A broken argument is not reported: it gives what it reached.
    EXPECT_EQ(eval("max(z_hz+,1)").value, 114);
}

TEST_F(Formula, OffsetsStopAtTheEnds) {
    EXPECT_EQ(eval("[-1]z_num1", 1).value, 1) << "the first draw reads itself";
    EXPECT_EQ(eval("[1]z_num1", 3).value, 4) << "the last draw reads itself";
    EXPECT_EQ(eval("min(f_num1,[-1]f_num1,[-2]f_num1)", 1).value, 7);
    EXPECT_TRUE(tgs("[+1]z_hz").readsForward());
    EXPECT_TRUE(tgs("getylz([1]z_hz)").readsForward());
    EXPECT_FALSE(tgs("getylz([-1]z_hz)").readsForward());
}

TEST_F(Formula, HistoryFunctions) {
    // f_num1: 7, 9, 12; z_num2: 2, 8, 8
    EXPECT_EQ(eval("getylz(z_num2)").value, 0);
    EXPECT_EQ(eval("getylz(z_num2)", 2).value, 1);
    EXPECT_EQ(eval("getylz(f_num1)").value, 2) << "never seen before: all earlier draws";
    EXPECT_EQ(eval("getzf(f_num1)").value, 3);
    EXPECT_EQ(eval("getzf(f_num1)", 1).value, 7) << "at the first draw the value itself";
    EXPECT_EQ(eval("getylzzf(z_num2)").value, 1);
    EXPECT_EQ(eval("getylzzf(z_num2)", 1).value, 0);
    EXPECT_EQ(eval("getzfylz(f_num1)").value, 2);
    EXPECT_EQ(eval("getzf(z_num2)-getzf(z_num2)").value, 0);
    EXPECT_EQ(eval("getylz(1,z_num2)").value, 0) << "only the last argument is the series";
}

// The memo must give exactly what evaluating on demand gives, at every draw of a real history.
TEST(FormulaMemo, SameValuesAsOnDemandOnTheRealHistory) {
    t_s_dm store;
    test::fillSsq(store);
    const char* formulas[] = {"getylz(getylz(f_num1)%10)", "getzfylz(z_hz)", "getylzzf(z_num1)",
                              "z_num3yl", "z_hzylzf", "getylz([-1]z_num2+f_num1)"};
    SsqContext memoised(store);
    SsqContext plain(store, nullptr, false);
    for (const char* text : formulas) {
        const tgs formula(text);
        for (int n = store.RecordCount() - 150; n <= store.RecordCount(); ++n)
            ASSERT_EQ(formula.evaluate(memoised.ctx, n).value, formula.evaluate(plain.ctx, n).value) << text << " at " << n;
    }
}

TEST(FormulaMemo, CandidateIsComparedWithTheRealDraws) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 7}, {3, 8, 15, 22, 27, 31, 9}, {4, 8, 16, 23, 30, 33, 12}});
    DrawRecord candidate{};
    candidate[0] = kCandidatePeriod;
    const int32_t numbers[] = {1, 8, 20, 21, 25, 26, 9};
    std::copy(std::begin(numbers), std::end(numbers), candidate.begin() + 1);
    SsqContext c(store, candidate.data());
    EXPECT_EQ(tgs("getylz(f_num1)").evaluate(c.ctx, 4).value, 1);
    EXPECT_EQ(tgs("z_num2yl").evaluate(c.ctx, 4).value, 0);
    EXPECT_EQ(tgs("getylz(z_num1)").evaluate(c.ctx, 4).value, 2);
    EXPECT_EQ(tgs("[+1]z_num1").evaluate(c.ctx, 3).value, 1) << "a forward offset reaches the candidate";
    EXPECT_EQ(tgs("getylz([+1]z_num1)").evaluate(c.ctx, 3).value, 2);
}

}  // namespace
}  // namespace lottodesk

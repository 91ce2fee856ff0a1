#include <gtest/gtest.h>

#include <optional>

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
        {"1+2*3", 9},
        {"(1+2)*3", 9},
        {"1+(2*3)", 7},
        {"7/2", 3},
        {"0-7/2", -3},
        {"7%3", 1},
        {"0-7%3", -1},
        {"2*3+1", 7},
        {"10-2-3", 5},
        {"8/2/2", 2},
        {"1+2>2", 1},
        {"25!10", 5},
        {"20!10", 10},
        {"7!10", 7},
        {"3>2", 1},
        {"2>3", 0},
        {"2=2", 1},
        {"3&0", 0},
        {"3#0", 1},
        {"0#0", 0},
        {"65536&65536", 0},
        {"5!0", 5},
        {"5!0-3", 2},
        {"(((((1)))))", 1},
        {"((((((((2+1))))))))*2", 6},
        {"max(0-5,0-3)", -1},
        {"min(1000000,1000001)", 999999},
        {"mid(1,2,9)", 2},
        {"mid(1,3)", 1},
        {"mid(1,2)", 1},
        {"mid(2,3,4,5)", 3},
        {"abs(0-5)", 5},
        {"abs(9,0-5)", 5},
        {"if(1,10,20)", 10},
        {"if(0,10,20)", 20},
        {"if(1,10)", 0},
        {"if(0,10)", 10},
        {"if(7)", 0},
        {"max(min(1,9),5)", 5},
        {"max(,3)", 3},
        {"max(0-4,)", 0},
        {"z_hz", 4 + 8 + 16 + 23 + 30 + 33},
        {"z_xyz+1", -998},
        {"[-1]z_hz", 3 + 8 + 15 + 22 + 27 + 31},
        {"[-5]z_num1", 1},
        {"[+2]z_num1", 4},
        {"[-1]f_num1+f_num1", 21},
        {"min(f_num1,[-1]f_num1,[-2]f_num1)", 7},
        {"max(f_num1,[-1]f_num1,[-2]f_num1)", 12},
        {"z_hz 5", 114},
        {"(z_hz)z_wh", 114},
        {"getzb(z_num2)", 8},
        {"getzb(1,z_num2)+1", 9},
        {"[-1]getzb(z_num1)+z_num1", 7},
        {"[-2]max(z_num1,0)+z_num1", 5},
        {"2147483647+0", INT32_MAX},
        {"0-2147483647-1", INT32_MIN},
        {"65535*32768", 2147450880},
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
    for (const char* text :
         {"z_hz/0", "1%(2-2)", "max(1,5/0)", "getylz(z_hz/0)", "abs(1/0,2)", "99999999999+1", "[99999999999]z_hz"}) {
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
    const char* formulas[] = {"getylz(getylz(f_num1)%10)", "getzfylz(z_hz)", "getylzzf(z_num1)", "z_num3yl", "z_hzylzf",
                              "getylz([-1]z_num2+f_num1)"};
    SsqContext memoised(store);
    SsqContext plain(store, nullptr, false);
    for (const char* text : formulas) {
        const tgs formula(text);
        for (int n = store.RecordCount() - 150; n <= store.RecordCount(); ++n)
            ASSERT_EQ(formula.evaluate(memoised.ctx, n).value, formula.evaluate(plain.ctx, n).value)
                << text << " at " << n;
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

namespace lottodesk {
namespace {

// Five draws where 100/z_cmgs divides by zero at the first one only: 100/z_cmgs is
// (stop), 50, 100, 50, 100, and 100/[-1]z_cmgs is (stop), (stop), 50, 100, 50.
class FormulaEdges : public ::testing::Test {
protected:
    void SetUp() override {
        test::fill(store, {{1, 2, 3, 4, 5, 6, 7},
                           {1, 2, 10, 11, 12, 13, 9},
                           {1, 14, 15, 16, 17, 18, 12},
                           {1, 14, 20, 21, 22, 23, 7},
                           {2, 14, 30, 31, 32, 33, 9}});
    }
    t_s_dm store;
};

std::string stopped(const std::string& formula, const std::string& reason) {
    return "公式“" + formula + "”" + reason + "，计算已停止";
}

TEST_F(FormulaEdges, ValuesAndStops) {
    const std::string divide = "中除数为0", range = "中的数值超出整数范围";
    auto notInteger = [](const std::string& text) { return "中“" + text + "”不是有效的整数"; };
    struct Case {
        std::string text;
        int n;
        int32_t value;       // when it completes
        std::string reason;  // when it stops: the text after the formula's name
        std::string syntax;  // when it fails: the error text
    } cases[] = {
        // History functions read only the draws their walk reaches.
        {"getzf(100/z_cmgs)", 5, 50, "", ""},
        {"getzf(100/z_cmgs)", 3, 50, "", ""},
        {"getzf(100/z_cmgs)", 2, 0, divide, ""},
        {"getylz(100/z_cmgs)", 5, 1, "", ""},
        {"getylz(100/z_cmgs)", 4, 1, "", ""},
        {"getylz(100/z_cmgs)", 3, 0, divide, ""},  // 100 was never seen: the walk reaches the first draw
        {"getylzzf(100/z_cmgs)", 5, 0, "", ""},
        {"getylzzf(100/z_cmgs)", 4, 0, divide, ""},
        {"getzfylz(100/z_cmgs)", 5, 0, "", ""},
        {"getzfylz(100/z_cmgs)", 3, 0, divide, ""},
        {"getylz(getzf(100/z_cmgs))", 5, 0, "", ""},
        {"max(getzf(100/z_cmgs),1)+1", 5, 51, "", ""},
        {"getzf(100/[-1]z_cmgs)", 5, 50, "", ""},
        {"getzf(100/[-1]z_cmgs)", 3, 0, divide, ""},
        {"getylz(getylz(100/z_cmgs))", 5, 0, "", ""},      // 1, 1: the outer walk stops at the fourth draw
        {"getylz(getylz(100/z_cmgs))", 4, 0, divide, ""},  // and here reaches the third
        // Offsets: digits and signs that are no integer stop; E6 is for a missing "]" or another
        // character; a stop inside an argument stops the formula.
        {"[--1]z_hz", 5, 0, notInteger("--1"), ""},
        {"[+-2]z_hz", 5, 0, notInteger("+-2"), ""},
        {"[]z_hz", 5, 0, notInteger(""), ""},
        {"[-]z_hz", 5, 0, notInteger("-"), ""},
        {"max([-]z_hz,5)", 5, 0, notInteger("-"), ""},
        {"getylz([+]z_hz)", 5, 0, notInteger("+"), ""},
        {"1+[--1]z_hz", 5, 0, notInteger("--1"), ""},
        {"[99999999999]z_hz", 5, 0, "中的期数偏移超出整数范围", ""},
        {"[+2]z_num1", 3, 2, "", ""},
        {"[-001]z_num1", 5, 1, "", ""},
        {"[-1z_hz", 5, 0, "", kErrOffset},
        {"[1a]z_hz", 5, 0, "", kErrOffset},
        {"max([-1z_hz,5)", 5, 5, "", ""},  // a syntax error inside an argument gives what it reached
        // c_zhfx takes a list of one formula; c_same of another kind is 0.
        {"c_zhfx:z_hz:9", 5, 999999, "", ""},
        {"c_zhfx:z_hz:8", 5, -1, "", ""},
        {"c_zhfx:z_hz:10", 5, 0, "", ""},
        {"c_zhfx:z_hz:27", 5, 142, "", ""},
        {"c_zhfx:z_num1:0", 5, 0, "", ""},
        {"c_same_1_10_2", 5, 0, "", ""},
        {"c_same_0_10_1", 5, 4, "", ""},  // 02 or 14 recurs in each earlier draw
        // Results beyond 32 bits stop, as literals beyond them do.
        {"2147483647+1", 5, 0, range, ""},
        {"0-2147483647-2", 5, 0, range, ""},
        {"65536*65536", 5, 0, range, ""},
        {"(0-2147483647-1)/(0-1)", 5, 0, range, ""},
        {"abs(0-2147483647-1)", 5, 0, range, ""},
        {"max(1,2147483647+1)", 5, 0, range, ""},
        {"getzf(if(z_num1=1,2000000000,0-2000000000))", 5, 0, range, ""},
        {"getzf(if(z_num1=1,2000000000,0-2000000000))", 4, 0, "", ""},
        {"0-2147483647-1", 5, INT32_MIN, "", ""},
    };
    SsqContext c(store);
    for (const Case& k : cases) {
        const EvalResult result = tgs(k.text).evaluate(c.ctx, k.n);
        if (!k.reason.empty()) {
            EXPECT_EQ(result.fault, EvalResult::Fault::Stop) << k.text << " at " << k.n;
            EXPECT_EQ(result.message, stopped(k.text, k.reason)) << k.text << " at " << k.n;
        } else if (!k.syntax.empty()) {
            EXPECT_EQ(result.fault, EvalResult::Fault::Syntax) << k.text;
            EXPECT_EQ(result.message, k.syntax) << k.text;
        } else {
            EXPECT_TRUE(result.ok) << k.text << " at " << k.n << ": " << result.message;
            EXPECT_EQ(result.value, k.value) << k.text << " at " << k.n;
        }
    }
}

// Evaluating without the memo walks every draw on demand; both must agree, faults included.
TEST_F(FormulaEdges, MemoKeepsFaultsWhereOnDemandMeetsThem) {
    SsqContext memoised(store);
    SsqContext plain(store, nullptr, false);
    for (const char* text :
         {"getylz(100/z_cmgs)", "getzf(100/[-1]z_cmgs)", "getylzzf(100/z_cmgs)", "getzfylz(100/z_cmgs)",
          "getylz(getzf(100/z_cmgs)+getylz(1000/z_num2))", "getylz(100/[1]z_cmgs)"}) {
        const tgs formula(text);
        for (int n = 1; n <= 5; ++n) {
            const EvalResult a = formula.evaluate(memoised.ctx, n), b = formula.evaluate(plain.ctx, n);
            EXPECT_EQ(a.fault, b.fault) << text << " at " << n;
            EXPECT_EQ(a.value, b.value) << text << " at " << n;
            EXPECT_EQ(a.message, b.message) << text << " at " << n;
        }
    }
}

TEST_F(FormulaEdges, CallsNestOnlySoDeep) {
    auto nested = [](int depth, const std::string& inner) {
        std::string text;
        for (int i = 0; i < depth; ++i) text += "abs(";
        text += inner;
        return text + std::string(static_cast<size_t>(depth), ')');
    };
    SsqContext c(store);
    EXPECT_EQ(tgs(nested(kMaxCallDepth, "0-7")).evaluate(c.ctx, 5).value, 7);
    for (const std::string& text : {nested(kMaxCallDepth + 1, "7"), nested(10000, "7"),
                                    "max(0," + nested(10000, "7") + ")", "getylz(" + nested(200, "z_hz") + ")"}) {
        const EvalResult result = tgs(text).evaluate(c.ctx, 5);
        EXPECT_EQ(result.fault, EvalResult::Fault::Syntax) << text.size();
        EXPECT_EQ(result.message, kErrNesting) << text.size();
    }
    // Groups nest to any depth.
    const std::string groups = std::string(10000, '(') + "1" + std::string(10000, ')');
    EXPECT_EQ(tgs(groups).evaluate(c.ctx, 5).value, 1);
}

TEST_F(FormulaEdges, UnknownIdentifiersInTextOrder) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"z_hz+[-1]z_num6ylzf+test", std::nullopt},
        {"z_foo+z_bar", "z_foo"},
        {"max(1,getylz(z_qq))", "z_qq"},
        {"getzb(1,z_rr)", "z_rr"},
        {"getzb()", ""},
        {"c_2zbzh:z_num1|z_ss:0", "z_ss"},
        {"c_cz_1+c_same_0_10_2", std::nullopt},
        {"1+", std::nullopt},
    };
    for (const auto& [text, unknown] : cases) EXPECT_EQ(tgs(text).firstUnknownIdentifier(), unknown) << text;
}

// A formula reading later draws, nested in history functions, with a candidate ticket: the memo
// keeps the draws a candidate cannot change and recomputes the rest for each candidate, and must
// give what evaluating on demand gives, for one candidate after another.
TEST(FormulaMemo, ForwardReadingSeriesWithCandidates) {
    t_s_dm full;
    test::fillSsq(full);
    const char* formulas[] = {"getylz([1]z_hz%10)", "getylz(getylz([1]z_num1))", "getzf([2]z_num2-[1]z_num1)",
                              "getylzzf([1]z_hw)",  "getzfylz([3]z_num3%5)",     "getylz(getylz(getylz([1]z_hz%7)))",
                              "[1]getylz(z_hz%10)", "getylz(100/([1]z_num1-1))", "c_zhfx:[1]z_num1|z_num2:5"};
    DrawRecord candidate{};
    candidate[0] = kCandidatePeriod;
    const int32_t tickets[][6] = {{1, 5, 9, 14, 20, 33}, {2, 6, 9, 15, 21, 30}, {1, 5, 9, 14, 20, 32}};
    for (int draws : {1, 2, 30}) {
        t_s_dm store;
        for (int n = 1; n <= draws; ++n) {
            store.Append();
            DrawRecord record{};
            std::copy(full.record(n), full.record(n) + kSlots, record.begin());
            store.setRecord(store.RecNo(), record);
        }
        SsqContext memoised(store, candidate.data());
        SsqContext plain(store, candidate.data(), false);
        for (const auto& ticket : tickets) {
            std::copy(std::begin(ticket), std::end(ticket), candidate.begin() + 1);
            for (const char* text : formulas) {
                const tgs formula(text);
                for (int n = std::max(1, draws - 4); n <= draws + 1; ++n) {
                    const EvalResult a = formula.evaluate(memoised.ctx, n), b = formula.evaluate(plain.ctx, n);
                    ASSERT_EQ(a.value, b.value) << text << " at " << n << " of " << draws;
                    ASSERT_EQ(a.message, b.message) << text << " at " << n << " of " << draws;
                }
            }
        }
    }
}

}  // namespace
}  // namespace lottodesk

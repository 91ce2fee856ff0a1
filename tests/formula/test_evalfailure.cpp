#include <gtest/gtest.h>

#include <string>

#include "core/s_dm.h"
#include "formula/evalfailure.h"
#include "formula/tgs.h"
#include "support/history.h"

namespace lottodesk {
namespace {

// Every window and the command-line tool show a failed formula with this one text.
TEST(EvaluationFailure, SyntaxFailuresArePrefixedStopsSpeakForThemselves) {
    t_s_dm store;
    test::fill(store, {{1, 2, 3, 4, 5, 6, 7}, {2, 3, 4, 5, 6, 7, 8}});
    test::SsqContext context(store);
    struct Case {
        const char* formula;
        const char* expected;
    };
    const Case cases[] = {
        {"", "公式有误:你还未输入公式"},
        {"sum(z_hz)", "公式有误:sum函数不存在"},
        {"-1", "公式有误:"},  // a formula that cannot start: the evaluator gives no text
        {"z_hz/0", "公式“z_hz/0”中除数为0，计算已停止"},
    };
    for (const Case& c : cases) {
        const EvalResult result = tgs(c.formula).evaluate(context.ctx, 2);
        ASSERT_FALSE(result.ok) << c.formula;
        EXPECT_EQ(evaluationFailure(result), c.expected) << c.formula;
    }
}

}  // namespace
}  // namespace lottodesk

#include <gtest/gtest.h>

#include "analysis/analysisfilter.h"
#include "support/games.h"

namespace lottodesk {
namespace {

TEST(AnalysisFilter, ExpressionByKLineType) {
    AnalysisSeries id;
    id.identifier = "z_hz";
    AnalysisSeries formula;
    formula.formula = "z_hz+1";
    struct Case {
        KLineType type;
        const char* forId;
        const char* forFormula;
    };
    const Case cases[] = {
        {{KLineKind::Regular}, "z_hz", "z_hz+1"},
        {{KLineKind::Tail}, "z_hz%10", "(z_hz+1)%10"},
        {{KLineKind::Remainder, 7}, "z_hz%7", "(z_hz+1)%7"},
        {{KLineKind::Amplitude}, "getzf(z_hz)", "getzf(z_hz+1)"},
        {{KLineKind::Omission}, "getylz(z_hz)", "getylz(z_hz+1)"},
        {{KLineKind::OmissionAmplitude}, "getylzzf(z_hz)", "getylzzf(z_hz+1)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(filterExpression(id, c.type), c.forId);
        EXPECT_EQ(filterExpression(formula, c.type), c.forFormula);
    }
    EXPECT_EQ(filterExpression(AnalysisSeries{}, {KLineKind::Tail}), "") << "a series built by an assistant";
}

TEST(AnalysisFilter, AllowedValuesDescriptionAndRefusals) {
    FilterChoice odd;
    odd.parity = Parity::Odd;
    FilterCondition c = filterCondition("z_hz", 1, 10, odd, 0);
    ASSERT_TRUE(c.status);
    EXPECT_EQ(c.allowed, (std::vector<int32_t>{1, 3, 5, 7, 9}));
    EXPECT_EQ(c.description, "z_hz  取值: 1  3  5  7  9  ");

    FilterChoice mixed;
    mixed.primality = Primality::Composite;
    mixed.direction = Direction::Fall;
    mixed.tolerance = true;
    c = filterCondition("z_num1%10", -2, 9, mixed, 6);
    EXPECT_EQ(c.allowed, (std::vector<int32_t>{-2, -1, 0, 4, 6})) << "not above 6, not prime";
    EXPECT_EQ(c.description, "z_num1%10  容错  取值: -2  -1  0  4  6  ");
    FilterChoice rise;
    rise.direction = Direction::Rise;
    EXPECT_EQ(filterCondition("x", 5, 8, rise, 6).allowed, (std::vector<int32_t>{7, 8}));

    EXPECT_EQ(filterCondition("x", std::nullopt, 3, {}, 0).status.message, kEmptyFilterRangeMessage);
    EXPECT_EQ(filterCondition("x", 4, 3, {}, 0).status.message, kFilterRangeOrderMessage);
    EXPECT_EQ(filterCondition("", 1, 3, {}, 0).status.message, kNotAFilterMessage);
    EXPECT_EQ(filterCondition("x", 8, 9, rise, 9).status.message, kNoAllowedValueMessage);
    EXPECT_EQ(filterCondition("x", INT32_MAX - 1, INT32_MAX, {}, 0).allowed.size(), 2u) << "no overflow";
}

TEST(AnalysisFilter, ReferenceIsTheNewestRealDraw) {
    Workspace ws("/nonexistent/");
    test::fill(ws.sjk, {{1, 2, 3, 4, 5, 6, 7}, {2, 3, 4, 5, 6, 7, 8}});
    test::addPrediction(ws.sjk, {9, 10, 11, 12, 13, 14});
    ws.partitions.rebuild(ws.game.zh_to);
    AnalysisSession session;
    ASSERT_TRUE(session.analyse(ws, "z_num1", std::nullopt, "红号一"));
    const std::vector<int32_t> t = transformedSeries(session.series()->values, {KLineKind::Regular});
    EXPECT_EQ(filterReference(t, DrawHistory::of(ws.sjk)), 2);
    EXPECT_EQ(transformedRange(t), (ValueRange{1, 9}));
    EXPECT_EQ(filterReference({0}, DrawHistory::of(ws.sjk)), 0);

    const IndicatorContext ctx = session.context(ws);
    EXPECT_TRUE(checkFilterExpression(ctx, filterExpression(*session.series(), {KLineKind::Omission}), 2));
    EXPECT_EQ(checkFilterExpression(ctx, "z_num1+(", 2).message, kNotAFilterMessage);
    EXPECT_EQ(checkFilterExpression(ctx, "", 2).message, kNotAFilterMessage);
}

}  // namespace
}  // namespace lottodesk

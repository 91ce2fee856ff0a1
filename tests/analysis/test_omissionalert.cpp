#include <gtest/gtest.h>

#include "analysis/omission.h"
#include "analysis/omissionalert.h"

namespace lottodesk {
namespace {

TEST(OmissionAlert, TheStrongestReasonWins) {
    struct Case {
        int32_t current, average, previous, longest;
        OmissionAlert expected;
    };
    const Case cases[] = {
        {3, 5, 4, 9, OmissionAlert::None},
        {5, 5, 5, 5, OmissionAlert::None},  // equal is not above
        {6, 5, 7, 9, OmissionAlert::AboveAverage},
        {8, 5, 7, 9, OmissionAlert::AbovePrevious},
        {4, 5, 3, 9, OmissionAlert::AbovePrevious},  // above the last gap, under the average
        {10, 5, 7, 9, OmissionAlert::AboveLongest},
        // A value never hit carries no statistics: its current omission alone is no alarm.
        {120, kNoOmission, kNoOmission, kNoOmission, OmissionAlert::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(omissionAlert(c.current, c.average, c.previous, c.longest), c.expected)
            << c.current << " " << c.average << " " << c.previous << " " << c.longest;
}

}  // namespace
}  // namespace lottodesk

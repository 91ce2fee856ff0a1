#include <gtest/gtest.h>

#include <climits>

#include "generator/allowedvalues.h"

namespace lottodesk {
namespace {

using Form = AllowedValues::Form;

// Each set takes the form its spread calls for; far-apart values never cost a byte per value in
// between, and every value of the set is found, none in between.
TEST(AllowedValues, FormFollowsTheSpread) {
    struct Case {
        std::vector<int32_t> values;
        Form form;
        size_t maxHeapBytes;
        std::vector<int32_t> absent;
    } cases[] = {
        {{3, 0, 5, 3}, Form::Bits, 0, {1, 2, 4, 6, -1, 259, INT32_MIN, INT32_MAX}},
        {{-100, 155}, Form::Bits, 0, {-101, 0, 156}},  // exactly 256 values from the smallest
        {{0, 256}, Form::Table, 257, {1, 255, 257, -1}},
        {{0, 700, 350}, Form::Table, 701, {1, 349, 701}},
        {{0, 65535}, Form::Table, 65536, {1, 65536}},
        {{0, 65536}, Form::Sorted, 8, {1, 65535, 65537}},
        {{0, 1000000000}, Form::Sorted, 8, {1, 999999999, 1000000001, -1}},
        {{INT32_MIN, INT32_MAX}, Form::Sorted, 8, {0, INT32_MIN + 1, INT32_MAX - 1, -1, 1}},
        {{INT32_MAX, 7, INT32_MIN, 7, 9}, Form::Sorted, 16, {8, 0, 10, INT32_MAX - 1}},
        {{INT32_MAX}, Form::Bits, 0, {INT32_MAX - 1, INT32_MIN, 0}},
        {{INT32_MIN}, Form::Bits, 0, {INT32_MIN + 1, INT32_MAX, 0}},
        {{INT32_MAX - 200, INT32_MAX}, Form::Bits, 0, {INT32_MAX - 1, INT32_MIN}},
    };
    for (const Case& c : cases) {
        const AllowedValues allowed(c.values);
        SCOPED_TRACE(testing::PrintToString(c.values));
        EXPECT_EQ(allowed.form(), c.form);
        EXPECT_LE(allowed.heapBytes(), c.maxHeapBytes);
        for (int32_t v : c.values) EXPECT_TRUE(allowed.has(v)) << v;
        for (int32_t v : c.absent) EXPECT_FALSE(allowed.has(v)) << v;
    }
}

TEST(AllowedValues, EmptyAllowsNothing) {
    for (const AllowedValues& none : {AllowedValues(), AllowedValues(std::vector<int32_t>{})})
        for (int32_t v : {0, 1, -1, INT32_MIN, INT32_MAX}) EXPECT_FALSE(none.has(v));
}

}  // namespace
}  // namespace lottodesk

#include <gtest/gtest.h>

#include "generator/condfile.h"
#include "generator/generator.h"
#include "generator/resultfile.h"
#include "support/checksum.h"
#include "support/history.h"

namespace lottodesk {
namespace {

// The golden signature of the typical condition set over the real 双色球 history: the ticket count
// and FNV-1a of the result text file. bench_generator prints the same two figures; a change that
// is meant to change the results updates both here and says so.
constexpr size_t kTypicalTickets = 58293;
constexpr uint64_t kTypicalChecksum = 0x9b60feb90a600a9cull;

TEST(TypicalSet, GoldenSignatureOnAnyThreadCount) {
    test::TempFolder home;
    Workspace ws{home.path()};
    test::setUpSsq(ws);
    MainConditionLoad load = loadMainConditions(std::string(LOTTODESK_TEST_DATA_DIR) + "/typical.zh", ws.game.zh_to);
    ASSERT_TRUE(load.status) << load.status.message;
    Generator generator{1};
    generator.conditions = load.conditions;
    for (int threads : {1, 2}) {
        RunOptions options;
        options.threads = threads;
        ASSERT_TRUE(generator.run(ws, options).completed);
        EXPECT_EQ(generator.results.tickets.size(), kTypicalTickets) << threads << " threads";
        EXPECT_EQ(test::fnv1a(encodeResultText(generator.results.tickets, ws.game.zhgs)), kTypicalChecksum)
            << threads << " threads";
    }
}

}  // namespace
}  // namespace lottodesk

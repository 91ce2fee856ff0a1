#pragma once
// Running lottodesk-cli in-process from the tests: what a command printed and its exit status,
// and a suite whose tests share one program folder seeded with the real histories.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/firstrun.h"
#include "core/s_dm.h"
#include "support/tempfolder.h"

namespace lottodesk::test {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

inline CliRun cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Saves a prediction record (9999999) into a history file, as the desktop program leaves one.
inline bool storePredictionRecord(const std::string& history) {
    t_s_dm store;
    store.SetFileName(history);
    if (!store.Open()) return false;
    store.Append();
    store.SetFieldValue(0, kPredictionPeriod);
    return store.Post();
}

// The suite's tests run on one seeded program folder, made before the first test of the suite.
class SeededCliSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        home = new TempFolder;
        ASSERT_TRUE(seedProgramFolder(home->path(), LOTTODESK_SAMPLES_DIR));
    }
    static void TearDownTestSuite() {
        delete home;
        home = nullptr;
    }
    // The command on the suite's folder.
    static CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home->path()});
        return cli(args);
    }
    static inline TempFolder* home = nullptr;
};

}  // namespace lottodesk::test

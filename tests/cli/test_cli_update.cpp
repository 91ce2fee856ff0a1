// `update` against result services served from this machine, in the services' shapes: pages,
// an empty page, a renamed field, HTML, a timeout, a server error, a cut answer, numbers out of
// range; and the merge decisions as the command line reports them.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "cli/httpget.h"
#include "core/fileio.h"
#include "core/prizetables.h"
#include "plugin/sources/resultsources.h"
#include "support/clirun.h"
#include "support/localhttp.h"

namespace lottodesk {
namespace {

using test::CliRun;
using test::HttpReply;
using test::LocalHttpServer;

std::string fixture(const std::string& name) {
    return test::readFile(std::string(LOTTODESK_TEST_DATA_DIR) + "/sources/" + name);
}

bool asks(const std::string& target, const std::string& part) { return target.find(part) != std::string::npos; }

// A cwl answer of the given draws ("code red blue" triples).
std::string cwlPage(const std::vector<std::array<const char*, 3>>& draws, int pageCount) {
    std::string body = "{\"state\":0,\"pageCount\":" + std::to_string(pageCount) + ",\"result\":[";
    for (size_t i = 0; i < draws.size(); ++i)
        body += std::string(i ? "," : "") + "{\"code\":\"" + draws[i][0] + "\",\"red\":\"" + draws[i][1] +
                "\",\"blue\":\"" + draws[i][2] + "\",\"prizegrades\":[{\"type\":1,\"typenum\":\"1\",\"typemoney\":\"5,000,000\"}]}";
    return body + "]}";
}

class CliUpdate : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(seedProgramFolder(home.path(), LOTTODESK_SAMPLES_DIR)); }
    CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path()});
        return test::cli(args);
    }
    std::string history(int type = 0) { return test::readFile(home.file("database/basedata" + std::to_string(type) + ".rec")); }

    test::TempFolder home;
};

TEST_F(CliUpdate, TheWelfareLotteryPageByPageUntilTheNewestStoredDraw) {
    LocalHttpServer server([](const std::string& target) {
        if (!asks(target, "/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice?name=ssq")) return HttpReply{404, "", "text/plain"};
        if (asks(target, "pageNo=1&"))
            return HttpReply{200, cwlPage({{"2026098", "03,09,16,17,24,33", "15"}, {"2026097", "01,06,13,18,27,30", "07"}}, 3)};
        if (asks(target, "pageNo=2&"))
            return HttpReply{200, cwlPage({{"2026096", "01,04,16,22,26,31", "04"}, {"2026095", "04,06,14,21,22,33", "16"}}, 3)};
        return HttpReply{500, "page 3 is never asked for"};
    });
    const std::string source = "cwl=" + server.base();

    const std::string before = history();
    const CliRun dry = run({"update", "--source", source, "--dry-run"});
    ASSERT_EQ(dry.code, 0) << dry.err;
    EXPECT_EQ(dry.out, "2026097\n2026098\n新增2期，跳过2期（试运行，数据库未作改动）\n");
    EXPECT_EQ(history(), before);

    const CliRun r = run({"update", "--source", source});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "2026097\n2026098\n新增2期，跳过2期\n");
    EXPECT_EQ(server.requests().size(), 4u) << "two pages, twice";
    const CliRun draws = run({"draws"});
    EXPECT_NE(draws.out.find("2026098\t03 09 16 17 24 33\t15\n"), std::string::npos);
    const PrizeTables tables = loadPrizeTables(prizeTablePath(home.path(), 0));
    ASSERT_TRUE(tables.count(2026098));
    EXPECT_EQ(tables.at(2026098).levels.at(0), (PrizeTableLevel{"一等奖", 1, 5000000}));

    // Again: nothing new, nothing written.
    const std::string after = history();
    const CliRun again = run({"update", "--source", source});
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(again.out, "新增0期，跳过2期\n");
    EXPECT_EQ(history(), after);
}

TEST_F(CliUpdate, TheSportsLotteryFromItsFixture) {
    LocalHttpServer server([](const std::string& target) {
        if (!asks(target, "/gateway/lottery/getHistoryPageListV1.qry?gameNo=85")) return HttpReply{404, ""};
        if (asks(target, "pageNo=1")) return HttpReply{200, fixture("sporttery-dlt-page1.json")};
        // Page 2 reaches the stored history (2026095 as stored).
        return HttpReply{200, R"({"value":{"pages":3,"list":[{"lotteryDrawNum":"26095","lotteryDrawResult":"04 06 08 10 14 04 05"}]}})"};
    });
    const CliRun r = run({"--type", "1", "update", "--source", "sporttery=" + server.base()});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "2026096\n2026097\n新增2期，跳过1期\n");
    const PrizeTables tables = loadPrizeTables(prizeTablePath(home.path(), 1));
    ASSERT_TRUE(tables.count(2026097));
    EXPECT_EQ(tables.at(2026097).levels.at(1), (PrizeTableLevel{"一等奖(追加)", 1, 8000000}));
    EXPECT_EQ(server.requests().size(), 2u);
}

TEST_F(CliUpdate, BrokenAnswersChangeNothing) {
    const struct {
        HttpReply reply;
        const char* says;
    } cases[] = {
        {{200, "<html><body>系统维护</body></html>", "text/html"}, "结果服务返回的不是开奖数据"},
        {{200, R"({"state":0,"results":[]})"}, "缺少result"},
        {{500, "oops"}, "HTTP 500"},
        {{200, cwlPage({{"2026097", "01,06,13,18,27,30", "07"}}, 1), "application/json", 0, true}, "下载失败"},
        {{200, cwlPage({{"2026097", "01,06,13,18,27,34", "07"}}, 1)}, "34"},
        {{200, cwlPage({{"2026097", "01,06,13,18,27,30", "17"}}, 1)}, "17"},
        {{200, R"({"result":[],"pageCount":1})"}, "结果服务没有返回开奖数据"},
        {{200, "", "application/json", 3000}, "连接超时"},
    };
    const std::string before = history();
    for (const auto& c : cases) {
        LocalHttpServer server([&](const std::string&) { return c.reply; });
        const CliRun r = run({"update", "--source", "cwl=" + server.base(), "--timeout", "1"});
        EXPECT_EQ(r.code, 2) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(history(), before);
    }
}

TEST_F(CliUpdate, AddressesAndFilesInTheImportFormat) {
    // Out of order and with the stored 2026096 given other numbers: sorted like the plug-in does,
    // the conflict named, the stored draw kept.
    const std::string text = "2026098 03 09 16 17 24 33 15\r\n2026096 02 04 16 22 26 31 04\r\n2026097 01 06 13 18 27 30 07\r\n";
    LocalHttpServer server([&](const std::string&) { return HttpReply{200, text, "text/plain"}; });
    const CliRun r = run({"update", "--source", server.base() + "/draws.txt"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "2026097\n2026098\n新增2期，跳过0期；第2026096期与已有记录不同，未导入\n");
    EXPECT_EQ(server.requests(), (std::vector<std::string>{"/draws.txt"}));

    test::writeFile(home.file("more.txt"), "2026099 01 02 03 04 05 06 07\n");
    const CliRun file = run({"update", "--source", home.file("more.txt")});
    ASSERT_EQ(file.code, 0) << file.err;
    EXPECT_EQ(file.out, "2026099\n新增1期，跳过0期\n");

    test::writeFile(home.file("bad.txt"), "2026100 01 02 03\n");
    EXPECT_EQ(run({"update", "--source", home.file("bad.txt")}).code, 2);
    EXPECT_EQ(run({"update", "--source", home.file("missing.txt")}).code, 2);
    EXPECT_EQ(run({"update", "--source", "ftp://127.0.0.1/x"}).code, 2);
    EXPECT_EQ(run({"update", "--bogus"}).code, 1);
    EXPECT_EQ(run({"update", "--timeout", "0"}).code, 1);
    // A type without a built-in source says so.
    EXPECT_NE(run({"--type", "2", "update"}).err.find("没有内置的开奖数据来源"), std::string::npos);
}

// libcurl is loaded at the first download: the system's loads; a missing or foreign library is named
// in a clear message instead of a crash.
TEST(HttpLibrary, LoadedOnDemandWithAClearMessage) {
    EXPECT_EQ(httpLibraryProblem(), "");
    const std::string missing = httpLibraryProblem("libnosuchcurl.so.9");
    EXPECT_NE(missing.find("找不到网络库 libnosuchcurl.so.9"), std::string::npos) << missing;
#if defined(__linux__)
    const std::string foreign = httpLibraryProblem("libm.so.6");
    EXPECT_NE(foreign.find("libm.so.6 不完整或版本太旧"), std::string::npos) << foreign;
#endif
}

// The plug-in hands the prize tables over in the lines the program's prize-table file holds.
TEST(PrizeHandOver, ReadAsTheProgramStoresThem) {
    sources::SourcePage page = sources::readCwlPage(fixture("cwl-ssq-page1.json"));
    ASSERT_TRUE(page.ok());
    const std::string text = sources::prizeTableText(page.draws);
    std::vector<PrizeTable> read;
    forEachLine(text, [&](std::string_view line) {
        PrizeTable table;
        EXPECT_TRUE(readPrizeTableLine(line, table)) << line;
        read.push_back(table);
        return true;
    });
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].period, 2026098);
    EXPECT_EQ(read[0].pool, 2185628512);
    EXPECT_EQ(read[0].levels.at(0), (PrizeTableLevel{"一等奖", 3, 7165213}));
    EXPECT_EQ(read[0].levels.at(6), (PrizeTableLevel{"七等奖", -1, -1}));
    EXPECT_EQ(prizeTableLine(read[1]) + "\r\n", text.substr(text.find("2026097")));
}

}  // namespace
}  // namespace lottodesk

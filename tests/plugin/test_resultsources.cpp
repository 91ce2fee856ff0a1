// The result services' answers as the plug-in and the command line read them: fixtures in the
// services' shapes, and every way an answer can be broken.
#include <gtest/gtest.h>

#include "plugin/sources/json.h"
#include "plugin/sources/resultsources.h"
#include "support/tempfolder.h"

namespace lottodesk::sources {
namespace {

std::string fixture(const std::string& name) {
    return test::readFile(std::string(LOTTODESK_TEST_DATA_DIR) + "/sources/" + name);
}

TEST(Json, ValuesAndErrors) {
    const json::Parse parsed = json::parse(R"( {"a":[1,"2",-3.5e2,true,null],"b":{"c":"\u4e2d\"\n"}} )");
    ASSERT_TRUE(parsed.value) << parsed.error;
    const json::Value& v = *parsed.value;
    ASSERT_EQ(v.member("a")->elements().size(), 5u);
    EXPECT_EQ(v.member("a")->elements()[1].integer(), 2);
    EXPECT_EQ(v.member("a")->elements()[2].text(), "-3.5e2");
    EXPECT_EQ(v.member("b")->member("c")->text(), "中\"\n");
    EXPECT_EQ(v.member("missing"), nullptr);
    EXPECT_TRUE(v.member("a")->member("x") == nullptr) << "an array has no members";

    const char* broken[] = {"", "<html><body>502</body></html>", "{\"a\":1", "{\"a\" 1}", "[1,]", "{\"a\":\"x",
                            "\"\\q\"", "01x", "{} {}", "[\"\\ud800\"", "\"\x01\""};
    for (const char* text : broken) {
        const json::Parse p = json::parse(text);
        EXPECT_FALSE(p.value) << text;
        EXPECT_NE(p.error.find("JSON第"), std::string::npos) << text;
    }
    EXPECT_FALSE(json::parse(std::string(100, '[') + std::string(100, ']')).value) << "nesting is bounded";
    EXPECT_TRUE(json::parse(std::string(60, '[') + std::string(60, ']')).value);
}

TEST(Json, IntegersAsServicesWriteThem) {
    const struct {
        const char* text;
        std::optional<long long> value;
    } cases[] = {
        {"1234", 1234}, {"1,234,567", 1234567}, {" 42 ", 42}, {"5000000.56", 5000000}, {"-7", -7},
        {"", std::nullopt}, {"abc", std::nullopt}, {",1", std::nullopt}, {"12x", std::nullopt},
        {"99999999999999999999", std::nullopt}, {"9223372036854775807", 9223372036854775807LL},
    };
    for (const auto& c : cases) EXPECT_EQ(json::integerOf(c.text), c.value) << c.text;
}

TEST(ResultSources, TheWelfareLotterysAnswer) {
    const SourcePage page = readCwlPage(fixture("cwl-ssq-page1.json"));
    ASSERT_TRUE(page.ok()) << page.error;
    ASSERT_EQ(page.draws.size(), 2u);
    const SourceDraw& d = page.draws[0];
    EXPECT_EQ(d.period, 2026098);
    EXPECT_EQ(d.main, (std::vector<int>{3, 9, 16, 17, 24, 33}));
    EXPECT_EQ(d.secondary, (std::vector<int>{15}));
    EXPECT_EQ(d.date, "2026-08-25(二)");
    EXPECT_EQ(d.sales, 395467482);
    EXPECT_EQ(d.pool, 2185628512);
    ASSERT_EQ(d.levels.size(), 7u);
    EXPECT_EQ(d.levels[0], (PrizeLevel{"一等奖", 3, 7165213}));
    EXPECT_EQ(d.levels[5], (PrizeLevel{"六等奖", 11270316, 5}));
    EXPECT_EQ(d.levels[6], (PrizeLevel{"七等奖", -1, -1})) << "empty fields are unknown, not 0";
    EXPECT_EQ(page.draws[1].levels[1], (PrizeLevel{"二等奖", 99, 231077})) << "numbers instead of strings";
    EXPECT_EQ(importText(page.draws), "2026097 01 06 13 18 27 30 07\r\n2026098 03 09 16 17 24 33 15\r\n");
}

TEST(ResultSources, TheSportsLotterysAnswer) {
    const SourcePage page = readSportteryPage(fixture("sporttery-dlt-page1.json"), 5);
    ASSERT_TRUE(page.ok()) << page.error;
    EXPECT_EQ(page.pages, 3);
    ASSERT_EQ(page.draws.size(), 2u);
    const SourceDraw& d = page.draws[0];
    EXPECT_EQ(d.period, 2026097) << "the two-digit year";
    EXPECT_EQ(d.main, (std::vector<int>{3, 12, 19, 27, 33}));
    EXPECT_EQ(d.secondary, (std::vector<int>{2, 9}));
    EXPECT_EQ(d.sales, 298765432);
    EXPECT_EQ(d.pool, 1012345678);
    ASSERT_EQ(d.levels.size(), 4u);
    EXPECT_EQ(d.levels[1], (PrizeLevel{"一等奖(追加)", 1, 8000000}));
    EXPECT_EQ(d.levels[2], (PrizeLevel{"二等奖", 85, 145632})) << "the formatted amount when the plain one is missing";
    EXPECT_EQ(d.levels[3].winners, 1234567);
    EXPECT_TRUE(page.draws[1].levels.empty());
    EXPECT_EQ(page.draws[1].sales, -1);
}

TEST(ResultSources, AnswersThatAreNotDraws) {
    const struct {
        SourceKind kind;
        std::string body;
        const char* says;
    } cases[] = {
        {SourceKind::Cwl, "<html><body>维护中</body></html>", "结果服务返回的不是开奖数据"},
        {SourceKind::Cwl, "{\"state\":0,\"results\":[]}", "缺少result"},
        {SourceKind::Cwl, "{\"result\":[{\"code\":\"2026098\",\"red\":\"03,09\"}]}", "第1期缺少期号或号码"},
        {SourceKind::Cwl, "{\"result\":[{\"code\":\"x\",\"red\":\"01\",\"blue\":\"02\"}]}", "第1期缺少期号或号码"},
        {SourceKind::Cwl, "{\"result\":[{\"code\":\"2026098\",\"red\":\"01,002\",\"blue\":\"02\"}]}", "第1期"},
        {SourceKind::Cwl, fixture("cwl-ssq-page1.json").substr(0, 300), "结果服务返回的不是开奖数据"},
        {SourceKind::Sporttery, "{\"value\":{\"lists\":[]}}", "缺少value.list"},
        {SourceKind::Sporttery, "{\"value\":{\"list\":[{\"lotteryDrawNum\":\"26097\",\"lotteryDrawResult\":\"01 02 03 04 05\"}]}}",
         "第1期缺少期号或号码"},
        {SourceKind::Sporttery, "", "结果服务返回的不是开奖数据"},
    };
    for (const auto& c : cases) {
        const SourcePage page = readPage(c.kind, c.body, 5);
        EXPECT_FALSE(page.ok()) << c.body;
        EXPECT_TRUE(page.draws.empty());
        EXPECT_NE(page.error.find(c.says), std::string::npos) << page.error;
    }
    // An empty page is a page without draws, not an error.
    const SourcePage empty = readCwlPage("{\"result\":[],\"pageCount\":0}");
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.draws.empty());
}

TEST(ResultSources, AddressesAndPeriods) {
    EXPECT_EQ(sourceOfType("双色球"), SourceKind::Cwl);
    EXPECT_EQ(sourceOfType("七乐彩"), SourceKind::Cwl);
    EXPECT_EQ(sourceOfType("超级大乐透"), SourceKind::Sporttery);
    EXPECT_EQ(sourceOfType("福彩3D"), std::nullopt);
    EXPECT_EQ(sourceNamed("sporttery"), SourceKind::Sporttery);
    EXPECT_EQ(pageAddress(SourceKind::Cwl, "", "七乐彩", 2),
              "https://www.cwl.gov.cn/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice?name=qlc&pageNo=2&pageSize=30&"
              "systemType=PC");
    EXPECT_EQ(pageAddress(SourceKind::Sporttery, "http://127.0.0.1:8080/", "超级大乐透", 1),
              "http://127.0.0.1:8080/gateway/lottery/getHistoryPageListV1.qry?gameNo=85&provinceId=0&pageSize=30&"
              "isVerify=1&pageNo=1");
    EXPECT_EQ(periodOf("2023118"), 2023118);
    EXPECT_EQ(periodOf("23118"), 2023118);
    EXPECT_EQ(periodOf("0"), std::nullopt);
    EXPECT_EQ(periodOf("9999999"), std::nullopt) << "the prediction record's period";
    EXPECT_EQ(periodOf("123456789"), std::nullopt);
}

}  // namespace
}  // namespace lottodesk::sources

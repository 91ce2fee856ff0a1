#include <gtest/gtest.h>

#include "core/gbk.h"
#include "core/notice.h"

namespace lottodesk {
namespace {

TEST(Notice, CutsTheSections) {
    const std::string gbk = utf8ToGbk(
        "新版本号:0018\r\n17提示:本软件已更新。:17提示\r\n公共提示:祝您好运！:公共提示\r\n"
        "17下载地址:http://a.example/x$http://b.example/y$tail:17下载地址\r\n"
        "on_ie:http://page.example/:on_ie\r\n打开网页:是:打开网页\r\n启动时更新:1:启动时更新\r\n其他:x:其他");
    const Notice notice = parseNotice(gbk);
    EXPECT_EQ(notice.text, "本软件已更新。祝您好运！");
    EXPECT_EQ(notice.downloads, "http://a.example/x$http://b.example/y$tail");
    EXPECT_EQ(notice.pageAddress, "http://page.example/");
    EXPECT_EQ(notice.openPages, "是");
    EXPECT_EQ(notice.startupUpdate, "1");
    EXPECT_EQ(downloadEntries(notice.downloads),
              (std::vector<std::string>{"http://a.example/x", "http://b.example/y"}));
}

TEST(Notice, MissingOrDisorderedMarkersGiveEmptySections) {
    EXPECT_EQ(parseNotice("").text, "");
    EXPECT_EQ(noticeSection(utf8ToGbk("on_ie:abc"), "on_ie"), "");
    EXPECT_EQ(noticeSection(utf8ToGbk(":on_ie x on_ie:"), "on_ie"), "");
    EXPECT_EQ(noticeSection(utf8ToGbk("on_ie::on_ie"), "on_ie"), "");
    EXPECT_EQ(noticeSection("\xFF\xFE on_ie:\x81:on_ie", "on_ie"), "\xEF\xBF\xBD");
    EXPECT_TRUE(downloadEntries("no dollar").empty());
    EXPECT_EQ(downloadEntries("$$a$$b"), std::vector<std::string>{"a"});
}

TEST(Notice, OnlyWebAddressesAreOpened) {
    const std::pair<const char*, bool> cases[] = {
        {"http://a.example/x", true},
        {"HTTPS://a.example", true},
        {"https://a.example:8080/p?q#f", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"ftp://a.example/", false},
        {"http://", false},
        {"http:///path", false},
        {"http://user@a.example/", false},
        {"http://a.example/ x", false},
        {"a.example", false},
        {"", false},
    };
    for (const auto& [address, web] : cases) EXPECT_EQ(isWebAddress(address), web) << address;
    EXPECT_EQ(webDownloadEntries(" http://a.example/1 $file:///x$$https://b.example$c:\\x.exe$"),
              (std::vector<std::string>{"http://a.example/1", "https://b.example"}));
}

}  // namespace
}  // namespace lottodesk

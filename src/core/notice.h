#pragma once
// The online notice: a GBK text of sections "name:" ... ":name" served by the data server at
// "/cpdata/vud.txt", fetched once at start-up.

#include <string>
#include <string_view>
#include <vector>

namespace lottodesk {

constexpr int kProgramVersion = 17;
inline constexpr const char* kNoticePath = "/cpdata/vud.txt";
inline constexpr const char* kWelcomeText = "欢迎使用。";

struct Notice {
    std::string text;           // "17提示" followed by "公共提示"
    std::string downloads;      // "17下载地址": "$"-terminated addresses
    std::string pageAddress;    // "on_ie"
    std::string openPages;      // "打开网页": "是" opens the download list at exit
    std::string startupUpdate;  // "启动时更新"
};

// The text between the first "name:" and the first ":name" of a GBK text, as UTF-8; empty when
// either marker is missing or the closing one comes first.
std::string noticeSection(std::string_view gbk, std::string_view utf8Name);

Notice parseNotice(std::string_view gbk);

// The non-empty "$"-terminated entries of a download list; text after the last "$" is ignored.
std::vector<std::string> downloadEntries(std::string_view list);

// Whether `address` is an http or https address with a host: the only kind of address the
// program opens for the data server (a notice must not open local files or other schemes).
bool isWebAddress(std::string_view address);

// The entries of a download list that are web addresses, trimmed; the others are dropped.
std::vector<std::string> webDownloadEntries(std::string_view list);

}  // namespace lottodesk

#include "notice.h"

#include "gbk.h"

namespace lottodesk {

std::string noticeSection(std::string_view gbk, std::string_view utf8Name) {
    const std::string name = utf8ToGbk(utf8Name);
    const std::string opening = name + ":";
    const std::string closing = ":" + name;
    const size_t open = gbk.find(opening);
    const size_t close = gbk.find(closing);
    if (open == std::string_view::npos || close == std::string_view::npos) return {};
    const size_t start = open + opening.size();
    if (close < start) return {};
    return gbkToUtf8(gbk.substr(start, close - start));
}

Notice parseNotice(std::string_view gbk) {
    const std::string version = std::to_string(kProgramVersion);
    Notice notice;
    notice.text = noticeSection(gbk, version + "提示") + noticeSection(gbk, "公共提示");
    notice.downloads = noticeSection(gbk, version + "下载地址");
    notice.pageAddress = noticeSection(gbk, "on_ie");
    notice.openPages = noticeSection(gbk, "打开网页");
    notice.startupUpdate = noticeSection(gbk, "启动时更新");
    return notice;
}

std::vector<std::string> downloadEntries(std::string_view list) {
    std::vector<std::string> entries;
    size_t start = 0;
    for (size_t dollar = list.find('$'); dollar != std::string_view::npos; dollar = list.find('$', start)) {
        if (dollar > start) entries.emplace_back(list.substr(start, dollar - start));
        start = dollar + 1;
    }
    return entries;
}

}  // namespace lottodesk

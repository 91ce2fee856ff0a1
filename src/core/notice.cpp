#include "notice.h"

#include <cctype>

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

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

}  // namespace

bool isWebAddress(std::string_view address) {
    std::string_view rest;
    if (startsWithNoCase(address, "https://"))
        rest = address.substr(8);
    else if (startsWithNoCase(address, "http://"))
        rest = address.substr(7);
    else
        return false;
    for (char c : address)
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7f) return false;
    const size_t hostEnd = rest.find_first_of("/?#");
    const std::string_view host = rest.substr(0, hostEnd);
    return !host.empty() && host.front() != ':' && host.find('@') == std::string_view::npos;
}

std::vector<std::string> webDownloadEntries(std::string_view list) {
    std::vector<std::string> addresses;
    for (const std::string& entry : downloadEntries(list))
        if (const std::string_view address = trimmed(entry); isWebAddress(address)) addresses.emplace_back(address);
    return addresses;
}

}  // namespace lottodesk

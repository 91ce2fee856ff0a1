// Any bytes as an address of the online notice (its page address and its download list): only an
// http or https address with a host and no user part is ever taken, so a notice cannot make the
// program open a local file, another scheme or a disguised host; and every plain host is taken.
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "core/notice.h"

namespace {

using namespace lottodesk;

void require(bool holds) {
    if (!holds) __builtin_trap();
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// What a web address must be, written apart from the check: the scheme, no blank or control
// character anywhere, and an authority (up to the first "/", "?" or "#") with a host: not empty,
// no user part ("@"), not only a port.
bool acceptable(std::string_view address) {
    const std::string low = lower(address.substr(0, 8));
    size_t rest;
    if (low.rfind("https://", 0) == 0)
        rest = 8;
    else if (low.rfind("http://", 0) == 0)
        rest = 7;
    else
        return false;
    for (unsigned char c : address)
        if (c <= 0x20 || c == 0x7f) return false;
    std::string_view authority = address.substr(rest);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    return !authority.empty() && authority.find('@') == std::string_view::npos && authority[0] != ':';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // The bytes as one address, and behind each scheme.
    require(isWebAddress(text) == acceptable(text));
    for (const char* scheme : {"http://", "HTTPS://"}) {
        const std::string address = scheme + std::string(text);
        require(isWebAddress(address) == acceptable(address));
    }
    // A plain host name (letters, digits, dots, dashes and a port) is always taken.
    std::string host;
    for (unsigned char c : text)
        if (std::isalnum(c) || c == '.' || c == '-') host += static_cast<char>(c);
    if (!host.empty()) {
        require(isWebAddress("http://" + host + ":8080/cpdata/vud.txt"));
        require(isWebAddress("https://" + host));
    }

    // The bytes as a download list: the web entries are the trimmed entries that pass the check,
    // in order.
    const std::vector<std::string> entries = downloadEntries(text);
    const std::vector<std::string> web = webDownloadEntries(text);
    std::vector<std::string> expected;
    for (const std::string& entry : entries) {
        require(!entry.empty() && entry.find('$') == std::string::npos);
        std::string_view trimmed = entry;
        while (!trimmed.empty() && std::string_view(" \t\r\n").find(trimmed.front()) != std::string_view::npos)
            trimmed.remove_prefix(1);
        while (!trimmed.empty() && std::string_view(" \t\r\n").find(trimmed.back()) != std::string_view::npos)
            trimmed.remove_suffix(1);
        if (acceptable(trimmed)) expected.emplace_back(trimmed);
    }
    require(web == expected);

    // The bytes as a whole notice: its page address and download list go through the same check.
    const Notice notice = parseNotice(text);
    for (const std::string& address : webDownloadEntries(notice.downloads)) require(acceptable(address));
    if (isWebAddress(notice.pageAddress)) require(acceptable(notice.pageAddress));
    return 0;
}

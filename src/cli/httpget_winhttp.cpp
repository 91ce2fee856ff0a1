// The command line's HTTP(S) GET on Windows, through the system's WinHTTP (no libcurl there).
#include "httpget.h"

#include <windows.h>
#include <winhttp.h>

#include <memory>

#include "core/platform.h"

namespace lottodesk {
namespace {

struct HandleCloser {
    void operator()(void* handle) const {
        if (handle) WinHttpCloseHandle(handle);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

HttpAnswer failure(const std::string& error) {
    HttpAnswer answer;
    answer.error = error;
    return answer;
}

}  // namespace

HttpAnswer httpGet(const std::string& address, long timeoutSeconds, size_t maxBytes) {
    if (address.rfind("http://", 0) != 0 && address.rfind("https://", 0) != 0)
        return failure("只能从 http 或 https 地址下载：" + address);
    const std::wstring wide = platform::widen(address);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(wide.c_str(), 0, 0, &parts)) return failure("下载失败（地址无效）：" + address);
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    const std::wstring path = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                              std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);

    Handle session(WinHttpOpen(L"lottodesk/" LOTTODESK_VERSION_WIDE, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                               WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return failure("无法建立网络连接");
    const int ms = static_cast<int>(timeoutSeconds * 1000);
    WinHttpSetTimeouts(session.get(), ms, ms, ms, ms);
    // The wait for the answer's headers has its own limit (90 seconds unless set).
    DWORD responseMs = static_cast<DWORD>(ms);
    WinHttpSetOption(session.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &responseMs, sizeof responseMs);
    DWORD redirects = 3;
    WinHttpSetOption(session.get(), WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects, sizeof redirects);
    Handle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    Handle request(connection ? WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                                   WINHTTP_DEFAULT_ACCEPT_TYPES, secure)
                              : nullptr);
    auto transferFailed = [&] {
        const DWORD error = GetLastError();
        // Some WinHTTP implementations (Wine's) pass the socket's own time-out through.
        constexpr DWORD kSocketTimedOut = 10060;  // WSAETIMEDOUT
        if (error == ERROR_WINHTTP_TIMEOUT || error == ERROR_TIMEOUT || error == kSocketTimedOut)
            return failure("连接超时（" + std::to_string(timeoutSeconds) + "秒）：" + address);
        return failure("下载失败（WinHTTP 错误 " + std::to_string(error) + "）：" + address);
    };
    if (!request || !WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.get(), nullptr))
        return transferFailed();

    HttpAnswer answer;
    DWORD status = 0;
    DWORD size = sizeof status;
    WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                        &status, &size, WINHTTP_NO_HEADER_INDEX);
    answer.status = static_cast<long>(status);
    // An answer cut short: fewer bytes than it announced (the connection closed early).
    DWORD announced = 0;
    size = sizeof announced;
    const bool hasLength = WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                                               WINHTTP_HEADER_NAME_BY_INDEX, &announced, &size, WINHTTP_NO_HEADER_INDEX);
    char buffer[1 << 14];
    while (true) {
        DWORD read = 0;
        if (!WinHttpReadData(request.get(), buffer, sizeof buffer, &read)) return transferFailed();
        if (read == 0) break;
        if (answer.body.size() + read > maxBytes) {
            answer.body.clear();
            answer.error = "下载的内容太大（超过" + std::to_string(maxBytes >> 20) + "MB），不是开奖数据：" + address;
            return answer;
        }
        answer.body.append(buffer, read);
    }
    if (hasLength && answer.body.size() < announced) {
        answer.body.clear();
        answer.error = "下载失败（内容不完整）：" + address;
        return answer;
    }
    if (answer.status != 200) {
        answer.body.clear();
        answer.error = "结果服务的回答是 HTTP " + std::to_string(answer.status) + "：" + address;
        return answer;
    }
    answer.ok = true;
    return answer;
}

}  // namespace lottodesk

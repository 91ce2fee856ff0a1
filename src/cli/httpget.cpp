#include "cli/httpget.h"

#include <curl/curl.h>

#include <dlfcn.h>

namespace lottodesk {
namespace {

// libcurl is loaded at the first download, not at start: only `update` needs it, and linking it
// would make every command load it and the dozen libraries behind it (TLS, Kerberos, LDAP, ...).
// (Windows builds use WinHTTP instead: httpget_winhttp.cpp.)
#if defined(__APPLE__)
constexpr const char* kCurlLibrary = "libcurl.4.dylib";
void* openLibrary(const char* name) { return dlopen(name, RTLD_NOW | RTLD_LOCAL); }
void* symbolOf(void* library, const char* name) { return dlsym(library, name); }
#else
constexpr const char* kCurlLibrary = "libcurl.so.4";
void* openLibrary(const char* name) { return dlopen(name, RTLD_NOW | RTLD_LOCAL); }
void* symbolOf(void* library, const char* name) { return dlsym(library, name); }
#endif

// The few libcurl calls a GET needs, taken from the loaded library.
struct CurlCalls {
    decltype(&curl_global_init) globalInit = nullptr;
    decltype(&curl_easy_init) easyInit = nullptr;
    decltype(&curl_easy_setopt) easySetopt = nullptr;
    decltype(&curl_easy_perform) easyPerform = nullptr;
    decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
    decltype(&curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&curl_easy_strerror) easyStrerror = nullptr;
    std::string problem;  // why downloads are not possible; empty when they are
};

template <typename F>
bool take(void* library, const char* name, F& call) {
    call = reinterpret_cast<F>(symbolOf(library, name));
    return call != nullptr;
}

CurlCalls loadCurl(const char* libraryName) {
    CurlCalls calls;
    void* library = openLibrary(libraryName);
    if (!library) {
        calls.problem = std::string("无法下载：找不到网络库 ") + libraryName + "，请安装 libcurl（Debian/Ubuntu：libcurl4）";
        return calls;
    }
    // The library stays loaded for the life of the process.
    const bool complete = take(library, "curl_global_init", calls.globalInit) &&
                          take(library, "curl_easy_init", calls.easyInit) &&
                          take(library, "curl_easy_setopt", calls.easySetopt) &&
                          take(library, "curl_easy_perform", calls.easyPerform) &&
                          take(library, "curl_easy_getinfo", calls.easyGetinfo) &&
                          take(library, "curl_easy_cleanup", calls.easyCleanup) &&
                          take(library, "curl_easy_strerror", calls.easyStrerror);
    if (!complete) {
        calls.problem = std::string("无法下载：网络库 ") + libraryName + " 不完整或版本太旧";
        return calls;
    }
    if (calls.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        calls.problem = std::string("无法下载：网络库 ") + libraryName + " 无法初始化";
    return calls;
}

// Loaded and set up once for the process, before any thread could use it.
const CurlCalls& curl() {
    static const CurlCalls calls = loadCurl(kCurlLibrary);
    return calls;
}

struct Sink {
    std::string* body;
    size_t maxBytes;
    bool tooLarge = false;
};

size_t collect(char* data, size_t size, size_t count, void* user) {
    Sink& sink = *static_cast<Sink*>(user);
    const size_t n = size * count;
    if (sink.body->size() + n > sink.maxBytes) {
        sink.tooLarge = true;
        return 0;  // stops the transfer
    }
    sink.body->append(data, n);
    return n;
}

}  // namespace

std::string httpLibraryProblem(const char* libraryName) {
    if (libraryName == nullptr) return curl().problem;
    return loadCurl(libraryName).problem;
}

HttpAnswer httpGet(const std::string& address, long timeoutSeconds, size_t maxBytes) {
    HttpAnswer answer;
    if (address.rfind("http://", 0) != 0 && address.rfind("https://", 0) != 0) {
        answer.error = "只能从 http 或 https 地址下载：" + address;
        return answer;
    }
    const CurlCalls& c = curl();
    if (!c.problem.empty()) {
        answer.error = c.problem;
        return answer;
    }
    CURL* handle = c.easyInit();
    if (!handle) {
        answer.error = "无法建立网络连接";
        return answer;
    }
    Sink sink{&answer.body, maxBytes};
    c.easySetopt(handle, CURLOPT_URL, address.c_str());
    c.easySetopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    c.easySetopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    c.easySetopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    c.easySetopt(handle, CURLOPT_MAXREDIRS, 3L);
    c.easySetopt(handle, CURLOPT_TIMEOUT, timeoutSeconds);
    c.easySetopt(handle, CURLOPT_CONNECTTIMEOUT, timeoutSeconds);
    c.easySetopt(handle, CURLOPT_NOSIGNAL, 1L);
    c.easySetopt(handle, CURLOPT_USERAGENT, "lottodesk/" LOTTODESK_VERSION);
    c.easySetopt(handle, CURLOPT_ACCEPT_ENCODING, "");
    c.easySetopt(handle, CURLOPT_WRITEFUNCTION, collect);
    c.easySetopt(handle, CURLOPT_WRITEDATA, &sink);
    const CURLcode result = c.easyPerform(handle);
    c.easyGetinfo(handle, CURLINFO_RESPONSE_CODE, &answer.status);
    c.easyCleanup(handle);
    if (sink.tooLarge) {
        answer.body.clear();
        answer.error = "下载的内容太大（超过" + std::to_string(maxBytes >> 20) + "MB），不是开奖数据：" + address;
    } else if (result == CURLE_OPERATION_TIMEDOUT) {
        answer.error = "连接超时（" + std::to_string(timeoutSeconds) + "秒）：" + address;
    } else if (result != CURLE_OK) {
        answer.error = std::string("下载失败（") + c.easyStrerror(result) + "）：" + address;
    } else if (answer.status != 200) {
        answer.error = "结果服务的回答是 HTTP " + std::to_string(answer.status) + "：" + address;
    } else {
        answer.ok = true;
        return answer;
    }
    answer.body.clear();
    return answer;
}

}  // namespace lottodesk

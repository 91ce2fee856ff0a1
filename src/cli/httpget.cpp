#include "cli/httpget.h"

#include <curl/curl.h>

namespace lottodesk {
namespace {

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

// libcurl is set up once for the process, before any thread could use it.
bool curlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

}  // namespace

HttpAnswer httpGet(const std::string& address, long timeoutSeconds, size_t maxBytes) {
    HttpAnswer answer;
    if (address.rfind("http://", 0) != 0 && address.rfind("https://", 0) != 0) {
        answer.error = "只能从 http 或 https 地址下载：" + address;
        return answer;
    }
    CURL* curl = curlReady() ? curl_easy_init() : nullptr;
    if (!curl) {
        answer.error = "无法建立网络连接";
        return answer;
    }
    Sink sink{&answer.body, maxBytes};
    curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 3L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, timeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, timeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "lottodesk/" LOTTODESK_VERSION);
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    const CURLcode result = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &answer.status);
    curl_easy_cleanup(curl);
    if (sink.tooLarge) {
        answer.body.clear();
        answer.error = "下载的内容太大（超过" + std::to_string(maxBytes >> 20) + "MB），不是开奖数据：" + address;
    } else if (result == CURLE_OPERATION_TIMEDOUT) {
        answer.error = "连接超时（" + std::to_string(timeoutSeconds) + "秒）：" + address;
    } else if (result != CURLE_OK) {
        answer.error = std::string("下载失败（") + curl_easy_strerror(result) + "）：" + address;
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

#pragma once
// One HTTP(S) GET of the command line (libcurl, loaded at the first download; WinHTTP on Windows):
// a time limit, a size cap and a plain user agent.
// Nothing else is fetched: only http and https addresses, redirects followed a few times.

#include <string>

namespace lottodesk {

struct HttpAnswer {
    bool ok = false;  // a complete answer with status 200
    long status = 0;  // the HTTP status, 0 when there was none
    std::string body;
    std::string error;  // for the user: what went wrong
};

inline constexpr size_t kMaxHttpAnswerBytes = size_t{16} << 20;

HttpAnswer httpGet(const std::string& address, long timeoutSeconds, size_t maxBytes = kMaxHttpAnswerBytes);

// Why downloads cannot work (libcurl missing or unusable), for the user; empty when they can. With a
// library name, that library is tried instead of the system's libcurl.
std::string httpLibraryProblem(const char* libraryName = nullptr);

}  // namespace lottodesk

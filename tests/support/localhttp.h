#pragma once
// A small HTTP server on 127.0.0.1 for tests of downloads: it answers each request with what the
// test's handler gives for the request's path and query. It serves one connection at a time,
// stops with the test, and never reaches beyond this machine.

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lottodesk::test {

struct HttpReply {
    int status = 200;
    std::string body;
    std::string contentType = "application/json;charset=UTF-8";
    int delayMs = 0;          // before answering (a slow or hanging service)
    bool truncated = false;   // announce the whole body, send half of it, close
};

class LocalHttpServer {
public:
    using Handler = std::function<HttpReply(const std::string& target)>;
    explicit LocalHttpServer(Handler handler);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // "http://127.0.0.1:PORT"
    std::string base() const;
    // The request targets (path and query) in the order they came.
    std::vector<std::string> requests() const;

private:
    void serve();

    Handler m_handler;
    int m_listener = -1;
    int m_port = 0;
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
};

}  // namespace lottodesk::test

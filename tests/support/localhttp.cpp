#include "support/localhttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace lottodesk::test {
namespace {

void sendAll(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<size_t>(n);
    }
}

const char* reason(int status) {
    switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

}  // namespace

LocalHttpServer::LocalHttpServer(Handler handler) : m_handler(std::move(handler)) {
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listener, 8);
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    if (::pipe(m_wake) != 0) m_wake[0] = m_wake[1] = -1;
    m_thread = std::thread([this] { serve(); });
}

LocalHttpServer::~LocalHttpServer() {
    if (m_wake[1] >= 0) (void)::write(m_wake[1], "x", 1);
    m_thread.join();
    ::close(m_listener);
    for (int fd : m_wake)
        if (fd >= 0) ::close(fd);
}

std::string LocalHttpServer::base() const { return "http://127.0.0.1:" + std::to_string(m_port); }

std::vector<std::string> LocalHttpServer::requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LocalHttpServer::serve() {
    while (true) {
        pollfd fds[2] = {{m_listener, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) return;
        if (fds[1].revents) return;
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
            pollfd in{client, POLLIN, 0};
            if (::poll(&in, 1, 5000) <= 0) break;
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            request.append(buffer, static_cast<size_t>(n));
        }
        // "GET /path?query HTTP/1.1"
        const size_t start = request.find(' ');
        const size_t end = start == std::string::npos ? std::string::npos : request.find(' ', start + 1);
        const std::string target = end == std::string::npos ? std::string() : request.substr(start + 1, end - start - 1);
        {
            std::lock_guard lock(m_mutex);
            m_requests.push_back(target);
        }
        const HttpReply reply = m_handler(target);
        if (reply.delayMs > 0) {
            // Waits as asked, or until the test ends.
            pollfd wake{m_wake[0], POLLIN, 0};
            if (::poll(&wake, 1, reply.delayMs) > 0) {
                ::close(client);
                return;
            }
        }
        const std::string body = reply.truncated ? reply.body.substr(0, reply.body.size() / 2) : reply.body;
        sendAll(client, "HTTP/1.1 " + std::to_string(reply.status) + " " + reason(reply.status) +
                            "\r\nContent-Type: " + reply.contentType + "\r\nContent-Length: " +
                            std::to_string(reply.body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        ::shutdown(client, SHUT_WR);
        ::close(client);
    }
}

}  // namespace lottodesk::test

#include "support/localhttp.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <chrono>

namespace lottodesk::test {
namespace {

#ifdef _WIN32
using ssize_t = long long;
constexpr int MSG_NOSIGNAL = 0;
constexpr int SHUT_WR = SD_SEND;
constexpr int SOCK_CLOEXEC = 0;
int poll(pollfd* fds, unsigned long count, int timeout) { return WSAPoll(fds, count, timeout); }
void closeSocket(SOCKET s) { ::closesocket(s); }
int acceptClient(SOCKET listener) { return static_cast<int>(::accept(listener, nullptr, nullptr)); }
// The server's wake-up is a connected pair of loopback sockets (Windows has no pipe to poll).
bool makeWakePair(int wake[2]) {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started) return false;
    SOCKET listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener, 1);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    SOCKET writer = ::socket(AF_INET, SOCK_STREAM, 0);
    ::connect(writer, reinterpret_cast<sockaddr*>(&address), sizeof address);
    SOCKET reader = ::accept(listener, nullptr, nullptr);
    ::closesocket(listener);
    wake[0] = static_cast<int>(reader);
    wake[1] = static_cast<int>(writer);
    return reader != INVALID_SOCKET;
}
void wakeUp(int fd) { ::send(static_cast<SOCKET>(fd), "x", 1, 0); }
#else
void closeSocket(int fd) { ::close(fd); }
int acceptClient(int listener) { return ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC); }
bool makeWakePair(int wake[2]) { return ::pipe(wake) == 0; }
void wakeUp(int fd) { (void)::write(fd, "x", 1); }
#endif

pollfd watch(int fd) {
    pollfd entry{};
    entry.fd = fd;
    entry.events = POLLIN;
    return entry;
}

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
    if (!makeWakePair(m_wake)) m_wake[0] = m_wake[1] = -1;
    m_listener = static_cast<int>(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listener, 8);
#ifdef _WIN32
    int length = sizeof address;
#else
    socklen_t length = sizeof address;
#endif
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

LocalHttpServer::~LocalHttpServer() {
    if (m_wake[1] >= 0) wakeUp(m_wake[1]);
    m_thread.join();
    closeSocket(m_listener);
    for (int fd : m_wake)
        if (fd >= 0) closeSocket(fd);
}

std::string LocalHttpServer::base() const { return "http://127.0.0.1:" + std::to_string(m_port); }

std::vector<std::string> LocalHttpServer::requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LocalHttpServer::serve() {
    while (true) {
        pollfd fds[2] = {watch(m_listener), watch(m_wake[0])};
        if (poll(fds, 2, -1) < 0) return;
        if (fds[1].revents) return;
        const int client = acceptClient(m_listener);
        if (client < 0) continue;
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
            pollfd in = watch(client);
            if (poll(&in, 1, 5000) <= 0) break;
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
            pollfd wake = watch(m_wake[0]);
            if (poll(&wake, 1, reply.delayMs) > 0) {
                closeSocket(client);
                return;
            }
        }
        const std::string body = reply.truncated ? reply.body.substr(0, reply.body.size() / 2) : reply.body;
        sendAll(client, "HTTP/1.1 " + std::to_string(reply.status) + " " + reason(reply.status) +
                            "\r\nContent-Type: " + reply.contentType + "\r\nContent-Length: " +
                            std::to_string(reply.body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        ::shutdown(client, SHUT_WR);
        closeSocket(client);
    }
}

}  // namespace lottodesk::test

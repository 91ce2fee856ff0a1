#pragma once
// A tiny HTTP/1.1 server for the online tests: listens on 127.0.0.1 on a port the system picks,
// answers GET requests from a table of paths, and closes each connection after its answer.
// Unknown paths get a 404. A path marked silent accepts the request and never answers, so the
// client's time-out is what ends it. Everything runs on the test's event loop.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

namespace lottodesk::test {

class HttpServer : public QObject {
public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/plain";
        bool silent = false;  // accept the request, never answer
    };

    // Largest request head read; a longer one is dropped unanswered.
    static constexpr qsizetype kMaxRequestHead = 16 * 1024;

    HttpServer() {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] { acceptAll(); });
    }

    bool listening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }
    QString url(const QString& path) const { return baseUrl() + path; }

    void serve(const QByteArray& path, const QByteArray& body, const QByteArray& contentType = "text/plain") {
        m_routes[path] = Response{200, body, contentType, false};
    }
    void serveStatus(const QByteArray& path, int status, const QByteArray& body = {}) {
        m_routes[path] = Response{status, body, "text/plain", false};
    }
    void serveSilently(const QByteArray& path) { m_routes[path] = Response{200, {}, {}, true}; }

    // The request targets in the order they arrived, and the number of connections accepted.
    QList<QByteArray> requests;
    int connections = 0;

private:
    void acceptAll() {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            ++connections;
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_pending.remove(socket);
                socket->deleteLater();
            });
        }
    }

    void readRequest(QTcpSocket* socket) {
        QByteArray& head = m_pending[socket];
        head += socket->readAll();
        if (head.size() > kMaxRequestHead) {
            m_pending.remove(socket);
            socket->abort();
            return;
        }
        if (!head.contains("\r\n\r\n")) return;
        const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
        m_pending.remove(socket);
        disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
        const QByteArray target = requestLine.size() >= 2 ? requestLine[1] : QByteArray();
        requests << target;

        const Response response = m_routes.value(target, Response{404, "Not Found", "text/plain", false});
        if (response.silent) return;  // the socket stays open until the client gives up
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason(response.status) +
                           "\r\nContent-Type: " + response.contentType +
                           "\r\nContent-Length: " + QByteArray::number(response.body.size()) +
                           "\r\nConnection: close\r\n\r\n" + response.body;
        socket->write(reply);
        socket->disconnectFromHost();
    }

    static QByteArray reason(int status) {
        switch (status) {
        case 200: return "OK";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
        }
    }

    QTcpServer m_server;
    QMap<QByteArray, Response> m_routes;
    QMap<QTcpSocket*, QByteArray> m_pending;
};

}  // namespace lottodesk::test

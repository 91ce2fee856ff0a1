#pragma once
// The start-up notice: one asynchronous HTTP GET of "/cpdata/vud.txt" on the data server, and the
// settings writes of a fetched notice.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "core/notice.h"

class QNetworkAccessManager;

namespace lottodesk {

class SettingsStore;

class NoticeFetcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 3000;
    // A notice is a few lines of text; a larger body is treated as a failed fetch.
    static constexpr qint64 kMaxNoticeBytes = 1024 * 1024;

    explicit NoticeFetcher(QObject* parent = nullptr);

    // The whole request, connection to last byte, must end within this time.
    void setTimeout(int ms) { m_timeoutMs = ms; }
    int timeout() const { return m_timeoutMs; }

    // Requests `baseUrl` + "/cpdata/vud.txt" (a trailing "/" of the base is dropped) and later
    // calls `done` once, from the event loop, with the body's bytes (GBK text) or nullopt on any
    // failure: a network error, an HTTP status other than 2xx, the time-out, an oversized body.
    // An empty base, or one that is not an http:// or https:// address, calls `done(nullopt)`
    // before returning and sends nothing. `done` is not called when the fetcher is destroyed
    // first; it may destroy the fetcher itself. Several fetches may run at once.
    void fetch(const QString& baseUrl, std::function<void(std::optional<QByteArray>)> done);

    // The address fetch() requests for `baseUrl`; empty when it would send nothing.
    static QString noticeUrl(const QString& baseUrl);

private:
    QNetworkAccessManager* m_manager;
    int m_timeoutMs = kDefaultTimeoutMs;
};

// The notice of a fetched body, with its settings writes: `inform` := the notice text,
// `readieonrun` := the "启动时更新" section, `downloadie` := the download list. Without a body
// (nothing was fetched) nothing is written and nullopt is returned.
std::optional<Notice> applyNotice(const std::optional<QByteArray>& body, SettingsStore& settings);

}  // namespace lottodesk

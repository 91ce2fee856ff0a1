#include "ui/online/noticefetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "core/settings.h"

namespace lottodesk {

NoticeFetcher::NoticeFetcher(QObject* parent) : QObject(parent), m_manager(new QNetworkAccessManager(this)) {}

QString NoticeFetcher::noticeUrl(const QString& baseUrl) {
    QString base = baseUrl.trimmed();
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    if (base.isEmpty()) return {};
    const QUrl url(base + QString::fromLatin1(kNoticePath));
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")))
        return {};
    return url.toString();
}

void NoticeFetcher::fetch(const QString& baseUrl, std::function<void(std::optional<QByteArray>)> done) {
    const QString address = noticeUrl(baseUrl);
    if (address.isEmpty()) {
        if (done) done(std::nullopt);
        return;
    }
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_manager->get(request);

    // One shared outcome: whichever of the reply, the size guard and the deadline ends the request
    // first reports, the others find it finished.
    struct Pending {
        std::function<void(std::optional<QByteArray>)> done;
        bool finished = false;
    };
    auto pending = std::make_shared<Pending>(Pending{std::move(done)});
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);

    // The callback is queued: it runs with no signal of the reply on the stack, so it may even
    // destroy the fetcher, and it is dropped when the fetcher is gone before it runs.
    auto finish = [this, pending, reply](std::optional<QByteArray> body) {
        if (pending->finished) return;
        pending->finished = true;
        reply->deleteLater();
        QMetaObject::invokeMethod(
            this,
            [pending, body = std::move(body)] {
                if (pending->done) pending->done(body);
            },
            Qt::QueuedConnection);
    };
    connect(deadline, &QTimer::timeout, this, [finish, reply] {
        finish(std::nullopt);
        reply->abort();
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [finish, reply](qint64 received, qint64) {
        if (received <= kMaxNoticeBytes) return;
        finish(std::nullopt);
        reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [finish, reply] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
            finish(std::nullopt);
            return;
        }
        finish(reply->readAll());
    });
    deadline->start(m_timeoutMs);
}

std::optional<Notice> applyNotice(const std::optional<QByteArray>& body, SettingsStore& settings) {
    if (!body) return std::nullopt;
    Notice notice = parseNotice(std::string_view(body->constData(), static_cast<size_t>(body->size())));
    settings.writeString("inform", notice.text);
    settings.writeString("readieonrun", notice.startupUpdate);
    settings.writeString("downloadie", notice.downloads);
    return notice;
}

}  // namespace lottodesk

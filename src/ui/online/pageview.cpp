#include "ui/online/pageview.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>

#include "core/gbk.h"

namespace lottodesk {
namespace {

constexpr qsizetype kCharsetSniffBytes = 2048;

bool isWebUrl(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QStringLiteral("http") || scheme == QStringLiteral("https"));
}

// The charset named by a content type ("text/html; charset=gbk") or a page's <meta> tags.
QString charsetOf(const QByteArray& body, const QString& contentType) {
    static const QRegularExpression inHeader(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_.:-]+)"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = inHeader.match(contentType); match.hasMatch())
        return match.captured(1).toLower();
    if (const QRegularExpressionMatch match = inHeader.match(QString::fromLatin1(body.left(kCharsetSniffBytes)));
        match.hasMatch())
        return match.captured(1).toLower();
    return {};
}

}  // namespace

PageView::PageView(QWidget* parent) : QTextBrowser(parent), m_manager(new QNetworkAccessManager(this)) {
    setObjectName(QStringLiteral("pageview"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QUrl target = m_address.resolved(link);
        if (isWebUrl(target)) navigate(target.toString());
    });
}

QString PageView::decodeBody(const QByteArray& body, const QString& contentType) {
    const QString charset = charsetOf(body, contentType);
    if (charset == QStringLiteral("gbk") || charset == QStringLiteral("gb2312") ||
        charset == QStringLiteral("gb18030") || charset == QStringLiteral("x-gbk") ||
        charset == QStringLiteral("cp936"))
        return QString::fromStdString(gbkToUtf8(std::string_view(body.constData(), static_cast<size_t>(body.size()))));
    QByteArray utf8 = body;
    if (utf8.startsWith("\xEF\xBB\xBF")) utf8.remove(0, 3);
    return QString::fromUtf8(utf8);
}

bool PageView::isHtml(const QByteArray& body, const QString& contentType) {
    const QString type = contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    if (!type.isEmpty()) return type == QStringLiteral("text/html") || type == QStringLiteral("application/xhtml+xml");
    const QByteArray start = body.left(kCharsetSniffBytes).trimmed().toLower();
    return start.startsWith("<!doctype html") || start.startsWith("<html") || start.contains("<body");
}

void PageView::navigate(const QString& address) {
    if (m_reply) {
        QNetworkReply* previous = m_reply;
        m_reply = nullptr;  // its end is no longer reported
        previous->abort();
        previous->deleteLater();
    }
    clear();
    m_address = QUrl(address.trimmed());
    if (!isWebUrl(m_address)) {
        QTimer::singleShot(0, this, [this] { Q_EMIT finished(false); });
        return;
    }
    QNetworkRequest request(m_address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_manager->get(request);
    m_reply = reply;
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this, reply] {
        if (m_reply != reply) return;
        m_reply = nullptr;
        reply->abort();
        reply->deleteLater();
        fail();
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
        if (received <= kMaxPageBytes || m_reply != reply) return;
        m_reply = nullptr;
        reply->abort();
        reply->deleteLater();
        fail();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReplyFinished(reply); });
    deadline->start(m_timeoutMs);
}

void PageView::onReplyFinished(QNetworkReply* reply) {
    reply->deleteLater();
    if (m_reply != reply) return;  // replaced, timed out or too large: already reported
    m_reply = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status < 200 || status > 299) {
        fail();
        return;
    }
    const QByteArray body = reply->readAll();
    const QString contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    const QString text = decodeBody(body, contentType);
    if (isHtml(body, contentType))
        setHtml(text);
    else
        setPlainText(text);
    Q_EMIT finished(true);
}

void PageView::fail() {
    clear();
    Q_EMIT finished(false);
}

QVariant PageView::loadResource(int, const QUrl&) {
    return {};  // a simple view: no images, style sheets or local files named by a remote page
}

}  // namespace lottodesk

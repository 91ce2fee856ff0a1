#pragma once
// PageView: the main window's simple embedded page view. It fetches an http:// or https:// page
// with Qt Network and shows it as rich text (HTML in GBK or UTF-8) or as plain text. It runs no
// scripts and loads no images or other resources; links to web pages open in the view itself.

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace lottodesk {

class PageView : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 5000;
    static constexpr qint64 kMaxPageBytes = 4 * 1024 * 1024;

    explicit PageView(QWidget* parent = nullptr);

    void setTimeout(int ms) { m_timeoutMs = ms; }
    int timeout() const { return m_timeoutMs; }

    // Starts loading `address`, replacing a load in progress. The view is cleared at once; on
    // success it shows the page, on any failure (not an http(s) address, a network error, an HTTP
    // status other than 2xx, the time-out, a page over 4 MB) it stays empty. Either way
    // `finished` follows from the event loop.
    void navigate(const QString& address);

    // The address of the page shown or being loaded.
    const QUrl& address() const { return m_address; }
    bool isLoading() const { return !m_reply.isNull(); }

    // The text of an HTML or plain body as the view decodes it: the charset of `contentType`, else
    // a <meta> charset in the first bytes of the page, GBK (GB2312, GB18030) or UTF-8.
    static QString decodeBody(const QByteArray& body, const QString& contentType);
    // Whether a body of that content type is shown as HTML (text/html, or an untyped body that
    // starts like a page).
    static bool isHtml(const QByteArray& body, const QString& contentType);

Q_SIGNALS:
    void finished(bool ok);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void onReplyFinished(QNetworkReply* reply);
    void fail();

    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    QUrl m_address;
    int m_timeoutMs = kDefaultTimeoutMs;
};

}  // namespace lottodesk

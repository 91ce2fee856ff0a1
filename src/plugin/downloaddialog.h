#pragma once
// The plug-in's window: the source of draws is the type's result service when the program knows
// one ("cwl" for 双色球 and 七乐彩, "sporttery" for 超级大乐透, shown in the source field; "cwl=BASE"
// asks another server of the same shape), or an http:// or https:// address or a local file in
// the import text format that the user names. "下载" fetches the draws (a service page by page,
// newest first, until the lower bound is reached); they are written to "dttmp.dtp" in the current
// directory, their prize tables to "dttmp.prz", and the window closes. Errors stay in the window;
// cancelling writes nothing.
//
// Unattended use (tests, scripted updates): when the environment variable LOTTODESK_PLUGIN_SOURCE
// is set and not empty, the window takes it as the source, starts the download as soon as it is
// shown and closes by itself when the download has ended, written or not.

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <optional>
#include <vector>

#include "sources/resultsources.h"

class QLabel;
class QLineEdit;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;

namespace prjdll {

class DownloadDialog : public QDialog {
    Q_OBJECT
public:
    // `lowerBound`: the first period wanted, -1 for every draw.
    DownloadDialog(const QString& typeName, int lowerBound, QWidget* parent = nullptr);

    // Give up on a download that has not finished after this long.
    static constexpr int kTimeoutMs = 15000;
    // A larger body is refused.
    static constexpr qint64 kMaxSourceBytes = 32 * 1024 * 1024;

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void startDownload();
    void requestPage(const QUrl& url);
    void onPageFinished(const QByteArray& body);
    void readLocalFile(const QString& path);
    void onReplyFinished();
    void convertAndWrite(const QByteArray& source);
    void fail(const QString& message);
    void setBusy(bool busy);

    int m_lowerBound;
    QString m_typeName;
    // A download from a result service in progress: its kind and base, the page asked for and the
    // draws read so far.
    std::optional<lottodesk::sources::NamedSource> m_service;
    int m_page = 0;
    std::vector<lottodesk::sources::SourceDraw> m_fetched;
    bool m_unattended = false;
    bool m_started = false;
    QLineEdit* m_source;
    QLabel* m_status;
    QPushButton* m_download;
    QPushButton* m_cancel;
    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
};

}  // namespace prjdll

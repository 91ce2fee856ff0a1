#include "downloaddialog.h"

#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QSaveFile>
#include <QUrl>
#include <QVBoxLayout>

#include "drawsource.h"
#include "prjdll.h"

namespace prjdll {
namespace {

bool isWebAddress(const QString& source) {
    return source.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
           source.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
}

}  // namespace

DownloadDialog::DownloadDialog(const QString& typeName, int lowerBound, QWidget* parent)
    : QDialog(parent),
      m_lowerBound(lowerBound),
      m_typeName(typeName),
      m_source(new QLineEdit(this)),
      m_status(new QLabel(this)),
      m_download(new QPushButton(QStringLiteral("下载"), this)),
      m_cancel(new QPushButton(QStringLiteral("取消"), this)),
      m_manager(new QNetworkAccessManager(this)) {
    setWindowTitle(QStringLiteral("在线下载开奖数据"));
    setModal(true);
    m_source->setObjectName(QStringLiteral("e_source"));
    m_source->setPlaceholderText(QStringLiteral("cwl、sporttery、http://... 或 文件路径"));
    // The type's own result service, when the program knows one.
    // The user's own source for the type (the program's setting), else the type's result service.
    const QString preferred = qEnvironmentVariable("LOTTODESK_PLUGIN_DEFAULT_SOURCE");
    if (!preferred.isEmpty())
        m_source->setText(preferred);
    else if (const auto kind = lottodesk::sources::sourceOfType(typeName.toStdString()))
        m_source->setText(QString::fromUtf8(lottodesk::sources::sourceInfo(*kind).name));
    m_source->setMinimumWidth(360);
    m_status->setObjectName(QStringLiteral("l_status"));
    m_status->setWordWrap(true);
    m_download->setObjectName(QStringLiteral("b_download"));
    m_download->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("b_cancel"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("彩种："), new QLabel(typeName, this));
    form->addRow(QStringLiteral("范围："), new QLabel(lowerBound < 0 ? QStringLiteral("全部开奖数据")
                                                                     : QStringLiteral("从第%1期开始").arg(lowerBound),
                                                      this));
    form->addRow(QStringLiteral("数据来源："), m_source);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_download);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addLayout(buttons);

    m_deadline.setSingleShot(true);
    m_deadline.setInterval(kTimeoutMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply) {
            QNetworkReply* reply = m_reply;
            m_reply = nullptr;
            reply->abort();
            reply->deleteLater();
        }
        fail(QStringLiteral("下载超时"));
    });
    connect(m_download, &QPushButton::clicked, this, &DownloadDialog::startDownload);
    connect(m_cancel, &QPushButton::clicked, this, &DownloadDialog::reject);

    const QString preset = qEnvironmentVariable("LOTTODESK_PLUGIN_SOURCE");
    if (!preset.isEmpty()) {
        m_unattended = true;
        m_source->setText(preset);
    }
}

void DownloadDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_unattended && !m_started) {
        m_started = true;
        QTimer::singleShot(0, this, &DownloadDialog::startDownload);
    }
}

void DownloadDialog::reject() {
    m_deadline.stop();
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;  // its finished signal must not write anything now
        reply->abort();
        reply->deleteLater();
    }
    QDialog::reject();
}

void DownloadDialog::setBusy(bool busy) {
    m_download->setEnabled(!busy);
    m_source->setEnabled(!busy);
}

void DownloadDialog::startDownload() {
    if (m_reply) return;
    const QString source = m_source->text().trimmed();
    if (source.isEmpty()) {
        fail(QStringLiteral("请输入数据来源（网址或文件）"));
        return;
    }
    m_fetched.clear();
    m_service = lottodesk::sources::namedSource(source.toStdString());
    if (m_service) {
        m_page = 1;
        requestPage(QUrl(QString::fromStdString(
            lottodesk::sources::pageAddress(m_service->kind, m_service->base, m_typeName.toStdString(), m_page))));
        return;
    }
    if (!isWebAddress(source)) {
        const QUrl url(source);
        readLocalFile(url.isLocalFile() ? url.toLocalFile() : source);
        return;
    }
    requestPage(QUrl(source));
}

void DownloadDialog::requestPage(const QUrl& url) {
    if (!url.isValid() || url.host().isEmpty()) {
        fail(QStringLiteral("网址无效：") + url.toString());
        return;
    }
    m_status->setText(m_service ? QStringLiteral("正在下载第%1页……").arg(m_page) : QStringLiteral("正在下载……"));
    setBusy(true);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("lottodesk/1.0"));
    m_reply = m_manager->get(request);
    QNetworkReply* reply = m_reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64) {
        if (received <= kMaxSourceBytes || m_reply != reply) return;
        m_reply = nullptr;
        m_deadline.stop();
        reply->abort();
        reply->deleteLater();
        fail(QStringLiteral("数据来源太大"));
    });
    connect(reply, &QNetworkReply::finished, this, &DownloadDialog::onReplyFinished);
    m_deadline.start();
}

// One page of a result service: read, then the next page until the lower bound is reached.
void DownloadDialog::onPageFinished(const QByteArray& body) {
    using namespace lottodesk::sources;
    const std::string type = m_typeName.toStdString();
    const SourcePage page = readPage(m_service->kind, std::string_view(body.constData(), body.size()),
                                     mainCountOfType(type));
    if (!page.ok()) {
        fail(QString::fromStdString(page.error));
        return;
    }
    m_fetched.insert(m_fetched.end(), page.draws.begin(), page.draws.end());
    bool reached = false;
    for (const SourceDraw& draw : page.draws) reached = reached || (m_lowerBound >= 0 && draw.period <= m_lowerBound);
    constexpr int kMaxPages = 400;
    if (!page.draws.empty() && !reached && m_page < page.pages && m_page < kMaxPages) {
        ++m_page;
        requestPage(QUrl(QString::fromStdString(pageAddress(m_service->kind, m_service->base, type, m_page))));
        return;
    }
    if (m_fetched.empty()) {
        fail(QStringLiteral("结果服务没有返回开奖数据"));
        return;
    }
    // The prize tables go beside the draws; the program keeps those of the draws it takes.
    const std::string prizes = prizeTableText(m_fetched);
    if (!prizes.empty()) {
        QSaveFile file(QStringLiteral(LOTTODESK_PRIZE_HANDOVER_FILE));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(prizes.data(), static_cast<qint64>(prizes.size()));
            file.commit();
        }
    }
    convertAndWrite(QByteArray::fromStdString(importText(m_fetched)));
}

void DownloadDialog::readLocalFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("无法打开文件：") + path);
        return;
    }
    if (file.size() > kMaxSourceBytes) {
        fail(QStringLiteral("数据来源太大"));
        return;
    }
    convertAndWrite(file.readAll());
}

void DownloadDialog::onReplyFinished() {
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply) return;
    reply->deleteLater();
    if (reply != m_reply) return;  // cancelled, timed out or too large: already handled
    m_reply = nullptr;
    m_deadline.stop();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError) {
        fail(QStringLiteral("下载失败：") + reply->errorString());
        return;
    }
    if (status != 0 && (status < 200 || status > 299)) {
        fail(QStringLiteral("下载失败：HTTP %1").arg(status));
        return;
    }
    if (m_service)
        onPageFinished(reply->readAll());
    else
        convertAndWrite(reply->readAll());
}

void DownloadDialog::convertAndWrite(const QByteArray& source) {
    const HandOver handOver = makeHandOver(source, m_lowerBound);
    if (!handOver.ok()) {
        fail(handOver.error);
        return;
    }
    QSaveFile file(QStringLiteral(LOTTODESK_HANDOVER_FILE));
    if (!file.open(QIODevice::WriteOnly) || file.write(handOver.bytes) != handOver.bytes.size() || !file.commit()) {
        fail(QStringLiteral("无法写入") + QStringLiteral(LOTTODESK_HANDOVER_FILE) + QStringLiteral("：") +
             file.errorString());
        return;
    }
    m_status->setText(QStringLiteral("已下载%1期开奖数据").arg(handOver.draws));
    setBusy(false);
    accept();
}

void DownloadDialog::fail(const QString& message) {
    m_status->setText(message);
    setBusy(false);
    if (m_unattended) QDialog::reject();
}

}  // namespace prjdll

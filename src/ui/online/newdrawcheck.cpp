#include "ui/online/newdrawcheck.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "core/settings.h"
#include "core/workspace.h"
#include "plugin/sources/resultsources.h"

namespace lottodesk {

std::string drawSourceSetting(int type) { return "drawsource" + std::to_string(type); }

QString newDrawsText(int count) { return QStringLiteral("有%1期新开奖数据，点击更新").arg(count); }

NewDrawCheck::NewDrawCheck(QObject* parent) : QObject(parent), m_manager(new QNetworkAccessManager(this)) {}

bool NewDrawCheck::start(const Workspace& ws, SettingsStore& settings) {
    if (m_reply || settings.readInt(kCheckDrawsSetting).value_or(1) == 0) return false;
    const std::string typeName = ws.current().cpmm;
    std::optional<sources::NamedSource> source;
    if (const std::optional<std::string> chosen = settings.readString(drawSourceSetting(ws.curcp)); chosen && !chosen->empty())
        source = sources::namedSource(*chosen);
    else if (const auto kind = sources::sourceOfType(typeName))
        source = sources::NamedSource{*kind, {}};
    if (!source) return false;
    const int newest = ws.sjk.newestRealRecord();
    const int32_t stored = newest > 0 ? ws.sjk.FieldValueAt(newest, 0) : 0;
    const int mainCount = ws.game.zhgs;
    QNetworkRequest request(QUrl(QString::fromStdString(sources::pageAddress(source->kind, source->base, typeName, 1))));
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("lottodesk/1.0"));
    request.setTransferTimeout(kTimeoutMs);  // a hanging service ends as an error: silent
    m_reply = m_manager->get(request);
    QNetworkReply* reply = m_reply;
    const sources::SourceKind kind = source->kind;
    connect(reply, &QNetworkReply::finished, this, [this, reply, kind, stored, mainCount] {
        reply->deleteLater();
        ++m_answered;
        if (reply->error() != QNetworkReply::NoError || reply->bytesAvailable() > (qint64{4} << 20)) return;
        const QByteArray body = reply->readAll();
        const sources::SourcePage page =
            sources::readPage(kind, std::string_view(body.constData(), static_cast<size_t>(body.size())), mainCount);
        if (!page.ok()) return;
        int count = 0;
        for (const sources::SourceDraw& draw : page.draws) count += draw.period > stored ? 1 : 0;
        if (count > 0) Q_EMIT found(count);
    });
    return true;
}

}  // namespace lottodesk

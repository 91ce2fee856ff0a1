#pragma once
// NewDrawCheck: at start the program asks the type's result service, in the background, for its
// newest page of draws and counts those after the newest stored draw. Offline, on an error or a
// changed answer it says nothing; it never opens a window.

#include <QObject>
#include <QPointer>
#include <QString>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;

namespace lottodesk {

struct Workspace;
class SettingsStore;

// The settings: "checkdraws" (0 turns the check off; on by default) and "drawsource<N>", which can
// point type N at another server of its service's shape ("cwl=http://my-mirror:8080").
inline constexpr const char* kCheckDrawsSetting = "checkdraws";
std::string drawSourceSetting(int type);

// "有N期新开奖数据，点击更新"
QString newDrawsText(int count);

class NewDrawCheck : public QObject {
    Q_OBJECT
public:
    explicit NewDrawCheck(QObject* parent = nullptr);

    static constexpr int kTimeoutMs = 10000;

    // Starts the check for the current type when the settings allow it and the type has a source;
    // false when nothing was asked.
    bool start(const Workspace& ws, SettingsStore& settings);
    // How many checks have ended (with or without news): tests wait for it instead of a time.
    int answered() const { return m_answered; }

Q_SIGNALS:
    // Draws after the newest stored one exist (count > 0 only).
    void found(int count);

private:
    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    int m_answered = 0;
};

}  // namespace lottodesk

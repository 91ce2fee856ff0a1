#pragma once
// Tf_informdownload ("提示"): the notice window. A small borderless window that stays on top in
// the bottom-right corner of the screen, filled by one word-wrapping button showing the notice
// text; it closes itself after eight seconds, and a click on it closes it and opens the notice's
// download addresses.

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

class QPushButton;

namespace lottodesk {

class SettingsStore;
class Shell;

class Tf_informdownload : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 260;     // the window's and the button's width in pixels
    static constexpr int kBottomGap = 30;  // pixels between the window and the screen's bottom
    static constexpr int kLifeMs = 8000;
    static constexpr int kTickMs = 1000;

    // `settings` and `shell` must outlive the window.
    Tf_informdownload(SettingsStore& settings, Shell& shell, QWidget* parent = nullptr);

    // The notice text and the "$"-terminated download list of the start-up fetch (both empty when
    // nothing was fetched). Read when the window is next shown.
    void setNotice(const QString& text, const QString& downloads);

    // After showing: the text shown and the download list the button opens. On showing, when the
    // settings value `newbbh` is greater than the program's version 17, the stored `inform` and
    // `downloadie` replace the fetched values; an empty text becomes "欢迎使用。".
    const QString& noticeText() const { return m_text; }
    const QString& downloadList() const { return m_downloads; }

    // The window closes at the first tick after `lifeMs` have passed since it was shown (tests
    // shorten both).
    void setLife(int lifeMs, int tickMs = kTickMs);

    QPushButton* button() const { return m_button; }

    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void prepareForShowing();
    void onTick();
    void onClicked();

    SettingsStore& m_settings;
    Shell& m_shell;
    QPushButton* m_button;
    QString m_text;
    QString m_downloads;
    QElapsedTimer m_shownAt;
    QTimer m_tick;
    int m_lifeMs = kLifeMs;
};

}  // namespace lottodesk

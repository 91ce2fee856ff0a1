#include "ui/online/f_informdownload.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

#include "core/notice.h"
#include "core/settings.h"
#include "ui/common/shell.h"

namespace lottodesk {
namespace {

// A push button whose caption wraps at word boundaries inside the button.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 2, -2, -2);
        painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                             QPalette::ButtonText);
    }
};

QString stored(SettingsStore& settings, const char* name) {
    return QString::fromStdString(settings.readString(name).value_or(std::string()));
}

}  // namespace

Tf_informdownload::Tf_informdownload(SettingsStore& settings, Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_settings(settings),
      m_shell(shell),
      m_button(new WrappingButton(this)) {
    setObjectName(QStringLiteral("f_informdownload"));
    setWindowTitle(QStringLiteral("提示"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);  // closing the notice never ends the program
    m_button->setObjectName(QStringLiteral("b_inform"));

    m_tick.setInterval(kTickMs);
    connect(&m_tick, &QTimer::timeout, this, &Tf_informdownload::onTick);
    connect(m_button, &QPushButton::clicked, this, &Tf_informdownload::onClicked);
}

void Tf_informdownload::setNotice(const QString& text, const QString& downloads) {
    m_text = text;
    m_downloads = downloads;
}

void Tf_informdownload::setLife(int lifeMs, int tickMs) {
    m_lifeMs = lifeMs;
    m_tick.setInterval(tickMs);
}

void Tf_informdownload::setVisible(bool visible) {
    if (visible && !isVisible()) prepareForShowing();
    QWidget::setVisible(visible);
    if (!visible) m_tick.stop();
}

void Tf_informdownload::prepareForShowing() {
    m_shownAt.start();
    if (const std::optional<int> newest = m_settings.readInt("newbbh"); newest && *newest > kProgramVersion) {
        m_text = stored(m_settings, "inform");
        m_downloads = stored(m_settings, "downloadie");
    }
    if (m_text.isEmpty()) m_text = QString::fromUtf8(kWelcomeText);
    m_button->setText(m_text);

    // Rows: the text's pixel width over the button's width, plus four; every further line of a
    // text with line breaks adds a row of its own.
    const QFontMetrics metrics(m_button->font());
    int rows = 3;
    for (QString line : m_text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\r'));
        rows += metrics.horizontalAdvance(line) / kWidth + 1;
    }
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    const int lineHeight = metrics.height();  // the height of "a" in the button's font
    const int height = std::clamp(rows * lineHeight, lineHeight, std::max(lineHeight, area.height() - kBottomGap));
    setFixedSize(kWidth, height);
    move(area.x() + area.width() - kWidth, area.y() + area.height() - kBottomGap - height);
    m_tick.start();
}

void Tf_informdownload::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_button->setGeometry(rect());  // the button fills the window
}

void Tf_informdownload::onTick() {
    if (m_shownAt.isValid() && m_shownAt.elapsed() > m_lifeMs) close();
}

void Tf_informdownload::onClicked() {
    close();
    for (const std::string& address : webDownloadEntries(m_downloads.toStdString()))
        m_shell.openDocument(QString::fromStdString(address));
}

}  // namespace lottodesk

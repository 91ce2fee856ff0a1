// Message boxes: Qt's Chinese texts on the standard buttons, and titles and icons that match the
// kind of message.
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/common/prompts.h"
#include "ui/common/qttranslations.h"

using namespace lottodesk;

namespace {

struct Shown {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Runs `show`, which opens a modal box, reads the box while it is up and closes it with its
// default (or only) button.
template <typename Show>
Shown readBox(Show show) {
    Shown seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
        box->done(0);
    });
    show();
    return seen;
}

}  // namespace

class TestPrompts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void standardButtonsSpeakChinese();
    void eachKindHasItsTitleAndIcon();
};

void TestPrompts::standardButtonsSpeakChinese() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + QStringLiteral("/qtbase_zh_CN.qm"))) {
        // `make test` installs the translations first and says so with this variable: there a
        // missing file is a failure, not a skip.
        if (qEnvironmentVariableIsSet("LOTTODESK_REQUIRE_QT_TRANSLATIONS"))
            QFAIL("qtbase_zh_CN.qm is not installed in the Qt translations folder (Debian: qt6-translations-l10n)");
        QSKIP("qtbase_zh_CN.qm is not installed (Debian: qt6-translations-l10n)");
    }
    QVERIFY(installQtTranslations(*QCoreApplication::instance()));

    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("确定"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("取消"));
    QVERIFY2(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("是")),
             qPrintable(box.button(QMessageBox::Yes)->text()));
    QVERIFY2(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("否")),
             qPrintable(box.button(QMessageBox::No)->text()));

    // A question of the program shows them too.
    MessageBoxPrompts prompts;
    const Shown asked =
        readBox([&] { prompts.ask(nullptr, QStringLiteral("确认"), QStringLiteral("删除吗？"), false); });
    QCOMPARE(asked.title, QStringLiteral("确认"));
    QCOMPARE(asked.icon, QMessageBox::Question);
    QCOMPARE(asked.buttons.size(), 2);
    for (const QString& text : asked.buttons)
        QVERIFY2(text.startsWith(QStringLiteral("是")) || text.startsWith(QStringLiteral("否")), qPrintable(text));
}

void TestPrompts::eachKindHasItsTitleAndIcon() {
    MessageBoxPrompts prompts;
    const struct {
        void (MessageBoxPrompts::*show)(QWidget*, const QString&);
        const char* title;
        QMessageBox::Icon icon;
    } kinds[] = {
        {&MessageBoxPrompts::inform, "提示", QMessageBox::Information},
        {&MessageBoxPrompts::warn, "警告", QMessageBox::Warning},
        {&MessageBoxPrompts::reportError, "错误", QMessageBox::Critical},
    };
    for (const auto& kind : kinds) {
        const Shown shown = readBox([&] { (prompts.*kind.show)(nullptr, QStringLiteral("消息正文")); });
        QCOMPARE(shown.title, QString::fromUtf8(kind.title));
        QCOMPARE(shown.icon, kind.icon);
        QCOMPARE(shown.text, QStringLiteral("消息正文"));
        QCOMPARE(shown.buttons.size(), 1);
    }
}

QTEST_MAIN(TestPrompts)
#include "test_prompts.moc"

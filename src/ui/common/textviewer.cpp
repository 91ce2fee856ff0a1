#include "ui/common/textviewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/gbktext.h"
#include "ui/common/prompts.h"
#include "ui/common/shell.h"

namespace lottodesk {

TextViewer::TextViewer(Shell& shell, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      m_shell(shell),
      m_prompts(prompts),
      m_browser(new QTextBrowser(this)),
      m_path(new QLabel(this)),
      m_save(new QPushButton(QStringLiteral("保存"), this)),
      m_openElsewhere(new QPushButton(QStringLiteral("用其他程序打开"), this)) {
    setObjectName(QStringLiteral("TextViewer"));
    setModal(false);
    setSizeGripEnabled(true);
    m_browser->setObjectName(QStringLiteral("tb_text"));
    m_browser->setOpenLinks(false);
    m_path->setObjectName(QStringLiteral("l_path"));
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_save->setObjectName(QStringLiteral("b_save"));
    m_openElsewhere->setObjectName(QStringLiteral("b_open"));
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("b_close"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_path, 1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_openElsewhere);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);
    resize(760, 560);

    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QString scheme = url.scheme();
        if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https") || scheme == QStringLiteral("mailto"))
            m_shell.openDocument(url.toString());
        else
            m_browser->setSource(url);
    });
    connect(m_save, &QPushButton::clicked, this, [this] { saveIfChanged(); });
    connect(m_openElsewhere, &QPushButton::clicked, this, [this] { openElsewhere(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

// At exit there is no one to tell about a failed save; the closing window already saved.
TextViewer::~TextViewer() {
    if (!m_editing || !m_browser->document()->isModified()) return;
    const std::string text = m_browser->toPlainText().toStdString();
    if (!saveGbkTextUnlessChanged(m_file.toStdString(), text, m_stamp))
        saveGbkText(conflictCopyPath(m_file).toStdString(), text);  // the other writer's file stays
}

QString conflictCopyPath(const QString& file) {
    const QFileInfo info(file);
    const QString stem = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("（本窗口的修改）");
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString copy = stem + suffix;
    for (int n = 2; QFileInfo::exists(copy); ++n) copy = stem + QString::number(n) + suffix;
    return copy;
}

void TextViewer::present(const QString& title, const QString& file) {
    setWindowTitle(title);
    m_file = file;
    m_path->setText(QDir::toNativeSeparators(file));
    m_openElsewhere->setVisible(!file.isEmpty());
    m_save->setVisible(m_editing);
    m_browser->setReadOnly(!m_editing);
    m_browser->document()->setModified(false);
    show();
    raise();
    activateWindow();
}

void TextViewer::showPage(const QString& title, const QUrl& page, const QString& file) {
    saveIfChanged();
    m_editing = false;
    m_browser->setSource(page, QTextDocument::HtmlResource);
    present(title, file);
}

bool TextViewer::showTextFile(const QString& title, const QString& path) {
    const GbkText read = readGbkText(path.toStdString());
    if (!read.status) {
        m_prompts.reportError(parentWidget(), QString::fromStdString(read.status.message));
        return false;
    }
    saveIfChanged();
    m_editing = false;
    m_browser->setPlainText(QString::fromStdString(read.text));
    present(title, path);
    return true;
}

bool TextViewer::editTextFile(const QString& title, const QString& path) {
    if (m_editing && m_file == path && isVisible()) {
        present(title, path);
        return true;
    }
    const GbkText read = readGbkText(path.toStdString(), true);
    if (!read.status) {
        m_prompts.reportError(parentWidget(), QString::fromStdString(read.status.message));
        return false;
    }
    saveIfChanged();
    // A file too large to show whole is shown, never saved back cut.
    m_editing = !read.cut;
    m_stamp = read.stamp;
    m_browser->setPlainText(QString::fromStdString(read.text));
    present(title, path);
    return true;
}

bool TextViewer::saveIfChanged() {
    if (!m_editing || !m_browser->document()->isModified()) return true;
    const std::string text = m_browser->toPlainText().toStdString();
    const Status saved = saveGbkTextUnlessChanged(m_file.toStdString(), text, m_stamp);
    if (saved) {
        m_browser->document()->setModified(false);
        return true;
    }
    if (saved.message.rfind(kFileChangedMessage, 0) != 0) {
        m_prompts.reportError(this, QString::fromStdString(saved.message));
        return false;
    }
    // Another program saved the file meanwhile: its version stays, this window's text goes to a
    // copy beside it, and the window shows the file as it is now.
    const QString copy = conflictCopyPath(m_file);
    if (const Status kept = saveGbkText(copy.toStdString(), text); !kept) {
        m_prompts.reportError(this, QString::fromStdString(kept.message));
        return false;
    }
    const GbkText read = readGbkText(m_file.toStdString(), true);
    m_browser->setPlainText(QString::fromStdString(read.text));
    m_stamp = read.stamp;
    m_browser->document()->setModified(false);
    m_prompts.warn(this, QString::fromStdString(saved.message) + QStringLiteral("\n本窗口的修改已另存为：") + copy);
    return true;
}

void TextViewer::openElsewhere() {
    if (!saveIfChanged()) return;
    m_shell.openDocument(m_file);
}

// The close box, Esc and "关闭" all end here. An edit that cannot be saved keeps the window open,
// so the text is not lost.
void TextViewer::reject() {
    if (saveIfChanged()) QDialog::reject();
}

}  // namespace lottodesk

#include "ui/generator/f_zq_lczh.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/fileio.h"
#include "generator/removal.h"
#include "ui/common/filechooser.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

const QString kListFilter = QStringLiteral("组号文件 (*.txt)");

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Tf_zq_lczh::Tf_zq_lczh(Prompts& prompts, FileChooser& files, QString folder, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_files(files), m_folder(std::move(folder)), m_list(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("Tf_zq_lczh"));
    setWindowTitle(QString::fromUtf8(kRemovalCaption));
    m_list->setObjectName(QStringLiteral("mm_lczh"));
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8(kRemovalListLabel), this));
    layout->addWidget(m_list, 1);
    auto* buttons = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        void (Tf_zq_lczh::*run)();
    } commands[] = {{"b_load", "载入", &Tf_zq_lczh::load},
                    {"b_save", "保存", &Tf_zq_lczh::save},
                    {"b_clear", "清空", nullptr},
                    {"b_hint", "提示", &Tf_zq_lczh::showHint},
                    {"b_ok", "确定", nullptr},
                    {"b_cancel", "取消", nullptr}};
    for (const auto& command : commands) {
        auto* button = new QPushButton(QString::fromUtf8(command.caption), this);
        button->setObjectName(QString::fromLatin1(command.name));
        buttons->addWidget(button);
        if (command.run) connect(button, &QPushButton::clicked, this, command.run);
    }
    connect(findChild<QPushButton*>(QStringLiteral("b_clear")), &QPushButton::clicked, m_list, &QPlainTextEdit::clear);
    connect(findChild<QPushButton*>(QStringLiteral("b_ok")), &QPushButton::clicked, this, &Tf_zq_lczh::accept);
    connect(findChild<QPushButton*>(QStringLiteral("b_cancel")), &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
    resize(420, 360);
}

std::string Tf_zq_lczh::listText() const { return m_list->toPlainText().toStdString(); }

void Tf_zq_lczh::load() {
    const QString name =
        m_files.openFile(this, QStringLiteral(" 打开要滤除的组号存储文件"), kListFilter, m_folder);
    if (name.isEmpty()) return;
    const std::optional<std::string> text = readWholeFile(name.toStdString(), kMaxRemovalListBytes);
    if (!text) {
        m_prompts.warn(this, QStringLiteral("无法读取文件（或文件大于16MB，不是组号列表）：") + name);
        return;
    }
    m_list->setPlainText(QString::fromUtf8(*text));
}

void Tf_zq_lczh::save() {
    const RemovalListParse parsed = parseRemovalList(listText(), m_m);
    if (!parsed.ok()) {
        m_prompts.warn(this, q(parsed.error));
        return;
    }
    QString name = m_files.saveFile(this, QStringLiteral("保存要滤除的组号"), kListFilter, m_folder);
    if (name.isEmpty()) return;
    if (!name.contains(QStringLiteral(".txt"))) name += QStringLiteral(".txt");
    const Status saved = saveFileAtomically(name.toStdString(), encodeRemovalList(parsed.tickets, m_m));
    if (!saved) m_prompts.reportError(this, q(saved.message));
}

void Tf_zq_lczh::showHint() { m_prompts.inform(this, q(removalHint(m_m))); }

void Tf_zq_lczh::accept() {
    const RemovalListParse parsed = parseRemovalList(listText(), m_m);
    if (!parsed.ok()) {
        m_prompts.warn(this, q(parsed.error));
        return;
    }
    QDialog::accept();
}

}  // namespace lottodesk

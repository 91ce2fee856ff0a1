#include "ui/prediction/f_collectgs.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "prediction/schemefiles.h"
#include "ui/common/filechooser.h"
#include "ui/common/prompts.h"

namespace lottodesk {

Tf_collectgs::Tf_collectgs(const Workspace& ws, Prompts& prompts, FileChooser& files, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ws(ws), m_prompts(prompts), m_files(files) {
    setObjectName(QStringLiteral("f_collectgs"));
    m_list = new QListWidget(this);
    m_edit = new QLineEdit(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_edit);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto button = [&](const char* caption, auto slot) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
    };
    button("添加", [this] {
        addFormula(m_edit->text());
        m_edit->clear();
    });
    button("修改", &Tf_collectgs::modifySelected);
    button("删除", &Tf_collectgs::deleteSelected);
    button("清空", &Tf_collectgs::clearAll);
    button("保存", &Tf_collectgs::save);
    button("载入", &Tf_collectgs::load);
    connect(m_list, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (!text.isNull()) m_edit->setText(text);
    });
    refreshCaption();
}

void Tf_collectgs::refreshCaption() { setWindowTitle(QStringLiteral("已收集公式%1条").arg(m_list->count())); }

void Tf_collectgs::addFormula(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return;
    m_list->addItem(trimmed);
    refreshCaption();
}

void Tf_collectgs::modifySelected() {
    QListWidgetItem* item = m_list->currentItem();
    if (!item) {
        m_prompts.inform(this, QStringLiteral("请先选中上面列表要修改的公式项"));
        return;
    }
    item->setText(m_edit->text().trimmed());
}

void Tf_collectgs::deleteSelected() {
    delete m_list->currentItem();
    refreshCaption();
}

void Tf_collectgs::clearAll() {
    m_list->clear();
    refreshCaption();
}

QStringList Tf_collectgs::formulas() const {
    QStringList list;
    for (int i = 0; i < m_list->count(); ++i) list << m_list->item(i)->text();
    return list;
}

void Tf_collectgs::save() {
    const QString chosen = m_files.saveFile(this, QStringLiteral("保存公式集"), QStringLiteral("公式集文件 (*.txt)"),
                                            QString::fromStdString(m_ws.path("save")));
    if (chosen.isEmpty()) return;
    std::vector<std::string> lines;
    for (const QString& f : formulas()) lines.push_back(f.toStdString());
    const Status saved = saveFormulaSet(withExtension(chosen.toStdString(), ".txt"), lines);
    if (!saved) m_prompts.inform(this, QString::fromStdString(saved.message));
}

void Tf_collectgs::load() {
    const QString chosen =
        m_files.openFile(this, QStringLiteral(" 打开公式集文件"), QStringLiteral("公式集文件 (*.txt)"),
                         QString::fromStdString(m_ws.path("save")));
    if (chosen.isEmpty()) return;
    const FormulaSetLoad load = loadFormulaSet(chosen.toStdString(), 1'000'000);
    for (const std::string& p : load.problems) m_prompts.inform(this, QString::fromStdString(p));
    if (!load.ok) return;
    m_list->clear();
    for (const std::string& f : load.formulas) m_list->addItem(QString::fromStdString(f));
    refreshCaption();
}

}  // namespace lottodesk

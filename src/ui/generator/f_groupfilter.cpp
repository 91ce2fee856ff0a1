#include "ui/generator/f_groupfilter.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "ui/common/named.h"
#include "generator/batch.h"
#include "ui/common/filechooser.h"

namespace lottodesk {

Tf_groupfilter::Tf_groupfilter(const Workspace& ws, FileChooser& files, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_files(files), m_list(new QListWidget) {
    setObjectName(QStringLiteral("Tf_groupfilter"));
    setWindowTitle(QString::fromUtf8(kBatchCaption));
    m_list->setObjectName(QStringLiteral("lb_files"));
    QPushButton* add = named(new QPushButton(QStringLiteral("添加条件")), "b_add");
    QPushButton* remove = named(new QPushButton(QStringLiteral("删除条件")), "b_delete");
    QPushButton* clear = named(new QPushButton(QStringLiteral("清除")), "b_clear");
    QPushButton* run = named(new QPushButton(QStringLiteral("开始过滤")), "b_run");
    QPushButton* back = named(new QPushButton(QStringLiteral("返回")), "b_return");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, remove, clear}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(run);
    buttons->addWidget(back);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(560, 320);

    connect(add, &QPushButton::clicked, this, [this] { addFile(); });
    connect(remove, &QPushButton::clicked, this, [this] { removeSelected(); });
    connect(clear, &QPushButton::clicked, this, [this] { clearList(); });
    connect(run, &QPushButton::clicked, this, &QDialog::accept);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> Tf_groupfilter::paths() const {
    std::vector<std::string> paths;
    for (int i = 0; i < m_list->count(); ++i) paths.push_back(m_list->item(i)->text().toStdString());
    return paths;
}

void Tf_groupfilter::addFile() {
    const QString chosen =
        m_files.openFile(this, QString::fromUtf8(kBatchAddTitle), QStringLiteral("过滤条件文件(*.zh)"),
                         QString::fromStdString(m_ws.path("save")));
    if (!chosen.isEmpty()) m_list->addItem(chosen);
}

void Tf_groupfilter::removeSelected() {
    const int row = m_list->currentRow();
    if (row >= 0) delete m_list->takeItem(row);
}

void Tf_groupfilter::clearList() { m_list->clear(); }

}  // namespace lottodesk

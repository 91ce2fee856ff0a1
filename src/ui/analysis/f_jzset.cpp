#include "ui/analysis/f_jzset.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/analysis/fxd_controls.h"

namespace lottodesk {
namespace {}  // namespace

Tf_jzset::Tf_jzset(QWidget* parent)
    : QDialog(parent),
      m_name(new QLineEdit(this)),
      m_columns(new QSpinBox(this)),
      m_rows(new QSpinBox(this)),
      m_cells(new QTableWidget(10, 10, this)) {
    setObjectName(QStringLiteral("Tf_jzset"));
    setWindowTitle(QStringLiteral("矩阵设置"));
    m_name->setObjectName(QStringLiteral("e_name"));
    m_columns->setObjectName(QStringLiteral("e_columns"));
    m_rows->setObjectName(QStringLiteral("e_rows"));
    m_cells->setObjectName(QStringLiteral("sg_cells"));
    for (QSpinBox* box : {m_columns, m_rows}) {
        box->setRange(1, 10);
        box->setValue(6);
    }
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c) m_cells->setItem(r, c, new QTableWidgetItem(QStringLiteral("空")));
    m_cells->horizontalHeader()->setDefaultSectionSize(34);
    m_cells->verticalHeader()->setDefaultSectionSize(22);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("名称："), this));
    top->addWidget(m_name, 1);
    top->addWidget(new QLabel(QStringLiteral("列："), this));
    top->addWidget(m_columns);
    top->addWidget(new QLabel(QStringLiteral("行："), this));
    top->addWidget(m_rows);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_cells, 1);
    layout->addWidget(okCancelButtons(this));
    resize(460, 340);
}

Arrangement Tf_jzset::arrangement() const {
    Arrangement a;
    a.name = m_name->text().trimmed().toStdString();
    a.columns = m_columns->value();
    a.rows = m_rows->value();
    a.cells.fill(kEmptyCell);
    // Cells are taken row by row in the design's own width, as the file stores them.
    for (int p = 0; p < a.used(); ++p) {
        const QTableWidgetItem* item = m_cells->item(p / a.columns, p % a.columns);
        bool ok = false;
        const int value = item ? item->text().trimmed().toInt(&ok) : 0;
        if (ok && value >= 0) a.cells[static_cast<size_t>(p)] = static_cast<uint8_t>(value % 100);
    }
    return a;
}

Tf_hns_save::Tf_hns_save(const QStringList& slotNames, QWidget* parent)
    : QDialog(parent),
      m_builtin(new QRadioButton(QStringLiteral("存储为内置行列式"), this)),
      m_saveAs(new QRadioButton(QStringLiteral("另存为"), this)),
      m_notNow(new QRadioButton(QStringLiteral("暂时不保存"), this)),
      m_slot(new QComboBox(this)) {
    setObjectName(QStringLiteral("Tf_hns_save"));
    setWindowTitle(QStringLiteral("保存"));
    m_builtin->setObjectName(QStringLiteral("rb_builtin"));
    m_saveAs->setObjectName(QStringLiteral("rb_saveas"));
    m_notNow->setObjectName(QStringLiteral("rb_notnow"));
    m_slot->setObjectName(QStringLiteral("combo_slot"));
    m_slot->addItems(slotNames);
    m_builtin->setChecked(true);
    connect(m_builtin, &QRadioButton::toggled, m_slot, &QWidget::setEnabled);
    auto* layout = new QVBoxLayout(this);
    auto* builtin = new QHBoxLayout;
    builtin->addWidget(m_builtin);
    builtin->addWidget(m_slot, 1);
    layout->addLayout(builtin);
    layout->addWidget(m_saveAs);
    layout->addWidget(m_notNow);
    layout->addWidget(okCancelButtons(this));
}

Tf_hns_save::Choice Tf_hns_save::choice() const {
    return m_builtin->isChecked() ? Choice::Builtin : m_saveAs->isChecked() ? Choice::SaveAs : Choice::NotNow;
}

int Tf_hns_save::slot() const { return std::max(0, m_slot->currentIndex()) + 1; }

QRadioButton* Tf_hns_save::button(Choice choice) const {
    return choice == Choice::Builtin ? m_builtin : choice == Choice::SaveAs ? m_saveAs : m_notNow;
}

}  // namespace lottodesk

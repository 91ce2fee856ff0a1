#include "ui/analysis/f_combodialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/analysis/fxd_controls.h"

namespace lottodesk {
Tf_xtqz::Tf_xtqz(const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)), m_tolerance(new QCheckBox(QStringLiteral("容错"), this)) {
    setObjectName(QStringLiteral("Tf_xtqz"));
    setWindowTitle(QStringLiteral("形态取值"));
    m_list->setObjectName(QStringLiteral("lb_values"));
    m_tolerance->setObjectName(QStringLiteral("cb_rc"));
    for (const std::string& line : lines) {
        auto* item = new QListWidgetItem(qtext(line), m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_tolerance);
    layout->addWidget(okCancelButtons(this));
    resize(320, 420);
}

std::vector<int32_t> Tf_xtqz::ticked() const {
    std::vector<int32_t> values;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked) values.push_back(i);
    return values;
}

bool Tf_xtqz::tolerant() const { return m_tolerance->isChecked(); }

Tf_zbzh_set::Tf_zbzh_set(std::vector<MosaicEntry> entries, QWidget* parent)
    : QDialog(parent),
      m_entries(std::move(entries)),
      m_code(new QLineEdit(this)),
      m_name(new QLineEdit(this)),
      m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("Tf_zbzh_set"));
    setWindowTitle(QStringLiteral("指标组合设置"));
    m_code->setObjectName(QStringLiteral("e_code"));
    m_name->setObjectName(QStringLiteral("e_name"));
    m_list->setObjectName(QStringLiteral("lb_entries"));
    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("指标代码"), this), 0, 0);
    form->addWidget(m_code, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("指标名称"), this), 1, 0);
    form->addWidget(m_name, 1, 1);
    auto* commands = new QHBoxLayout;
    const struct {
        const char* name;
        const char* text;
        void (Tf_zbzh_set::*run)();
    } buttons[] = {{"b_add", "添加", &Tf_zbzh_set::add},
                   {"b_insert", "插入", &Tf_zbzh_set::insert},
                   {"b_modify", "修改", &Tf_zbzh_set::modify},
                   {"b_delete", "删除", &Tf_zbzh_set::remove},
                   {"b_clear", "清空", &Tf_zbzh_set::clearAll}};
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.text), this);
        button->setObjectName(QString::fromLatin1(b.name));
        connect(button, &QPushButton::clicked, this, b.run);
        commands->addWidget(button);
    }
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= static_cast<int>(m_entries.size())) return;
        m_code->setText(qtext(m_entries[static_cast<size_t>(row)].formula));
        m_name->setText(qtext(m_entries[static_cast<size_t>(row)].caption));
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(commands);
    layout->addWidget(m_list);
    layout->addWidget(okCancelButtons(this));
    showEntries(-1);
}

// code + " " + name read back as the mosaic reads a line, so what is listed is what is saved.
MosaicEntry Tf_zbzh_set::typed() const {
    const std::string code = m_code->text().trimmed().toStdString();
    const std::string name = m_name->text().trimmed().toStdString();
    return parseMosaicLine(code.empty() ? " " + name : name.empty() ? code : code + " " + name);
}

void Tf_zbzh_set::add() {
    if (typed().caption.empty()) return;
    m_entries.push_back(typed());
    showEntries(static_cast<int>(m_entries.size()) - 1);
}

void Tf_zbzh_set::insert() {
    const int row = m_list->currentRow();
    if (typed().caption.empty()) return;
    if (row < 0) return add();
    m_entries.insert(m_entries.begin() + row, typed());
    showEntries(row);
}

void Tf_zbzh_set::modify() {
    const int row = m_list->currentRow();
    if (row < 0 || typed().caption.empty()) return;
    m_entries[static_cast<size_t>(row)] = typed();
    showEntries(row);
}

void Tf_zbzh_set::remove() {
    const int row = m_list->currentRow();
    if (row < 0) return;
    m_entries.erase(m_entries.begin() + row);
    showEntries(std::min(row, static_cast<int>(m_entries.size()) - 1));
}

void Tf_zbzh_set::clearAll() {
    m_entries.clear();
    showEntries(-1);
}

void Tf_zbzh_set::showEntries(int select) {
    QSignalBlocker block(m_list);
    m_list->clear();
    for (const MosaicEntry& e : m_entries) m_list->addItem(qtext(mosaicLine(e)));
    m_list->setCurrentRow(select);
}

Tf_regularzbzhset::Tf_regularzbzhset(const std::vector<CommonCombination>& entries, QWidget* parent)
    : QDialog(parent), m_editor(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("Tf_regularzbzhset"));
    setWindowTitle(QStringLiteral("常用指标组合设置"));
    m_editor->setObjectName(QStringLiteral("m_entries"));
    m_editor->setPlainText(qtext(commonCombinationsText(entries)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("每行一个组合：名称，然后各指标，以空格分隔"), this));
    layout->addWidget(m_editor);
    layout->addWidget(okCancelButtons(this));
    resize(480, 360);
}

std::vector<CommonCombination> Tf_regularzbzhset::entries() const {
    return parseCommonCombinations(m_editor->toPlainText().toStdString());
}

}  // namespace lottodesk

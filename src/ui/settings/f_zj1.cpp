#include "ui/settings/f_zj1.h"

#include <algorithm>

#include "core/componenttable.h"
#include "core/workspace.h"
#include "ui_f_zj1.h"

namespace lottodesk {
namespace {

void addNames(QListWidget* list, const std::vector<std::string>& names) {
    for (const std::string& name : names) list->addItem(QString::fromStdString(name));
}

void selectFirst(QListWidget* list) {
    if (list->count() > 0) list->setCurrentRow(0);
}

// Moves the selected entry of `from` to the end of `to`; false when nothing is selected.
bool moveSelected(QListWidget* from, QListWidget* to) {
    const int row = from->currentRow();
    if (row < 0) return false;
    to->addItem(from->takeItem(row));
    return true;
}

}  // namespace

Tf_zj1::Tf_zj1(Workspace& ws, QWidget* parent) : QDialog(parent), m_ws(ws), m_ui(new Ui::Tf_zj1) {
    m_ui->setupUi(this);
    addNames(m_ui->lb_used, defaultComponentNames());
    addNames(m_ui->lb_free, availableComponentNames());
    connect(m_ui->b_use, &QPushButton::clicked, this, [this] { useSelected(); });
    connect(m_ui->b_unuse, &QPushButton::clicked, this, [this] { unuseSelected(); });
    connect(m_ui->b_close, &QPushButton::clicked, this, [this] { accept(); });
}

Tf_zj1::~Tf_zj1() = default;

QListWidget* Tf_zj1::usedList() const { return m_ui->lb_used; }
QListWidget* Tf_zj1::availableList() const { return m_ui->lb_free; }

void Tf_zj1::showEvent(QShowEvent* event) {
    // The lists start from the table in use (another copy of this dialog may have changed it).
    std::vector<std::string> used;
    for (int i = 0; i < m_ws.components.count; ++i) used.push_back(m_ws.components.items[static_cast<size_t>(i)].name);
    std::vector<std::string> listed;
    for (int row = 0; row < m_ui->lb_used->count(); ++row) listed.push_back(m_ui->lb_used->item(row)->text().toStdString());
    if (!used.empty() && used != listed) {
        std::vector<std::string> free = defaultComponentNames();
        const std::vector<std::string> more = availableComponentNames();
        free.insert(free.end(), more.begin(), more.end());
        std::erase_if(free, [&used](const std::string& name) {
            return std::find(used.begin(), used.end(), name) != used.end();
        });
        m_ui->lb_used->clear();
        m_ui->lb_free->clear();
        addNames(m_ui->lb_used, used);
        addNames(m_ui->lb_free, free);
    }
    selectFirst(m_ui->lb_used);
    selectFirst(m_ui->lb_free);
    QDialog::showEvent(event);
}

void Tf_zj1::useSelected() {
    if (moveSelected(m_ui->lb_free, m_ui->lb_used)) selectFirst(m_ui->lb_free);
}

void Tf_zj1::unuseSelected() {
    if (m_ui->lb_used->count() <= 1) return;  // one group always stays in use
    moveSelected(m_ui->lb_used, m_ui->lb_free);
}

void Tf_zj1::done(int result) {
    std::vector<std::string> names;
    for (int row = 0; row < m_ui->lb_used->count(); ++row)
        names.push_back(m_ui->lb_used->item(row)->text().toStdString());
    m_ws.components = buildComponentTable(names);
    QDialog::done(result);
}

}  // namespace lottodesk

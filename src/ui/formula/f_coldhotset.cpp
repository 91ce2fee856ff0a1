#include "ui/formula/f_coldhotset.h"

#include "core/integertext.h"
#include "core/settings.h"
#include "core/workspace.h"
#include "indicators/coldhot.h"
#include "ui/common/prompts.h"
#include "ui_f_coldhotset.h"

namespace lottodesk {

Tf_coldhotset::Tf_coldhotset(Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_ui(new Ui::Tf_coldhotset) {
    m_ui->setupUi(this);
    connect(m_ui->b_ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(m_ui->b_cancel, &QPushButton::clicked, this, [this] { reject(); });
}

Tf_coldhotset::~Tf_coldhotset() = default;

void Tf_coldhotset::fill(int qs, int cold, int hot) {
    m_ui->e_qsfield->setText(QString::number(qs));
    m_ui->e_cold->setText(QString::number(cold));
    m_ui->e_hot->setText(QString::number(hot));
}

std::optional<std::array<int, 3>> Tf_coldhotset::values(Prompts& prompts) {
    const QLineEdit* fields[] = {m_ui->e_qsfield, m_ui->e_cold, m_ui->e_hot};
    std::array<int, 3> result{};
    for (size_t i = 0; i < result.size(); ++i) {
        const std::string text = fields[i]->text().toStdString();
        const std::optional<int> value = parseInteger(text);
        if (!value) {
            prompts.inform(this, QString::fromStdString(notAnIntegerMessage(text)));
            return std::nullopt;
        }
        result[i] = *value;
    }
    return result;
}

void Tf_coldhotset::accept() {
    if (!values(m_prompts)) return;
    QDialog::accept();
}

bool editColdHotSettings(Workspace& ws, SettingsStore& store, Prompts& prompts, bool secondary,
                         const std::function<int(QDialog&)>& run, QWidget* parent) {
    ColdHotSettings& s = ws.settings;
    Tf_coldhotset dialog(prompts, parent);
    dialog.fill(secondary ? s.f_qs : s.qs, secondary ? s.f_coldcs : s.coldcs, secondary ? s.f_hotcs : s.hotcs);
    if (run(dialog) != QDialog::Accepted) return false;
    const std::optional<std::array<int, 3>> values = dialog.values(prompts);
    if (!values) return false;
    const char* names[3] = {"qs", "coldcs", "hotcs"};
    const char* secondaryNames[3] = {"f_qs", "f_coldcs", "f_hotcs"};
    int* fields[3] = {secondary ? &s.f_qs : &s.qs, secondary ? &s.f_coldcs : &s.coldcs,
                      secondary ? &s.f_hotcs : &s.hotcs};
    for (int i = 0; i < 3; ++i) {
        *fields[i] = (*values)[static_cast<size_t>(i)];
        store.writeInt(secondary ? secondaryNames[i] : names[i], *fields[i]);
    }
    if (const int newest = ws.sjk.newestRealRecord(); newest > 0)
        refresh_lists(ws.sjk, ws.game, ws.settings, ws.sjk.FieldValueAt(newest, 0), ws.lists);
    return true;
}

}  // namespace lottodesk

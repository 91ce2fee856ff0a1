#include "ui/indicators/f_zbpx.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/workspace.h"
#include "formula/selfzb.h"
#include "indicators/catalogue.h"
#include "ui/common/prompts.h"
#include "ui/formula/f_addselfzb.h"
#include "ui/formula/f_fzsr.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kClickHint = "请在列表框中单击你要输入的内容";

QLineEdit* edit(const char* name, const char* text = "") {
    auto* e = new QLineEdit(QString::fromUtf8(text));
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

// A range box: three digits, a minus sign allowed since formulas can be negative.
QLineEdit* rangeBox(const char* name) {
    QLineEdit* box = edit(name);
    box->setValidator(new QIntValidator(-999, 999, box));
    box->setMaxLength(4);
    box->setMaximumWidth(60);
    return box;
}

// A range box's number: nullopt when empty; a text that does not convert is reported.
struct BoxValue {
    bool valid = true;
    std::optional<int32_t> value;
};
BoxValue boxValue(const QLineEdit* box) {
    const QString text = box->text().trimmed();
    if (text.isEmpty()) return {};
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) return {false, std::nullopt};
    return {true, value};
}

}  // namespace

Tf_zbpx::Tf_zbpx(Workspace& ws, Prompts& prompts, StartAnalysis start, std::function<void()> close, QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_prompts(prompts),
      m_start(std::move(start)),
      m_close(std::move(close)),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); }),
      m_fzsr(new Tf_fzsr(ws.folder, prompts, this)),
      m_editor(new Tf_addselfzb(ws.folder, prompts, this)) {
    setObjectName(QStringLiteral("Tf_zbpx"));
    setWindowTitle(QStringLiteral("指标管理"));
    auto* layout = new QVBoxLayout(this);

    auto* modes = new QGridLayout;
    m_existing = new QRadioButton(QStringLiteral("选择系统已有指标"));
    m_existing->setObjectName(QStringLiteral("rb_yyzb"));
    m_existing->setChecked(true);
    m_custom = new QRadioButton(QStringLiteral("自定义指标(公式)"));
    m_custom->setObjectName(QStringLiteral("rb_selfzb"));
    m_identifier = edit("e_yyzb", "z_num1");
    m_formula = edit("e_selfzb");
    auto* assist = new QPushButton(QStringLiteral(" 辅助输入"));
    assist->setObjectName(QStringLiteral("b_fzsr"));
    modes->addWidget(m_existing, 0, 0);
    modes->addWidget(m_identifier, 0, 1);
    modes->addWidget(m_custom, 1, 0);
    modes->addWidget(m_formula, 1, 1);
    modes->addWidget(assist, 1, 2);
    layout->addLayout(modes);

    auto* naming = new QHBoxLayout;
    naming->addWidget(new QLabel(QStringLiteral("指标命名：")));
    m_name = edit("e_zbmm", "红号一");
    naming->addWidget(m_name, 1);
    m_from = rangeBox("me_zbqzfrom");
    m_to = rangeBox("me_zbqzto");
    naming->addWidget(m_from);
    naming->addWidget(new QLabel(QStringLiteral("<=指标取值范围<=")));
    naming->addWidget(m_to);
    layout->addLayout(naming);

    m_listPages = new QTabWidget;
    m_listPages->setObjectName(QStringLiteral("pc_zblist"));
    auto addList = [this](const QString& caption, QWidget* page = nullptr) {
        auto* list = new QListWidget;
        list->setObjectName(QStringLiteral("lb_%1").arg(m_lists.size() + 1));
        list->setFont(QFont(QStringLiteral("monospace")));
        list->viewport()->installEventFilter(this);
        if (page)
            page->layout()->addWidget(list);
        else
            m_listPages->addTab(list, caption);
        m_lists.push_back(list);
        return list;
    };
    for (const CatalogueSeries& series : indicatorCatalogue()) {
        QListWidget* list = addList(q(series.caption));
        const int column = catalogueNameColumn(series);
        for (const CatalogueEntry& entry : series.entries) list->addItem(q(catalogueLine(entry, column)));
    }
    // The saved custom indicators, with the commands that change the file.
    auto* savedPage = new QWidget;
    auto* savedLayout = new QVBoxLayout(savedPage);
    addList({}, savedPage)->setObjectName(QStringLiteral("lb_save"));
    auto* savedButtons = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        void (Tf_zbpx::*run)();
    } commands[] = {{"b_add", "添加", &Tf_zbpx::addSaved},
                    {"b_delete", "删除", &Tf_zbpx::deleteSaved},
                    {"b_modify", "修改", &Tf_zbpx::modifySaved}};
    for (const auto& command : commands) {
        auto* button = new QPushButton(QString::fromUtf8(command.caption));
        button->setObjectName(QString::fromLatin1(command.name));
        connect(button, &QPushButton::clicked, this, command.run);
        savedButtons->addWidget(button);
    }
    savedButtons->addStretch();
    savedLayout->addLayout(savedButtons);
    m_listPages->addTab(savedPage, QStringLiteral("已保存的自定义指标"));
    layout->addWidget(m_listPages, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* startButton = new QPushButton(QStringLiteral("开始剖析"));
    startButton->setObjectName(QStringLiteral("b_start"));
    auto* cancel = new QPushButton(QStringLiteral("取消"));
    cancel->setObjectName(QStringLiteral("b_cancel"));
    buttons->addWidget(startButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_custom, &QRadioButton::clicked, this, [this] { chooseCustomMode(); });
    connect(assist, &QPushButton::clicked, this, [this] { assistInput(); });
    connect(startButton, &QPushButton::clicked, this, [this] { startAnalysis(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        if (m_close) m_close();
    });
}

Tf_zbpx::~Tf_zbpx() = default;

void Tf_zbpx::showEvent(QShowEvent* event) {
    fillSavedPage();  // the custom indicators may have changed on another page
    QWidget::showEvent(event);
}

void Tf_zbpx::fillSavedPage() {
    m_saved = loadSelfzbLines(m_ws.folder);
    showSaved(-1);
}

void Tf_zbpx::showSaved(int current) {
    QListWidget* list = m_lists.back();
    list->clear();
    for (const std::string& line : m_saved) list->addItem(q(line));
    list->setCurrentRow(current);
}

void Tf_zbpx::addSaved() {
    m_editor->setForAdd();
    if (m_runDialog(*m_editor) != QDialog::Accepted) return;
    const Status added =
        addSelfzb(m_ws.folder, m_saved, m_editor->formula().toStdString(), m_editor->name().toStdString());
    if (!added) m_prompts.warn(this, q(added.message));
    showSaved(added ? static_cast<int>(m_saved.size()) - 1 : -1);
}

void Tf_zbpx::deleteSaved() {
    const int row = m_lists.back()->currentRow();
    const Status deleted = deleteSelfzb(m_ws.folder, m_saved, row);
    if (!deleted) m_prompts.warn(this, q(deleted.message));
    showSaved(-1);
}

void Tf_zbpx::modifySaved() {
    const int row = m_lists.back()->currentRow();
    if (row < 0 || row >= static_cast<int>(m_saved.size())) {
        m_prompts.warn(this, QString::fromUtf8(kSelectToModifyMessage));
        return;
    }
    const auto [formula, name] = splitSelfzbLine(m_saved[static_cast<size_t>(row)]);
    m_editor->setForModify(q(formula), q(name));
    if (m_runDialog(*m_editor) != QDialog::Accepted) return;
    const Status modified =
        modifySelfzb(m_ws.folder, m_saved, row, m_editor->formula().toStdString(), m_editor->name().toStdString());
    if (!modified) m_prompts.warn(this, q(modified.message));
    showSaved(row);
}

bool Tf_zbpx::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick) {
        for (QListWidget* list : m_lists)
            if (watched == list->viewport()) {
                takeEntry(list, static_cast<QMouseEvent*>(event)->position().toPoint());
                break;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void Tf_zbpx::takeEntry(QListWidget* list, const QPoint& position) {
    QListWidgetItem* item = list->itemAt(position);
    if (!item) item = list->currentItem();
    if (!item) {
        m_prompts.inform(this, QString::fromUtf8(kClickHint));
        return;
    }
    list->setCurrentItem(item);
    const CatalogueEntry entry = splitCatalogueLine(item->text().toStdString());
    m_existing->setChecked(true);
    m_identifier->setText(q(entry.code));
    m_name->setText(q(entry.name));
    m_from->clear();
    m_to->clear();
}

void Tf_zbpx::chooseCustomMode() {
    m_name->setText(QStringLiteral("自定义指标"));
    m_from->clear();
    m_to->clear();
}

void Tf_zbpx::assistInput() {
    m_fzsr->clearFormula();
    if (m_runDialog(*m_fzsr) != QDialog::Accepted) return;
    m_formula->setText(m_fzsr->formula());
    if (!m_custom->isChecked()) {
        m_custom->setChecked(true);
        chooseCustomMode();
    }
}

void Tf_zbpx::startAnalysis() {
    const QString text = (m_existing->isChecked() ? m_identifier : m_formula)->text().trimmed();
    const BoxValue from = boxValue(m_from), to = boxValue(m_to);
    for (const auto* box : {m_from, m_to})
        if (!boxValue(box).valid) {
            m_prompts.warn(this, QStringLiteral("“%1”不是有效的整数").arg(box->text()));
            return;
        }
    std::optional<ValueRange> typed;
    if (from.value && to.value) typed = ValueRange{*from.value, *to.value};
    if (!m_start) return;
    const Status started = m_start(text.toStdString(), typed, m_name->text().trimmed().toStdString());
    if (!started) m_prompts.warn(this, q(started.message));
}

}  // namespace lottodesk

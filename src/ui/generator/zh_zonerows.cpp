#include "ui/generator/zh_zonerows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/workspace.h"
#include "formula/tgs.h"
#include "generator/selfcond.h"
#include "generator/snapshots.h"
#include "ui/common/filechooser.h"
#include "ui/common/named.h"
#include "indicators/context.h"
#include "ui/generator/zh_dialogs.h"

namespace lottodesk {
namespace {

constexpr int kMostTolerated = 15;

QString controlName(const char* prefix, const char* name) {
    return QString::fromLatin1(prefix) + QString::fromLatin1(name);
}

QCheckBox* checkBox(const QString& caption, const QString& name) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    return box;
}

QCheckBox* toleranceBox(const char* name) { return checkBox(QStringLiteral("容错"), controlName("cb_rc", name)); }

// A decimal bound as typed: "5", "5.5"; an empty or unreadable text is no bound.
std::optional<double> decimalOf(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString decimalText(const std::optional<double>& bound) {
    if (!bound || !std::isfinite(*bound)) return {};
    return QString::number(*bound, 'g', 12);
}

}  // namespace

std::string chooseZoneConditionFile(bool save, const char* extension, FileChooser& files, QWidget* parent,
                                    const Workspace& ws) {
    const QString specname = QString::fromStdString(ws.current().specname);
    const QString filter =
        specname + QStringLiteral("过滤条件格式文件(*") + QString::fromLatin1(extension) + QLatin1Char(')');
    const QString folder = QString::fromStdString(ws.path("save"));
    if (!save) {
        return files
            .openFile(parent, QStringLiteral("打开") + specname + QStringLiteral("过滤条件存储文件"), filter, folder)
            .toStdString();
    }
    const QString chosen =
        files.saveFile(parent, QStringLiteral("保存") + specname + QStringLiteral("过滤条件"), filter, folder);
    return chosen.isEmpty() ? std::string() : withConditionExtension(chosen.toStdString(), extension);
}

void suffixControlNames(QWidget* root, const QString& suffix) {
    for (QWidget* control : root->findChildren<QWidget*>())
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")))
            control->setObjectName(control->objectName() + suffix);
}

ZoneCommands addZoneCommands(QBoxLayout* row, const char* prefix, const QString& saveCaption,
                             const QString& loadCaption) {
    const auto button = [prefix](const QString& caption, const char* command) {
        return named(new QPushButton(caption),
                     QStringLiteral("b_") + QString::fromLatin1(prefix) + QString::fromLatin1(command));
    };
    const ZoneCommands commands{button(QStringLiteral("开始过滤 "), "run"), button(QStringLiteral("重置"), "reset"),
                                button(saveCaption, "save"), button(loadCaption, "load")};
    for (QPushButton* b : {commands.run, commands.reset, commands.save, commands.load}) row->addWidget(b);
    row->addStretch();
    return commands;
}

void layOutZonePage(QWidget* page, QWidget* conditions, QWidget* results, int resultsStretch) {
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(conditions);
    splitter->addWidget(results);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, resultsStretch);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

std::vector<std::string> customLinesAfterLoad(const tfqgl_selfzb& custom) {
    std::vector<std::string> lines;
    for (const tselfzbnode& node : custom.items()) lines.push_back(customLineAfterLoad(node));
    return lines;
}

ZoneValueRow::ZoneValueRow(ZoneRowServices services, const QString& caption, std::string indicator, const char* name,
                           ValueCondition& condition, QGridLayout* grid, int gridRow)
    : QObject(services.page),
      m_services(services),
      m_caption(caption),
      m_indicator(std::move(indicator)),
      m_condition(condition),
      m_enabled(checkBox(caption, controlName("cb_", name))),
      m_text(new QLineEdit),
      m_choose(new QPushButton(QStringLiteral("..."))),
      m_tolerant(toleranceBox(name)) {
    m_text->setObjectName(controlName("e_", name));
    m_text->setReadOnly(true);
    m_choose->setObjectName(controlName("b_", name));
    m_choose->setMaximumWidth(32);
    grid->addWidget(m_enabled, gridRow, 0);
    grid->addWidget(m_text, gridRow, 1);
    grid->addWidget(m_choose, gridRow, 2);
    grid->addWidget(m_tolerant, gridRow, 3);
    connect(m_enabled, &QCheckBox::clicked, this, [this](bool on) {
        m_condition = ValueCondition{};
        m_condition.enabled = on;
        refresh();
    });
    connect(m_tolerant, &QCheckBox::clicked, this, [this](bool on) { m_condition.tolerant = on; });
    connect(m_choose, &QPushButton::clicked, this, [this] { choose(); });
}

void ZoneValueRow::refresh() {
    const bool on = m_condition.enabled;
    m_enabled->setChecked(on);
    m_text->setText(on ? QString::fromStdString(valueListText(m_condition.allowed)) : QString());
    m_choose->setEnabled(on);
    m_tolerant->setChecked(on && m_condition.tolerant);
    m_tolerant->setEnabled(on);
}

void ZoneValueRow::choose() {
    const Workspace& ws = m_services.ws;
    ValueChoice choice;
    choice.lo = m_lo;
    choice.hi = std::max(m_lo, m_hi);
    if (const int newest = ws.sjk.newestRealRecord(); newest > 0) {
        const EvalResult value = tgs(m_indicator).evaluate(indicatorContext(ws, &m_services.memo), newest);
        if (value.ok) choice.reference = value.value;
    }
    choice.preselected = m_condition.allowed;
    choice.assistant = m_services.dialogs.indicatorAssistant(m_indicator, m_caption.toStdString());
    std::optional<std::vector<int32_t>> chosen = m_services.dialogs.chooseValues(m_services.page->window(), choice);
    if (!chosen) return;
    std::sort(chosen->begin(), chosen->end());
    m_condition.allowed = std::move(*chosen);
    refresh();
}

ZoneChoiceRow::ZoneChoiceRow(const QString& caption, const QString& first, const QString& second, const char* name,
                             ChoiceCondition& condition, QGridLayout* grid, int gridRow, QObject* parent)
    : QObject(parent),
      m_condition(condition),
      m_enabled(checkBox(caption, controlName("cb_", name))),
      m_choice(new QComboBox),
      m_tolerant(toleranceBox(name)) {
    m_choice->setObjectName(controlName("combo_", name));
    m_choice->addItems({first, second});
    grid->addWidget(m_enabled, gridRow, 0);
    grid->addWidget(m_choice, gridRow, 1, 1, 2);
    grid->addWidget(m_tolerant, gridRow, 3);
    connect(m_enabled, &QCheckBox::clicked, this, [this](bool on) {
        m_condition.enabled = on;
        if (!on) m_condition.tolerant = false;
        refresh();
    });
    connect(m_choice, &QComboBox::activated, this, [this](int index) { m_condition.choice = index; });
    connect(m_tolerant, &QCheckBox::clicked, this, [this](bool on) { m_condition.tolerant = on; });
}

void ZoneChoiceRow::refresh() {
    const bool on = m_condition.enabled;
    m_enabled->setChecked(on);
    m_choice->setCurrentIndex(m_condition.choice == 1 ? 1 : 0);
    m_choice->setEnabled(on);
    m_tolerant->setChecked(on && m_condition.tolerant);
    m_tolerant->setEnabled(on);
}

ZoneRangeRow::ZoneRangeRow(const QString& caption, const char* name, RangeCondition& condition, QGridLayout* grid,
                           int gridRow, QObject* parent)
    : QObject(parent),
      m_condition(condition),
      m_enabled(checkBox(caption, controlName("cb_", name))),
      m_from(new QLineEdit),
      m_to(new QLineEdit),
      m_tolerant(toleranceBox(name)) {
    m_from->setObjectName(controlName("e_from", name));
    m_to->setObjectName(controlName("e_to", name));
    for (QLineEdit* box : {m_from, m_to}) {
        auto* validator = new QDoubleValidator(-1000, 1000, 1, box);
        validator->setNotation(QDoubleValidator::StandardNotation);
        validator->setLocale(QLocale::c());
        box->setValidator(validator);
        connect(box, &QLineEdit::textEdited, this, [this] { take(); });
    }
    auto* range = new QHBoxLayout;
    range->setContentsMargins(0, 0, 0, 0);
    range->addWidget(m_from);
    range->addWidget(new QLabel(QStringLiteral("至")));
    range->addWidget(m_to);
    grid->addWidget(m_enabled, gridRow, 0);
    grid->addLayout(range, gridRow, 1, 1, 2);
    grid->addWidget(m_tolerant, gridRow, 3);
    connect(m_enabled, &QCheckBox::clicked, this, [this](bool on) {
        m_condition = RangeCondition{};
        m_condition.enabled = on;
        refresh();
    });
    connect(m_tolerant, &QCheckBox::clicked, this, [this](bool on) { m_condition.tolerant = on; });
}

void ZoneRangeRow::take() {
    m_condition.from = decimalOf(m_from->text());
    m_condition.to = decimalOf(m_to->text());
}

void ZoneRangeRow::refresh() {
    const bool on = m_condition.enabled;
    m_enabled->setChecked(on);
    m_from->setText(on ? decimalText(m_condition.from) : QString());
    m_to->setText(on ? decimalText(m_condition.to) : QString());
    m_from->setEnabled(on);
    m_to->setEnabled(on);
    m_tolerant->setChecked(on && m_condition.tolerant);
    m_tolerant->setEnabled(on);
}

ZoneTotalTolerance::ZoneTotalTolerance(const char* name, bool& enabled, int32_t& from, int32_t& to, QGridLayout* grid,
                                       int gridRow, QObject* parent)
    : QObject(parent),
      m_enabled(enabled),
      m_from(from),
      m_to(to),
      m_box(checkBox(QStringLiteral("总容错"), controlName("cb_zrc", name))),
      m_fromBox(new QComboBox),
      m_toBox(new QComboBox) {
    m_fromBox->setObjectName(controlName("combo_rcfrom", name));
    m_toBox->setObjectName(controlName("combo_rcto", name));
    for (int n = 0; n <= kMostTolerated; ++n) {
        m_fromBox->addItem(QString::number(n));
        m_toBox->addItem(QString::number(n));
    }
    auto* range = new QHBoxLayout;
    range->setContentsMargins(0, 0, 0, 0);
    range->addWidget(m_fromBox);
    range->addWidget(new QLabel(QStringLiteral("至")));
    range->addWidget(m_toBox);
    range->addStretch();
    grid->addWidget(m_box, gridRow, 0);
    grid->addLayout(range, gridRow, 1, 1, 3);
    connect(m_box, &QCheckBox::clicked, this, [this](bool on) {
        m_enabled = on;
        refresh();
    });
    connect(m_fromBox, &QComboBox::activated, this, [this](int index) { m_from = index; });
    connect(m_toBox, &QComboBox::activated, this, [this](int index) { m_to = index; });
}

void ZoneTotalTolerance::refresh() {
    m_box->setChecked(m_enabled);
    // A loaded bound beyond the list shows as its last entry; the run uses the loaded bound until
    // the list is changed.
    m_fromBox->setCurrentIndex(std::clamp(m_from, 0, kMostTolerated));
    m_toBox->setCurrentIndex(std::clamp(m_to, 0, kMostTolerated));
    m_fromBox->setEnabled(m_enabled);
    m_toBox->setEnabled(m_enabled);
}

}  // namespace lottodesk

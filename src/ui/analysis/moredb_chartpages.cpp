#include "ui/analysis/moredb_chartpages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/workspace.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

QButtonGroup* radios(ChartPage* page, QHBoxLayout* bar, const char* prefix,
                     std::initializer_list<const char*> captions) {
    auto* group = new QButtonGroup(page);
    int id = 0;
    for (const char* caption : captions) {
        auto* button = new QRadioButton(QString::fromUtf8(caption), page);
        button->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(id));
        group->addButton(button, id++);
        bar->addWidget(button);
    }
    group->button(0)->setChecked(true);
    return group;
}

QPushButton* refreshButton(ChartPage* page, QHBoxLayout* bar, const char* name) {
    auto* button = new QPushButton(QStringLiteral("刷新"), page);
    button->setObjectName(QString::fromLatin1(name));
    bar->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, page, [page] { page->refresh(); });
    return button;
}

}  // namespace

PropertyChartPage::PropertyChartPage(Workspace& ws, const CellPictures& pictures, QWidget* parent)
    : ChartPage(ws, pictures, "moredb_property", parent) {
    m_kind = radios(this, bar(), "rb_txfb_", {"尾号", "奇偶", "质合"});
    refreshButton(this, bar(), "b_txfb_refresh");
    bar()->addStretch(1);
    connect(m_kind, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) optionChanged();
    });
}

ChartData PropertyChartPage::compute() { return propertyChart(m_ws, static_cast<PropertyKind>(m_kind->checkedId())); }

ExtendedChartPage::ExtendedChartPage(Workspace& ws, const CellPictures& pictures, QWidget* parent)
    : ChartPage(ws, pictures, "moredb_extended", parent) {
    m_kind = radios(this, bar(), "rb_kztb_", {"个数图", "分区出号个数", "和值分布"});
    m_zones = new QComboBox(this);
    m_zones->setObjectName(QStringLiteral("cb_kztb_zones"));
    for (int n = 2; n <= 11; ++n) m_zones->addItem(QString::number(n), n);
    m_zones->setCurrentIndex(1);
    bar()->insertWidget(2, m_zones);
    refreshButton(this, bar(), "b_kztb_refresh");
    bar()->addStretch(1);
    connect(m_kind, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) optionChanged();
    });
    connect(m_zones, &QComboBox::currentIndexChanged, this, [this] {
        if (m_kind->checkedId() == static_cast<int>(ExtendedKind::Zones)) optionChanged();
    });
}

ChartData ExtendedChartPage::compute() {
    return extendedChart(m_ws, static_cast<ExtendedKind>(m_kind->checkedId()), m_zones->currentData().toInt());
}

FieldChartPage::FieldChartPage(Workspace& ws, const CellPictures& pictures, Prompts& prompts, QWidget* parent)
    : ChartPage(ws, pictures, "moredb_field", parent),
      m_prompts(prompts),
      m_template(defaultFieldTemplate("田野走势图1")) {
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("cb_tyzst_list"));
    const TemplateListLoad list = loadTemplateList(ws.folder);
    if (!list.message.empty()) m_prompts.warn(this, QString::fromStdString(list.message));
    m_names = list.names;
    for (const std::string& name : m_names) m_list->addItem(QString::fromStdString(name));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("e_tyzst_name"));
    m_columns = new QLineEdit(this);
    m_columns->setObjectName(QStringLiteral("e_tyzst_columns"));
    m_rows = new QLineEdit(this);
    m_rows->setObjectName(QStringLiteral("e_tyzst_rows"));
    for (QLineEdit* box : {m_name, m_columns, m_rows}) box->setReadOnly(true);
    m_columns->setMaximumWidth(36);
    m_rows->setMaximumWidth(36);
    m_tails = new QCheckBox(QStringLiteral("尾号分析"), this);
    m_tails->setObjectName(QStringLiteral("cb_tyzst_tails"));
    auto* reload = new QPushButton(QStringLiteral("修改"), this);
    reload->setObjectName(QStringLiteral("b_tyzst_reload"));
    bar()->addWidget(m_list);
    bar()->addWidget(m_name);
    bar()->addWidget(new QLabel(QStringLiteral("矩阵比例："), this));
    bar()->addWidget(m_columns);
    bar()->addWidget(new QLabel(QStringLiteral("列    X"), this));
    bar()->addWidget(m_rows);
    bar()->addWidget(new QLabel(QStringLiteral("行"), this));
    bar()->addWidget(m_tails);
    bar()->addWidget(reload);
    refreshButton(this, bar(), "b_tyzst_refresh");
    bar()->addStretch(1);
    connect(m_list, &QComboBox::currentIndexChanged, this, [this] {
        readTemplate();
        optionChanged();
    });
    connect(reload, &QPushButton::clicked, this, [this] {
        readTemplate();
        optionChanged();
    });
    connect(m_tails, &QCheckBox::toggled, this, [this] { optionChanged(); });
}

void FieldChartPage::readTemplate() {
    const int index = std::max(0, m_list->currentIndex());
    const std::string name = index < static_cast<int>(m_names.size()) ? m_names[static_cast<size_t>(index)]
                                                                      : "田野走势图" + std::to_string(index + 1);
    const TemplateLoad load = loadFieldTemplate(m_ws.folder, index, name);
    if (!load.message.empty()) m_prompts.warn(this, QString::fromStdString(load.message));
    m_template = load.chosen;
    m_templateRead = true;
    m_name->setText(QString::fromStdString(m_template.name));
    m_columns->setText(QString::number(m_template.columns));
    m_rows->setText(QString::number(m_template.rows));
}

void FieldChartPage::reset() {
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentIndex(0);
    }
    m_templateRead = false;
    ChartPage::reset();
}

void FieldChartPage::showEvent(QShowEvent* event) {
    // The template is read when the page is shown.
    if (!m_templateRead) readTemplate();
    ChartPage::showEvent(event);
}

ChartData FieldChartPage::compute() {
    if (!m_templateRead) readTemplate();
    return fieldChart(m_ws, m_template, m_tails->isChecked());
}

}  // namespace lottodesk

#include "ui/generator/zh_bonuspage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/datatransform.h"
#include "core/drawtext.h"
#include "core/workspace.h"
#include "generator/condfile.h"
#include "generator/generator.h"
#include "generator/resultedit.h"
#include "generator/secondaryfilter.h"
#include "generator/selfcond.h"
#include "ui/common/filechooser.h"
#include "ui/common/named.h"
#include "ui/common/prompts.h"
#include "ui/generator/zh_custompage.h"
#include "ui/generator/zh_dialogs.h"
#include "ui/generator/zh_zonerows.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

struct ValueRowCaption {
    const char* caption;
    const char* name;
    const char* indicator;  // the reference and the filter assistant
};
// Records 4..8.
constexpr ValueRowCaption kValueRows[] = {{"除三余数", "lh4", "f_num1%3"},
                                          {"除四余数", "lh5", "f_num1%4"},
                                          {"除五余数", "lh6", "f_num1%5"},
                                          {"绝对振幅", "lh7", "getzf(f_num1)"},
                                          {"遗漏值", "lh8", "getylz(f_num1)"}};
constexpr const char* kMeanCaptions[] = {"二期均值", "三期均值", "四期均值", "五期均值", "十期均值"};
constexpr const char* kMeanNames[] = {"lh9", "lh10", "lh11", "lh12", "lh13"};
constexpr int32_t kMostOmission = 150;

}  // namespace

ZhBonusPage::ZhBonusPage(Workspace& ws, Prompts& prompts, FileChooser& files, GeneratorDialogs& dialogs,
                         QWidget* parent)
    : QWidget(parent), m_ws(ws), m_prompts(prompts), m_files(files) {
    setObjectName(QStringLiteral("ts_lhgl"));
    auto* pages = new QTabWidget;
    pages->setObjectName(QStringLiteral("pc_lhcond"));
    auto* rowsPage = new QWidget;
    rowsPage->setObjectName(QStringLiteral("ts_lhzb"));
    auto* grid = new QGridLayout(rowsPage);
    int row = 0;
    m_choices.push_back(new ZoneChoiceRow(QStringLiteral("奇偶"), QStringLiteral("奇数"), QStringLiteral("偶数"), "lh1",
                                          m_conditions.parity, grid, row++, this));
    m_choices.push_back(new ZoneChoiceRow(QStringLiteral("质数合数"), QStringLiteral("质数"), QStringLiteral("合数"),
                                          "lh2", m_conditions.primality, grid, row++, this));
    m_choices.push_back(new ZoneChoiceRow(QStringLiteral("大小区"), QStringLiteral("小数区"), QStringLiteral("大数区"),
                                          "lh3", m_conditions.zone, grid, row++, this));
    const ZoneRowServices services{ws, dialogs, m_memo, this};
    for (size_t i = 0; i < std::size(kValueRows); ++i)
        m_values.push_back(new ZoneValueRow(services, QString::fromUtf8(kValueRows[i].caption), kValueRows[i].indicator,
                                            kValueRows[i].name, m_conditions.values[i], grid, row++));
    for (size_t i = 0; i < std::size(kMeanCaptions); ++i)
        m_means.push_back(new ZoneRangeRow(QString::fromUtf8(kMeanCaptions[i]), kMeanNames[i], m_conditions.means[i],
                                           grid, row++, this));
    m_total = new ZoneTotalTolerance("lh", m_conditions.totalToleranceEnabled, m_conditions.totalFrom,
                                     m_conditions.totalTo, grid, row++, this);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    pages->addTab(rowsPage, QStringLiteral("指标条件"));
    m_custom = new ZhCustomPage(ws, &m_conditions.custom, m_conditions.customEnabled, prompts, dialogs);
    m_custom->setObjectName(QStringLiteral("ts_lhselfzb"));
    suffixControlNames(m_custom, QStringLiteral("_lh"));
    pages->addTab(m_custom, QStringLiteral("自定义指标"));

    auto* commands = new QHBoxLayout;
    const ZoneCommands command =
        addZoneCommands(commands, "lh", QStringLiteral("保存条件"), QStringLiteral("载入条件"));
    auto* conditionsPanel = new QWidget;
    auto* left = new QVBoxLayout(conditionsPanel);
    left->addWidget(pages, 1);
    left->addLayout(commands);

    auto* resultsPanel = new QWidget;
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("l_lhcount"));
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("lb_lh"));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_chooser = new QComboBox;
    m_chooser->setObjectName(QStringLiteral("combo_lh"));
    QPushButton* addButton = named(new QPushButton(QStringLiteral("添加")), "b_lhadd");
    QPushButton* deleteButton = named(new QPushButton(QStringLiteral("删除")), "b_lhdelete");
    auto* edits = new QHBoxLayout;
    edits->addWidget(m_chooser);
    edits->addWidget(addButton);
    edits->addWidget(deleteButton);
    auto* right = new QVBoxLayout(resultsPanel);
    right->addWidget(m_count);
    right->addWidget(m_list, 1);
    right->addLayout(edits);
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("pm_lh"));
    connect(popup->addAction(QStringLiteral("加到预测区")), &QAction::triggered, this, [this] { addToPrediction(); });
    connect(popup->addAction(QStringLiteral("清除预测区")), &QAction::triggered, this, [this] { clearPrediction(); });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->popup(m_list->viewport()->mapToGlobal(at)); });

    layOutZonePage(this, conditionsPanel, resultsPanel, 1);

    connect(command.run, &QPushButton::clicked, this, [this] { run(); });
    connect(command.reset, &QPushButton::clicked, this, [this] { reset(); });
    connect(command.save, &QPushButton::clicked, this, [this] { saveConditions(); });
    connect(command.load, &QPushButton::clicked, this, [this] { loadConditions(); });
    connect(addButton, &QPushButton::clicked, this, [this] { addNumber(); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { deleteNumber(); });
    resetForType();
}

ZhBonusPage::~ZhBonusPage() = default;

void ZhBonusPage::refresh() {
    for (ZoneChoiceRow* row : m_choices) row->refresh();
    const int32_t offered[] = {2, 3, 4, m_ws.game.spec_to, kMostOmission};
    for (size_t i = 0; i < m_values.size(); ++i) {
        m_values[i]->setOffered(0, offered[i]);
        m_values[i]->refresh();
    }
    for (ZoneRangeRow* row : m_means) row->refresh();
    m_total->refresh();
}

void ZhBonusPage::showNumbers() {
    m_list->clear();
    for (int n : m_numbers) m_list->addItem(q(twoDigits(n)));
    m_count->setText(QStringLiteral("过滤结果：共%1个").arg(m_numbers.size()));
}

void ZhBonusPage::run() {
    if (removePredictionRecord(m_ws.sjk)) {
        m_prompts.inform(window(), q(kSpecialPredictionMessage));
        return;
    }
    const SpecialRun outcome = runSpecialFilter(m_ws, m_conditions);
    if (!outcome.completed) {
        m_prompts.inform(window(), q(outcome.message));
        return;
    }
    m_numbers = outcome.results;
    showNumbers();
}

void ZhBonusPage::reset() {
    SpecialNumberConditions fresh = resetSpecialNumberConditions();
    fresh.custom = std::move(m_conditions.custom);
    m_conditions = std::move(fresh);
    m_custom->setLines(m_custom->lines());
    refresh();
}

void ZhBonusPage::resetForType() {
    m_conditions = resetSpecialNumberConditions();
    m_custom->setLines({});
    m_numbers.clear();
    m_chooser->clear();
    for (int n = std::max(1, m_ws.game.spec_from); n <= m_ws.game.spec_to; ++n) m_chooser->addItem(q(twoDigits(n)), n);
    showNumbers();
    refresh();
}

void ZhBonusPage::addNumber() {
    if (m_chooser->currentIndex() < 0) return;
    m_numbers.push_back(m_chooser->currentData().toInt());
    showNumbers();
}

void ZhBonusPage::deleteNumber() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_numbers.size())) return;
    m_numbers.erase(m_numbers.begin() + row);
    showNumbers();
}

void ZhBonusPage::addToPrediction() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_numbers.size())) {
        m_prompts.inform(window(), QString::fromUtf8(kSelectTicketMessage));
        return;
    }
    const uint8_t number = static_cast<uint8_t>(std::clamp(m_numbers[static_cast<size_t>(row)], 0, 255));
    putSecondaryIntoPrediction(m_ws.sjk, &number, 1, m_ws.game.zhgs);
}

void ZhBonusPage::clearPrediction() { removePrediction(m_ws.sjk); }

void ZhBonusPage::saveConditions() {
    const std::string path = chooseZoneConditionFile(true, ".lzh", m_files, window(), m_ws);
    if (path.empty()) return;
    const Status saved = saveSpecialNumberConditions(path, m_conditions);
    if (!saved) m_prompts.warn(window(), q(saved.message));
}

void ZhBonusPage::loadConditions() {
    const std::string path = chooseZoneConditionFile(false, ".lzh", m_files, window(), m_ws);
    if (path.empty()) return;
    SpecialNumberConditionLoad load = loadSpecialNumberConditions(path);
    if (!load.status) {
        m_prompts.warn(window(), q(load.status.message));
        return;
    }
    m_conditions = std::move(load.conditions);
    m_custom->setLines(customLinesAfterLoad(m_conditions.custom));
    refresh();
    for (const std::string& note : load.notes) m_prompts.inform(window(), q(note));
}

}  // namespace lottodesk

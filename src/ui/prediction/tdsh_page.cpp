#include "ui/prediction/tdsh_page.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/gbk.h"
#include "core/fileio.h"
#include "core/workspace.h"
#include "generator/forecastconditions.h"
#include "ui/common/filechooser.h"
#include "ui/common/prompts.h"
#include "ui/prediction/f_scfa.h"
#include "ui/prediction/f_selfsh_set.h"
#include "ui/prediction/tdsh_model.h"

namespace lottodesk {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TdshPage::TdshPage(Workspace& ws, PageKind kind, Prompts& prompts, FileChooser& files, Hooks hooks, QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_kind(kind),
      m_prompts(prompts),
      m_files(files),
      m_hooks(std::move(hooks)),
      m_schemes(kind) {
    const PageKindInfo& info = pageKindInfo(kind);
    const QString code = QString::fromLatin1(info.code);
    setObjectName(QStringLiteral("ts_") + code);
    if (!m_hooks.runDialog) m_hooks.runDialog = [](QDialog& d) { return d.exec(); };
    m_model = new TdshModel(this);
    m_search = new Tf_scfa(ws, prompts, this);

    auto* layout = new QVBoxLayout(this);
    auto* controls = new QGridLayout;
    layout->addLayout(controls);
    auto combo = [&](const char* name, const char* caption, int column) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("cb_") + code + QLatin1Char('_') + QLatin1String(name));
        controls->addWidget(new QLabel(QString::fromUtf8(caption), this), 0, column);
        controls->addWidget(box, 1, column);
        return box;
    };
    m_periods = combo("qsq", "起始期", 0);
    m_scheme = combo("fa", "当前方案", 1);
    m_count = combo("gsgs", info.verdict == Verdict::Fix ? "可用提胆公式个数" : "可用杀号公式个数", 2);
    m_slot = combo("tdgs", info.verdict == Verdict::Fix ? "提胆公式序号" : "杀号公式序号", 3);
    m_display = combo("lbxs", "显示方式", 4);
    for (int s = 0; s < kSchemeCount; ++s) m_scheme->addItem(QString::fromUtf8(schemeName(s)));
    for (int n = 1; n <= info.slots; ++n) m_count->addItem(QString::number(n));
    m_count->setCurrentText(QString::number(info.defaultCount));
    for (ListDisplay d : {ListDisplay::Plain, ListDisplay::LowToHigh, ListDisplay::HighToLow})
        m_display->addItem(QString::fromUtf8(listDisplayCaption(d)));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("e_") + code);
    controls->addWidget(m_edit, 2, 0, 1, 5);

    auto* buttons = new QGridLayout;
    layout->addLayout(buttons);
    int at = 0;
    auto button = [&](const char* name, const char* caption, auto slot) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QStringLiteral("b_") + code + QLatin1Char('_') + QLatin1String(name));
        buttons->addWidget(b, at / 6, at % 6);
        ++at;
        connect(b, &QPushButton::clicked, this, slot);
    };
    if (kind == PageKind::selfsh) {
        m_killLabel = new QLabel(this);
        m_killLabel->setObjectName(QStringLiteral("l_selfsh_target"));
        layout->addWidget(m_killLabel);
        showKillDefinition();
        button("load", "载入自定义杀号", &TdshPage::loadCustomKill);
        button("set", "自定义杀号设置", &TdshPage::defineCustomKill);
    } else {
        button("start", "开始分析", &TdshPage::runBacktest);
    }
    button("save", "确认修改", &TdshPage::confirmEdit);
    button("gsss", "单个公式搜索", [this] { searchFormula(false); });
    button("rebuildfa", "优化当前方案", [this] { searchFormula(true); });
    button("dcshsj", info.verdict == Verdict::Fix ? "导出定胆数据" : "导出杀号数据", &TdshPage::exportData);
    button("savegsz", "保存公式组", &TdshPage::saveFormulaGroup);
    button("dr", "导入公式文件", &TdshPage::importFormulas);
    button("collectgs", "收集当前公式", &TdshPage::collectFormula);
    button("yczzgl", "预测转至过滤", &TdshPage::handToGenerator);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("l_") + code + QStringLiteral("_hint"));
    m_hint->setWordWrap(true);
    m_hint->setStyleSheet(QStringLiteral("QLabel { color: #1a4f8b; }"));
    layout->addWidget(m_hint);

    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("sg_") + code);
    m_table->setModel(m_model);
    m_table->setItemDelegate(new TdshListDelegate(m_table));
    m_table->setWordWrap(false);  // a draw's numbers stay on one line
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->hide();
    body->addWidget(m_table, 1);

    auto* side = new QWidget(this);
    side->setMinimumWidth(210);
    side->setMaximumWidth(300);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(new QLabel(QStringLiteral("当前方案的公式及正确率"), side));
    m_formulaList = new QTableWidget(0, 3, side);
    m_formulaList->setObjectName(QStringLiteral("sg_") + code + QStringLiteral("_gs"));
    m_formulaList->setHorizontalHeaderLabels(
        {QStringLiteral("序号"), QStringLiteral("公式"), QStringLiteral("正确率")});
    m_formulaList->verticalHeader()->hide();
    m_formulaList->verticalHeader()->setDefaultSectionSize(m_formulaList->fontMetrics().height() + 6);
    m_formulaList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_formulaList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_formulaList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_formulaList->setWordWrap(false);
    m_formulaList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_formulaList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_formulaList->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    sideLayout->addWidget(m_formulaList, 3);
    sideLayout->addWidget(new QLabel(QStringLiteral("所点行各公式给出的号码"), side));
    m_memo = new QPlainTextEdit(side);
    m_memo->setObjectName(QStringLiteral("m_") + code + QStringLiteral("_hm"));
    m_memo->setReadOnly(true);
    sideLayout->addWidget(m_memo, 1);
    body->addWidget(side);
    // A formula of the list is the one the edit box shows.
    connect(m_formulaList, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row >= 0 && row < m_slot->count()) m_slot->setCurrentIndex(row);
    });

    connect(m_periods, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling) runBacktest();
    });
    connect(m_scheme, &QComboBox::currentIndexChanged, this, [this] {
        showSlot();
        runBacktest();
    });
    connect(m_count, &QComboBox::currentIndexChanged, this, [this] {
        rebuildSlotList(count());
        runBacktest();
    });
    connect(m_slot, &QComboBox::currentIndexChanged, this, &TdshPage::showSlot);
    connect(m_display, &QComboBox::currentIndexChanged, this, [this] {
        showSlot();
        runBacktest();
    });
    connect(m_table, &QTableView::clicked, this, [this](const QModelIndex& index) { showRow(index.row()); });
    rebuildSlotList(count());
}

const BacktestResult& TdshPage::result() const { return m_model->result(); }
int TdshPage::scheme() const { return std::max(m_scheme->currentIndex(), 0); }
int TdshPage::count() const { return m_count->currentText().toInt(); }
int TdshPage::slots() const { return m_kind == PageKind::selfsh ? CustomKill::kSlots : m_schemes.slots; }

std::string& TdshPage::slotText(int s, int slot) {
    return m_kind == PageKind::selfsh ? m_kill.formula(s, slot) : m_schemes.formula(s, slot);
}

std::vector<std::string> TdshPage::currentFormulas() const {
    return m_kind == PageKind::selfsh ? m_kill.firstFormulas(scheme(), count())
                                      : m_schemes.firstFormulas(scheme(), count());
}

void TdshPage::say(const std::string& text) { m_prompts.inform(this, q(text)); }

void TdshPage::showKillDefinition() {
    if (!m_killLabel) return;
    m_killLabel->setText(QStringLiteral("要杀号的指标:%1    %2<=指标取值范围<=%3")
                             .arg(q(m_kill.target))
                             .arg(m_kill.low)
                             .arg(m_kill.high));
}

void TdshPage::loadSchemes() {
    m_model->setResult({});  // a table of another type's history means nothing now
    m_runFormulas.clear();
    m_memo->clear();
    if (m_kind != PageKind::selfsh) {
        SchemeLoad load = loadSchemeFile(m_ws.folder, m_kind, m_ws.curcp);
        m_schemes = std::move(load.store);
        for (const std::string& p : load.problems) say(p);
        showSlot();
    }
    showFormulaList();
    showHint();
}

void TdshPage::fillPeriods() {
    const QString kept = m_periods->currentText();
    m_filling = true;
    m_periods->clear();
    for (int32_t p : m_ws.sjk.realPeriods()) m_periods->addItem(QString::number(p));
    const int at = m_periods->findText(kept);
    m_periods->setCurrentIndex(at >= 0 ? at : 0);
    m_filling = false;
}

void TdshPage::rebuildSlotList(int n) {
    m_slot->blockSignals(true);
    m_slot->clear();
    for (int k = 1; k <= n; ++k) m_slot->addItem(QString::number(k));
    m_slot->setCurrentIndex(n > 0 ? 0 : -1);
    m_slot->blockSignals(false);
    showSlot();
    showFormulaList();
    showHint();
}

void TdshPage::showSlot() {
    const int slot = m_slot->currentText().toInt();
    m_edit->setText(slot >= 1 && slot <= slots() ? q(slotText(scheme(), slot)) : QString());
}

void TdshPage::runBacktest() {
    if (m_kind == PageKind::selfsh && m_kill.target.empty()) {
        showFormulaList();
        showHint();
        return;
    }
    BacktestRequest request;
    request.kind = m_kind;
    request.formulas = currentFormulas();
    request.startPeriod = m_periods->currentText().toInt();
    request.display = static_cast<ListDisplay>(std::max(m_display->currentIndex(), 0));
    request.target = m_kill.target;
    BacktestResult run = lottodesk::runBacktest(m_ws, request);
    if (run.stopped) {  // the table of the last completed run stays
        say(run.message);
        return;
    }
    m_model->setResult(std::move(run));
    m_runFormulas = request.formulas;
    const BacktestResult& r = m_model->result();
    fitColumns();
    showFormulaList();
    showHint();
    m_table->setCurrentIndex(m_model->index(r.rows - 1, 1));
    if (!r.message.empty()) say(r.message);
}

void TdshPage::fitColumns() {
    const BacktestResult& r = m_model->result();
    const QFontMetrics metrics = m_table->fontMetrics();
    // Measured: the captions and the special rows, a few tested rows and the longest text of the
    // column (in bytes, so a Chinese caption and a period are both measured); a table runs to
    // thousands of rows.
    const int sampleRows[] = {0, 1, r.tested / 2, r.tested, r.forecastRow(), r.accuracyRow()};
    for (int c = 0; c < r.columns; ++c) {
        const std::string* longest = nullptr;
        for (int row = 0; row < r.rows; ++row)
            if (const std::string& text = r.cell(row, c); !longest || text.size() > longest->size()) longest = &text;
        int width = longest ? metrics.horizontalAdvance(q(*longest)) : 0;
        for (int row : sampleRows)
            if (row >= 0 && row < r.rows) width = std::max(width, metrics.horizontalAdvance(q(r.cell(row, c))));
        m_table->setColumnWidth(c, std::clamp(width + 16, 36, 900));
    }
}

void TdshPage::showFormulaList() {
    const std::vector<std::string> formulas = currentFormulas();
    const BacktestResult& r = m_model->result();
    m_formulaList->setRowCount(static_cast<int>(formulas.size()));
    for (size_t i = 0; i < formulas.size(); ++i) {
        const int j = static_cast<int>(i) + 1;
        // The accuracy of the last run, while the slot still holds the formula that run tested.
        const bool tested = m_model->hasResult() && r.tested > 0 && j <= r.formulaCount &&
                            i < m_runFormulas.size() && m_runFormulas[i] == formulas[i];
        const QString accuracy =
            tested ? q(r.cell(r.accuracyRow(), r.firstFormulaColumn() + j - 1)) + QLatin1Char('%') : QString();
        const QString formula = formulas[i].empty() ? QStringLiteral("（空）") : q(formulas[i]);
        const QString texts[] = {QString::number(j), formula, accuracy};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            if (c == 1) item->setToolTip(formula);
            m_formulaList->setItem(static_cast<int>(i), c, item);
        }
    }
}

void TdshPage::showHint() {
    const std::vector<std::string> formulas = currentFormulas();
    const bool fix = pageKindInfo(m_kind).verdict == Verdict::Fix;
    const QString slotCaption = fix ? QStringLiteral("提胆公式序号") : QStringLiteral("杀号公式序号");
    const QString schemeCaption = m_scheme->currentText();
    const bool allSame = formulas.size() > 1 && std::all_of(formulas.begin(), formulas.end(),
                                                            [&](const std::string& f) { return f == formulas[0]; });
    QString text;
    if (m_kind == PageKind::selfsh && m_kill.target.empty()) {
        text = QStringLiteral("先用“载入自定义杀号”打开一个自定义杀号文件（.scs），或用“自定义杀号设置”设定要杀的指标，"
                              "再为各序号设定公式。");
    } else if (!formulas.empty() && std::all_of(formulas.begin(), formulas.end(),
                                                [](const std::string& f) { return f.empty(); })) {
        text = QStringLiteral("%1还没有公式：在“%2”中选一个序号，在框中输入公式后按“确认修改”；"
                              "或用“单个公式搜索”、“优化当前方案”、“导入公式文件”填入公式。")
                   .arg(schemeCaption, slotCaption);
    } else if (allSame) {
        text = QStringLiteral("%1的前%2个公式都是“%3”%5，分析出的%2列会完全一样。"
                              "在“%4”中选一个序号，改写框中的公式后按“确认修改”；"
                              "或用“单个公式搜索”、“优化当前方案”、“导入公式文件”设定各不相同的公式。")
                   .arg(schemeCaption)
                   .arg(formulas.size())
                   .arg(q(formulas[0]), slotCaption,
                        formulas[0] == kDefaultSchemeFormula ? QStringLiteral("（初始公式）") : QString());
    } else if (!m_model->hasResult()) {
        text = QStringLiteral("按“%1”，从起始期起逐期回测%2的前%3个公式；表格最后一行“预测期”是下一期的预测，"
                              "右侧列出每个公式的正确率。")
                   .arg(m_kind == PageKind::selfsh ? QStringLiteral("载入自定义杀号") : QStringLiteral("开始分析"),
                        schemeCaption)
                   .arg(formulas.size());
    }
    m_hint->setText(text);
    m_hint->setVisible(!text.isEmpty());
}

bool TdshPage::saveSchemes() {
    Status saved;
    if (m_kind == PageKind::selfsh) {
        if (m_kill.fileName.empty()) {
            const QString chosen = m_files.saveFile(this, QStringLiteral("保存自定义杀号"),
                                                    QStringLiteral("自定义杀号 (*.scs)"), q(m_ws.path("save")));
            if (chosen.isEmpty()) return false;
            m_kill.fileName = withExtension(chosen.toStdString(), ".scs");
        }
        saved = saveCustomKillFile(m_kill.fileName, m_kill);
    } else {
        saved = saveSchemeFile(m_ws.folder, m_ws.curcp, m_schemes);
        // Another copy of the program saved the schemes meanwhile: show them as they are now.
        if (!saved && saved.message.rfind(kFileChangedMessage, 0) == 0) {
            say(saved.message);
            loadSchemes();
            return false;
        }
    }
    if (!saved) say(saved.message);
    return saved.ok;
}

void TdshPage::confirmEdit() {
    const int slot = m_slot->currentText().toInt();
    if (slot >= 1 && slot <= slots()) slotText(scheme(), slot) = m_edit->text().toStdString();
    if (!saveSchemes()) return;
    runBacktest();
}

void TdshPage::importFormulas() {
    const QString chosen = m_files.openFile(this, QStringLiteral(" 打开公式集文件"),
                                            QStringLiteral("公式集文件 (*.txt)"), q(m_ws.path("save")));
    if (chosen.isEmpty()) return;
    const FormulaSetLoad load = loadFormulaSet(chosen.toStdString(), slots());
    for (const std::string& p : load.problems) say(p);
    if (!load.ok) return;
    for (size_t i = 0; i < load.formulas.size(); ++i) slotText(scheme(), static_cast<int>(i) + 1) = load.formulas[i];
    const int n = static_cast<int>(load.formulas.size());
    m_count->blockSignals(true);
    m_count->setCurrentIndex(n - 1);  // an empty file leaves no formula in use
    m_count->blockSignals(false);
    rebuildSlotList(n);
    confirmEdit();
}

void TdshPage::saveFormulaGroup() {
    const bool whole =
        m_prompts.ask(this, QStringLiteral("选择"),
                      QStringLiteral("如果想保存当前整个方案，请选“是”;如果只保存当前所用公式组，请选“否”？"), true);
    const QString chosen = m_files.saveFile(this, QStringLiteral("保存公式集"), QStringLiteral("公式集文件 (*.txt)"),
                                            q(m_ws.path("save")));
    if (chosen.isEmpty()) return;
    const std::vector<std::string> formulas =
        whole ? (m_kind == PageKind::selfsh ? m_kill.firstFormulas(scheme(), slots())
                                            : m_schemes.firstFormulas(scheme(), slots()))
              : currentFormulas();
    const Status saved = saveFormulaSet(withExtension(chosen.toStdString(), ".txt"), formulas);
    if (!saved) say(saved.message);
}

void TdshPage::exportData() {
    if (!m_model->hasResult()) return;
    const bool fix = pageKindInfo(m_kind).verdict == Verdict::Fix;
    const QString chosen = m_files.saveFile(
        this, fix ? QStringLiteral("保存定胆数据") : QStringLiteral("保存杀号数据"),
        fix ? QStringLiteral("定胆数据文件 (*.txt)") : QStringLiteral("杀号数据文件 (*.txt)"), q(m_ws.path("save")));
    if (chosen.isEmpty()) return;
    const Status saved = saveFileAtomically(withExtension(chosen.toStdString(), ".txt"),
                                            utf8ToGbk(backtestExportText(m_model->result())));
    if (!saved) say(saved.message);
}

void TdshPage::collectFormula() {
    if (m_hooks.collect) m_hooks.collect(m_edit->text());
}

namespace {
constexpr int kOptimisedFormulas = 10;
}  // namespace

void TdshPage::searchFormula(bool wholeScheme) {
    const GameParams& game = m_ws.game;
    const PageKindInfo& info = pageKindInfo(m_kind);
    const NumberRange range = forecastRange(m_kind, game);
    const std::string kind = m_kind == PageKind::selfsh ? m_kill.target : info.code;
    if (kind.empty()) {
        say("请先载入或设置自定义杀号");
        return;
    }
    const int low = m_kind == PageKind::selfsh ? std::max(m_kill.low, 0) : std::max(range.low, 0);
    const int high = m_kind == PageKind::selfsh ? std::max(m_kill.high, low) : range.high;
    // "优化当前方案" asks for ten formulas (slots 1..10), whatever count the page tests now.
    const int wanted = wholeScheme ? std::min(kOptimisedFormulas, slots()) : 1;
    m_search->preset(kind, wanted, low, high, info.verdict == Verdict::Fix ? 20 : 80);
    if (m_hooks.runDialog(*m_search) != QDialog::Accepted) return;
    const std::vector<std::string> found = m_search->results();
    if (found.empty()) return;
    if (wholeScheme) {
        for (size_t i = 0; i < found.size(); ++i) slotText(scheme(), static_cast<int>(i) + 1) = found[i];
        showSlot();
    } else {
        m_edit->setText(q(found.front()));
    }
    confirmEdit();
}

void TdshPage::handToGenerator() {
    const BacktestResult& r = m_model->result();
    if (!m_model->hasResult()) {
        say("请先分析，再转至过滤");
        return;
    }
    const std::vector<int32_t> forecast = r.rowNumbers(r.forecastRow());
    ForecastConditions conditions;
    switch (m_kind) {
    case PageKind::hmsh: conditions.killedNumbers = forecast; break;
    case PageKind::hmtd: conditions.fixedNumbers = forecast; break;
    case PageKind::hmsw: conditions.killedTails = forecast; break;
    case PageKind::selfsh:
        conditions.customTarget = m_kill.target;
        conditions.customLow = m_kill.low;
        conditions.customHigh = m_kill.high;
        conditions.customKilled = forecast;
        break;
    case PageKind::lmsh: conditions.killedSecondary = forecast; break;
    case PageKind::fqtd: conditions.fixedSecondary = forecast; break;
    }
    const QString done = m_hooks.toGenerator ? m_hooks.toGenerator(conditions) : QString();
    m_lastHandOff = done.isEmpty() ? QStringLiteral("超强组号窗口不可用，预测没有转至过滤") : done;
    m_prompts.inform(this, m_lastHandOff);
}

void TdshPage::loadCustomKill() {
    const QString chosen = m_files.openFile(this, QStringLiteral(" 打开自定义杀号存储文件"),
                                            QStringLiteral("自定义杀号 (*.scs)"), q(m_ws.path("save")));
    if (chosen.isEmpty()) return;
    CustomKillLoad load = loadCustomKillFile(chosen.toStdString());
    for (const std::string& p : load.problems) say(p);
    if (!load.ok) return;
    m_kill = std::move(load.kill);
    m_count->blockSignals(true);
    m_count->setCurrentIndex(0);
    m_count->blockSignals(false);
    rebuildSlotList(1);
    runBacktest();
    showKillDefinition();
}

void TdshPage::defineCustomKill() {
    Tf_selfsh_set dialog(m_prompts, this);
    dialog.setDefinition(m_kill);
    if (m_hooks.runDialog(dialog) != QDialog::Accepted) return;
    if (!dialog.applyTo(m_kill)) return;
    showKillDefinition();
    showSlot();
    runBacktest();
}

void TdshPage::showRow(int row) {
    if (!m_model->hasResult()) return;
    m_memo->setPlainText(q(m_model->result().memoText(row)));
}

}  // namespace lottodesk

#include "ui/prediction/f_scfa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QTableWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <random>

#include "core/integertext.h"
#include "core/workspace.h"
#include "indicators/registry.h"
#include "prediction/accuracy.h"
#include "ui/common/prompts.h"

namespace lottodesk {

namespace {

QComboBox* numbers(QWidget* parent, int from, int to, int chosen) {
    auto* box = new QComboBox(parent);
    for (int i = from; i <= to; ++i) box->addItem(QString::number(i));
    box->setCurrentText(QString::number(chosen));
    return box;
}

// The indicators offered: position numbers, spread and averages, class counts, sums, amplitudes,
// omissions, line sums and differences, as the registry names them.
bool offered(const std::string& id) {
    if (id.rfind("xh", 0) == 0 || id.rfind("xc", 0) == 0) return true;
    return id.rfind("z_", 0) == 0 || id.rfind("f_", 0) == 0;
}

}  // namespace

Tf_scfa::Tf_scfa(const Workspace& ws, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_prompts(prompts) {
    setObjectName(QStringLiteral("f_scfa"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QGridLayout;
    layout->addLayout(form);
    int row = 0;
    auto label = [&](const char* text, int column = 0) {
        form->addWidget(new QLabel(QString::fromUtf8(text), this), row, column);
    };
    m_indicator = new QComboBox(this);
    m_indicator->setEditable(true);
    for (const RegistryItem& item : Registry::instance().items())
        if (offered(item.id)) m_indicator->addItem(QString::fromStdString(item.id + "                 " + item.name));
    m_indicator->setCurrentIndex(std::max(0, m_indicator->findText(QStringLiteral("z_hw"), Qt::MatchStartsWith)));
    label("公式所用指标：");
    form->addWidget(m_indicator, row++, 1, 1, 3);
    m_back = numbers(this, 1, kMaxBackPeriods, 6);
    label("回溯期数：");
    form->addWidget(m_back, row++, 1);
    m_low = new QLineEdit(QStringLiteral("1"), this);
    m_high = new QLineEdit(QStringLiteral("10"), this);
    form->addWidget(m_low, row, 0);
    label("=<取值范围<=", 1);
    form->addWidget(m_high, row++, 2);
    m_from = new QComboBox(this);
    m_to = new QComboBox(this);
    form->addWidget(m_from, row, 0);
    label("=<搜索范围<=", 1);
    form->addWidget(m_to, row++, 2);
    m_random = new QRadioButton(QStringLiteral("随机生成"), this);
    m_searchMode = new QRadioButton(QStringLiteral("搜索生成"), this);
    m_searchMode->setChecked(true);
    form->addWidget(m_random, row, 0);
    form->addWidget(m_searchMode, row++, 1);
    m_amin = new QLineEdit(QStringLiteral("80"), this);
    m_amax = new QLineEdit(QStringLiteral("100"), this);
    form->addWidget(m_amin, row, 0);
    label("<=方案中公式的目标准确率<=", 1);
    form->addWidget(m_amax, row++, 2);
    m_fast = new QCheckBox(QStringLiteral("加速"), this);
    m_fast->setChecked(true);
    form->addWidget(m_fast, row++, 0);
    const char* captions[4] = {
        "方案中公式允许最大连错<=", "方案允许最大连错<=", "方案中公式最后连错的期数>=", "每一期同时发生错误的公式数<="};
    const int defaults[4] = {3, 3, 1, 1};
    for (int i = 0; i < 4; ++i) {
        ConstraintRow& r = m_rows[i];
        r.box = new QCheckBox(QString::fromUtf8(captions[i]), this);
        r.limit = numbers(this, 1, 20, defaults[i]);
        r.applies = i == 0 ? nullptr : numbers(this, 1, 100, 5);
        form->addWidget(r.box, row, 0);
        form->addWidget(r.limit, row, 1);
        r.limit->setEnabled(false);
        if (r.applies) {
            auto* applies = new QWidget(this);
            auto* h = new QHBoxLayout(applies);
            h->setContentsMargins(0, 0, 0, 0);
            h->addWidget(new QLabel(QStringLiteral("适用公式个数"), applies));
            h->addWidget(r.applies);
            r.applies->setEnabled(false);
            form->addWidget(applies, row, 2);
            m_schemeOnly[i - 1] = applies;
        }
        connect(r.box, &QCheckBox::toggled, this, [r](bool on) {
            r.limit->setEnabled(on);
            if (r.applies) r.applies->setEnabled(on);
        });
        ++row;
    }
    connect(m_random, &QRadioButton::toggled, this, [this](bool on) {
        m_amin->setEnabled(!on);
        m_amax->setEnabled(!on);
    });
    m_progress = new QProgressBar(this);
    layout->addWidget(m_progress);
    // A formula of six back periods runs to some 100 characters: the list shows each whole, its
    // accuracy first, and scrolls sideways rather than cutting it.
    m_found = new QTableWidget(0, 2, this);
    m_found->setObjectName(QStringLiteral("sg_found"));
    m_found->setHorizontalHeaderLabels({QStringLiteral("正确率"), QStringLiteral("公式")});
    m_found->verticalHeader()->setDefaultSectionSize(m_found->fontMetrics().height() + 6);
    m_found->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_found->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_found->setWordWrap(false);
    m_found->setTextElideMode(Qt::ElideNone);
    m_found->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_found->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_found->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layout->addWidget(m_found);
    setMinimumWidth(std::min(860, fontMetrics().averageCharWidth() * 110));
    m_count = new QLabel(this);
    layout->addWidget(m_count);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    m_start = new QPushButton(QStringLiteral("开始生成"), this);
    m_apply = new QPushButton(QStringLiteral("应用"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    buttons->addWidget(m_start);
    buttons->addWidget(m_apply);
    buttons->addWidget(cancel);
    m_apply->setEnabled(false);
    connect(m_start, &QPushButton::clicked, this, [this] { isSearching() ? stopSearch() : startSearch(); });
    connect(m_apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, [this] {
        stopSearch();
        reject();
    });
    m_timer = new QTimer(this);
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, &Tf_scfa::poll);
}

Tf_scfa::~Tf_scfa() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
}

void Tf_scfa::preset(const std::string& kind, int wanted, int low, int high, int accuracyLow) {
    m_kind = kind;
    m_wanted = wanted;
    m_low->setText(QString::number(low));
    m_high->setText(QString::number(high));
    m_amin->setText(QString::number(accuracyLow));
    const bool scheme = wanted > 1;
    setWindowTitle(scheme ? QStringLiteral("优化方案") : QStringLiteral("单个公式搜索"));
    for (QWidget* w : m_schemeOnly) w->setVisible(scheme);
    m_rows[1].box->setVisible(scheme);
    m_rows[1].limit->setVisible(scheme);
    m_rows[3].box->setVisible(scheme);
    m_rows[3].limit->setVisible(scheme);
    m_progress->setVisible(scheme);
    // The range lists hold real draws only; the default range is the last 50.
    const std::vector<int32_t> periods = m_ws.sjk.realPeriods();
    m_from->clear();
    m_to->clear();
    for (int32_t p : periods) {
        m_from->addItem(QString::number(p));
        m_to->addItem(QString::number(p));
    }
    const PeriodRange range = defaultSearchRange(periods);
    m_from->setCurrentText(QString::number(range.from));
    m_to->setCurrentText(QString::number(range.to));
    m_found->setRowCount(0);
    m_results.clear();
    m_apply->setEnabled(false);
}

SearchParams Tf_scfa::readParams(bool& ok) {
    SearchParams p;
    p.kind = m_kind;
    p.wanted = m_wanted;
    p.indicator = m_indicator->currentText().section(QLatin1Char(' '), 0, 0).toStdString();
    p.back = m_back->currentText().toInt();
    ok = true;
    auto integer = [&](QLineEdit* edit, int& value) {
        const std::optional<int> parsed = parseInteger(edit->text().toStdString());
        if (!parsed) {
            if (ok) m_prompts.inform(this, QString::fromStdString(notAnIntegerMessage(edit->text().toStdString())));
            ok = false;
            return;
        }
        value = *parsed;
    };
    integer(m_low, p.low);
    integer(m_high, p.high);
    p.randomOnly = m_random->isChecked();
    if (!p.randomOnly) {
        integer(m_amin, p.accuracyLow);
        integer(m_amax, p.accuracyHigh);
    }
    p.fromPeriod = m_from->currentText().toInt();
    p.toPeriod = m_to->currentText().toInt();
    p.fast = m_fast->isChecked();
    SearchConstraint* targets[4] = {&p.formulaRun, &p.schemeRun, &p.lastRun, &p.samePeriod};
    for (int i = 0; i < 4; ++i) {
        const ConstraintRow& r = m_rows[i];
        targets[i]->on = r.box->isChecked() && r.box->isVisibleTo(this);
        targets[i]->limit = r.limit->currentText().toInt();
        if (r.applies) targets[i]->applies = m_wanted > 1 ? r.applies->currentText().toInt() : kMaxSearchResults;
    }
    p.seed = m_seed ? *m_seed : std::random_device{}() * 0x100000001ull + std::random_device{}();
    return p;
}

void Tf_scfa::startSearch() {
    if (isSearching()) return;
    bool ok = false;
    const SearchParams params = readParams(ok);
    if (!ok) return;
    m_search = std::make_unique<FormulaSearch>(m_ws, params);
    if (m_search->failed()) {
        m_prompts.inform(this, QString::fromStdString(m_search->message()));
        return;
    }
    m_found->setRowCount(0);
    m_results.clear();
    m_stop = false;
    m_done = false;
    m_progress->setRange(0, m_wanted);
    m_progress->setValue(0);
    setWindowTitle(QStringLiteral("正在生成中，请稍候"));
    setInputsEnabled(false);
    m_start->setText(QStringLiteral("停止生成"));
    m_thread = std::thread([this] {
        for (;;) {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_search->run(50, &m_stop) || m_stop) break;
        }
        m_done = true;
    });
    m_timer->start();
}

void Tf_scfa::stopSearch() {
    if (!isSearching()) return;
    m_stop = true;
    finish();
}

void Tf_scfa::waitForEnd() {
    while (isSearching() && !m_done) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (isSearching()) finish();
}

void Tf_scfa::poll() {
    if (!isSearching()) return;
    showProgress();
    if (m_done) finish();
}

void Tf_scfa::showProgress() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const std::vector<AcceptedFormula>& accepted = m_search->accepted();
        for (size_t i = static_cast<size_t>(m_found->rowCount()); i < accepted.size(); ++i) {
            const AcceptedFormula& a = accepted[i];
            // "随机生成" tests nothing: its formulas have no accuracy to show.
            const QString accuracy = a.tested > 0
                                         ? QString::fromStdString(accuracyText(a.right, a.tested)) + QLatin1Char('%')
                                         : QStringLiteral("未回测");
            const int row = static_cast<int>(i);
            m_found->insertRow(row);
            auto* score = new QTableWidgetItem(accuracy);
            score->setTextAlignment(Qt::AlignCenter);
            m_found->setItem(row, 0, score);
            auto* formula = new QTableWidgetItem(QString::fromStdString(a.text));
            formula->setToolTip(formula->text());
            m_found->setItem(row, 1, formula);
        }
        m_progress->setValue(static_cast<int>(accepted.size()));
        m_count->setText(QStringLiteral("已尝试候选公式%1个").arg(m_search->tried()));
    }
}

void Tf_scfa::finish() {
    if (m_thread.joinable()) m_thread.join();
    m_timer->stop();
    m_done = true;
    showProgress();  // nothing more is running: show the last state
    m_results = m_search->accepted();
    m_count->setText(QStringLiteral("已尝试候选公式%1个").arg(m_search->tried()));
    setWindowTitle(QStringLiteral("搜索完毕"));
    setInputsEnabled(true);
    m_start->setText(QStringLiteral("开始生成"));
    m_apply->setEnabled(!m_results.empty());
    if (m_search->failed()) m_prompts.inform(this, QString::fromStdString(m_search->message()));
}

void Tf_scfa::setInputsEnabled(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_indicator, m_back, m_low, m_high, m_from, m_to, m_random,
                                                      m_searchMode, m_fast})
        w->setEnabled(on);
    m_amin->setEnabled(on && !m_random->isChecked());
    m_amax->setEnabled(on && !m_random->isChecked());
    for (const ConstraintRow& r : m_rows) {
        r.box->setEnabled(on);
        r.limit->setEnabled(on && r.box->isChecked());
        if (r.applies) r.applies->setEnabled(on && r.box->isChecked());
    }
    m_apply->setEnabled(on && !m_results.empty());
}

std::vector<std::string> Tf_scfa::results() const {
    std::vector<std::string> texts;
    for (const AcceptedFormula& a : m_results) texts.push_back(a.text);
    return texts;
}

uint64_t Tf_scfa::tried() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_search ? m_search->tried() : 0;
}

}  // namespace lottodesk

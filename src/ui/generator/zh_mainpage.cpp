#include "ui/generator/zh_mainpage.h"

#include <QIntValidator>
#include <QStandardItemModel>

#include "core/drawtext.h"
#include "core/workspace.h"
#include "generator/randompick.h"
#include "generator/runframe.h"
#include "generator/selfcond.h"
#include "ui/generator/zh_dialogs.h"
#include "ui/common/prompts.h"
#include "ui_zh_mainpage.h"
#include "ui/generator/zh_catalogue.h"

namespace lottodesk {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kToleranceMax = 15;
const char* const kModes[] = {"常规组号", "旋转矩阵", "机选组号"};

int highestNumber(const Workspace& ws) { return std::clamp(ws.game.zh_to, 0, kMaxMainNumber); }

std::vector<int32_t> numbersOf(const std::array<bool, kMaxMainNumber + 1>& flags, int highest) {
    std::vector<int32_t> numbers;
    for (int n = 1; n <= highest; ++n)
        if (flags[static_cast<size_t>(n)]) numbers.push_back(n);
    return numbers;
}

// The numbers as the reset shows them: two digits, each followed by two blanks.
QString twoDigitList(const std::vector<int32_t>& numbers) {
    QString text;
    for (int32_t n : numbers) text += q(twoDigits(n)) + QStringLiteral("  ");
    return text;
}

// The from/to choices 1..15, and a stored value outside them so that it shows as it is.
void fillTolerance(QComboBox* box, int value) {
    box->clear();
    for (int i = 1; i <= kToleranceMax; ++i) box->addItem(QString::number(i), i);
    if (value < 1 || value > kToleranceMax) box->addItem(QString::number(value), value);
    box->setCurrentIndex(box->findData(value));
}

}  // namespace

ZhMainPage::ZhMainPage(Workspace& ws, MainConditions& conditions, Prompts& prompts, GeneratorDialogs& dialogs,
                       QWidget* parent)
    : QWidget(parent),
      m_ws(ws),
      m_conditions(conditions),
      m_prompts(prompts),
      m_dialogs(dialogs),
      m_ui(new Ui::ZhMainPage) {
    m_ui->setupUi(this);
    m_catalogue = new ZhCatalogue(ws, conditions, dialogs);
    m_ui->sa_zb->setWidget(m_catalogue);
    // The command row may be as narrow as its captions, so the result list beside the page gets
    // the room for every column after a prize check.
    // (Each as wide as its longest caption: "常规过滤"/"旋转缩水", "过滤后旋转"/"过滤后机选".)
    for (QPushButton* button : {m_ui->b_run, m_ui->b_second, m_ui->b_continue, m_ui->b_reset})
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);

    for (const char* mode : kModes) m_ui->combo_zhlx->addItem(QString::fromUtf8(mode));
    m_ui->combo_zhlx->setCurrentIndex(0);
    for (const GuaranteeRule& rule : kGuaranteeRules)
        m_ui->combo_bz->addItem(QString::fromUtf8(rule.name), static_cast<int>(rule.guarantee));
    m_ui->combo_bz->setCurrentIndex(0);  // "中六保五"
    m_ui->cb_yhxz->setToolTip(QStringLiteral(
        "旋转缩水后在限定时间内寻找注数更少、保证相同的旋转矩阵（逐注核对保证后才采用）；过滤后旋转不优化"));
    m_ui->e_jxzs->setMaxLength(4);
    m_ui->e_jxzs->setValidator(new QIntValidator(0, kMaxPickCount, m_ui->e_jxzs));
    connect(m_ui->combo_zhlx, &QComboBox::currentIndexChanged, this, [this] { showMode(); });
    showMode();

    connect(m_ui->b_kxhm, &QPushButton::clicked, this, [this] { chooseSelectable(); });
    connect(m_ui->b_dm, &QPushButton::clicked, this, [this] { chooseFixed(); });
    connect(m_ui->cb_lsxt, &QCheckBox::clicked, this, [this](bool on) { m_conditions.noPastDraws = on; });
    connect(m_ui->cb_djj, &QCheckBox::clicked, this, [this](bool on) { m_conditions.noEqualSpacing = on; });
    connect(m_ui->cb_tslh, &QCheckBox::clicked, this, [this](bool on) { m_conditions.noSpecialRuns = on; });
    connect(m_ui->cb_zrc, &QCheckBox::clicked, this, [this](bool on) {
        m_conditions.totalToleranceEnabled = on;
        showTotalTolerance();
    });
    connect(m_ui->combo_rcfrom, &QComboBox::activated, this,
            [this] { m_conditions.totalFrom = m_ui->combo_rcfrom->currentData().toInt(); });
    connect(m_ui->combo_rcto, &QComboBox::activated, this,
            [this] { m_conditions.totalTo = m_ui->combo_rcto->currentData().toInt(); });
    refresh();
    fillPeriods();
}

ZhMainPage::~ZhMainPage() = default;

QTabWidget* ZhMainPage::conditionPages() const { return m_ui->pc_cond; }
QPushButton* ZhMainPage::runButton() const { return m_ui->b_run; }
QPushButton* ZhMainPage::secondButton() const { return m_ui->b_second; }
QPushButton* ZhMainPage::continueButton() const { return m_ui->b_continue; }
QPushButton* ZhMainPage::resetButton() const { return m_ui->b_reset; }
QToolButton* ZhMainPage::operationsButton() const { return m_ui->b_glcz; }
QComboBox* ZhMainPage::periodBox() const { return m_ui->combo_glqh; }

void ZhMainPage::refresh() {
    const int highest = highestNumber(m_ws);
    m_ui->e_kxhm->setText(twoDigitList(numbersOf(m_conditions.selectable, highest)));
    m_ui->e_dm->setText(twoDigitList(numbersOf(m_conditions.fixed, highest)));
    // A list longer than its field shows its start.
    m_ui->e_kxhm->setCursorPosition(0);
    m_ui->e_dm->setCursorPosition(0);
    m_ui->cb_lsxt->setChecked(m_conditions.noPastDraws);
    m_ui->cb_djj->setChecked(m_conditions.noEqualSpacing);
    m_ui->cb_tslh->setChecked(m_conditions.noSpecialRuns);
    showTotalTolerance();
    offerWheelForGame();
    m_catalogue->refresh();
}

ZhMainPage::Mode ZhMainPage::mode() const { return static_cast<Mode>(m_ui->combo_zhlx->currentIndex()); }

Guarantee ZhMainPage::guarantee() const { return static_cast<Guarantee>(m_ui->combo_bz->currentData().toInt()); }

bool ZhMainPage::optimiseWheel() const { return m_ui->cb_yhxz->isChecked(); }

int ZhMainPage::pickCount() const {
    bool ok = false;
    const int count = m_ui->e_jxzs->text().trimmed().toInt(&ok);
    return ok ? std::clamp(count, 0, kMaxPickCount) : kDefaultPickCount;
}

void ZhMainPage::showMode() {
    const Mode chosen = mode();
    const bool wheel = chosen == Mode::Wheel, random = chosen == Mode::Random;
    m_ui->b_run->setText(wheel    ? QStringLiteral("旋转缩水")
                         : random ? QStringLiteral("机选组号")
                                  : QStringLiteral("常规过滤"));
    m_ui->b_second->setText(random ? QStringLiteral("过滤后机选") : QStringLiteral("过滤后旋转"));
    m_ui->b_second->setEnabled(chosen != Mode::Regular);
    m_ui->combo_bz->setVisible(wheel);
    m_ui->cb_yhxz->setVisible(wheel);
    m_ui->e_jxzs->setEnabled(random);
    if (random && m_ui->e_jxzs->text().trimmed().isEmpty()) m_ui->e_jxzs->setText(QString::number(kDefaultPickCount));
}

void ZhMainPage::offerWheelForGame() {
    auto* model = qobject_cast<QStandardItemModel*>(m_ui->combo_zhlx->model());
    if (!model) return;
    const bool six = m_ws.game.zhgs == kWheelTicketSize;
    QStandardItem* wheel = model->item(static_cast<int>(Mode::Wheel));
    wheel->setEnabled(six);
    const QString why = six ? QString() : q(kWheelNeedsSixNumbers);
    wheel->setToolTip(why);
    wheel->setStatusTip(why);
    if (!six && mode() == Mode::Wheel) m_ui->combo_zhlx->setCurrentIndex(static_cast<int>(Mode::Regular));
}

void ZhMainPage::showTotalTolerance() {
    m_ui->cb_zrc->setChecked(m_conditions.totalToleranceEnabled);
    fillTolerance(m_ui->combo_rcfrom, m_conditions.totalFrom);
    fillTolerance(m_ui->combo_rcto, m_conditions.totalTo);
    m_ui->combo_rcfrom->setEnabled(m_conditions.totalToleranceEnabled);
    m_ui->combo_rcto->setEnabled(m_conditions.totalToleranceEnabled);
}

void ZhMainPage::fillPeriods() {
    QComboBox* box = m_ui->combo_glqh;
    const int32_t chosen = box->count() > 0 ? filterPeriod() : 0;
    box->clear();
    for (const int32_t period : m_ws.sjk.realPeriods()) box->addItem(QString::number(period), period);
    box->addItem(QStringLiteral("未开奖期"), 0);
    const int at = chosen != 0 ? box->findData(chosen) : -1;
    box->setCurrentIndex(at >= 0 ? at : box->count() - 1);
}

int32_t ZhMainPage::filterPeriod() const { return m_ui->combo_glqh->currentData().toInt(); }

// The number chooser over 1..N preset with `flags`; on confirmation the flags become exactly the
// chosen numbers (nullopt: cancelled, the flags unchanged).
std::optional<std::vector<int32_t>> ZhMainPage::chooseNumbers(std::array<bool, kMaxMainNumber + 1>& flags) {
    ValueChoice choice;
    choice.lo = 1;
    choice.hi = highestNumber(m_ws);
    choice.preselected = numbersOf(flags, choice.hi);
    choice.numbers = true;
    std::optional<std::vector<int32_t>> chosen = m_dialogs.chooseValues(window(), choice);
    if (!chosen) return chosen;
    flags.fill(false);
    for (int32_t n : *chosen)
        if (n >= 1 && n <= kMaxMainNumber) flags[static_cast<size_t>(n)] = true;
    return chosen;
}

void ZhMainPage::chooseSelectable() {
    const std::optional<std::vector<int32_t>> chosen = chooseNumbers(m_conditions.selectable);
    if (chosen) {
        m_ui->e_kxhm->setText(q(valueListText(*chosen)));
        m_ui->e_kxhm->setCursorPosition(0);
    }
}

void ZhMainPage::chooseFixed() {
    const std::optional<std::vector<int32_t>> chosen = chooseNumbers(m_conditions.fixed);
    if (!chosen) return;
    if (const Status fits = checkFixedCount(chosen->size(), m_ws.game.zhgs); !fits) {
        m_conditions.fixed.fill(false);
        m_prompts.inform(window(), q(fits.message));
        m_ui->e_dm->clear();
        return;
    }
    m_ui->e_dm->setText(q(valueListText(*chosen)));
    m_ui->e_dm->setCursorPosition(0);
}

}  // namespace lottodesk

#include "ui/generator/f_getchoiceextend.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ui/generator/f_getchoiceextend_plus.h"
#include "ui/common/prompts.h"
#include "ui_f_getchoiceextend.h"

namespace lottodesk {
namespace {

constexpr int kLabelColumns = 10;

std::optional<BoundTexts> boundsOf(const CriteriaControls::Bounds& bounds) {
    if (!bounds.box || !bounds.box->isEnabled() || !bounds.box->isChecked()) return std::nullopt;
    return BoundTexts{bounds.from->text().toStdString(), bounds.to->text().toStdString()};
}

}  // namespace

bool usesValueLabels(const ValueChoice& choice) {
    return int64_t(choice.hi) - int64_t(choice.lo) + 1 <= kValueLabelLimit;
}

std::optional<std::vector<int32_t>> runValueChooser(Prompts& prompts, QWidget* parent, const ValueChoice& choice) {
    auto run = [&](ValueChooser& chooser) -> std::optional<std::vector<int32_t>> {
        chooser.setChoice(choice);
        if (chooser.exec() != QDialog::Accepted) return std::nullopt;
        return chooser.values();
    };
    if (usesValueLabels(choice)) {
        Tf_getchoiceextend chooser(prompts, parent);
        return run(chooser);
    }
    Tf_getchoiceextend_plus chooser(prompts, parent);
    return run(chooser);
}

// ---------------------------------------------------------------------------------------------
// ValueChooser

ValueChooser::ValueChooser(Prompts& prompts, QWidget* parent) : QDialog(parent), m_prompts(prompts) {}

void ValueChooser::wire(const ChooserButtons& buttons, const CriteriaControls& criteria, QLabel* reference) {
    m_buttons = buttons;
    m_criteria = criteria;
    m_reference = reference;
    connect(buttons.selectAll, &QPushButton::clicked, this, [this] { selectAll(); });
    connect(buttons.selectNone, &QPushButton::clicked, this, [this] { selectNone(); });
    connect(buttons.invert, &QPushButton::clicked, this, [this] { invert(); });
    connect(buttons.reset, &QPushButton::clicked, this, [this] { resetToPreselected(); });
    connect(buttons.byCriteria, &QPushButton::clicked, this, [this] { selectByCriteria(); });
    connect(buttons.assistant, &QPushButton::clicked, this, [this] {
        if (m_choice.assistant) m_choice.assistant();
    });
    connect(buttons.ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(buttons.cancel, &QPushButton::clicked, this, [this] { reject(); });

    // Each criterion's own controls are usable only while its box is ticked.
    followBox(criteria.parity, {criteria.odd, criteria.even});
    followBox(criteria.primality, {criteria.prime, criteria.composite});
    for (const CriteriaControls::Remainder& remainder : criteria.remainders)
        followBox(remainder.box, std::vector<QWidget*>(remainder.remainders.begin(), remainder.remainders.end()));
    if (criteria.tail) followBox(criteria.tail, {criteria.tailDigits});
    for (const CriteriaControls::Bounds* bounds : {&criteria.amplitude, &criteria.range, &criteria.mean})
        followBox(bounds->box, {bounds->from, bounds->to});
    m_buttons.assistant->setEnabled(false);
    m_reference->hide();
}

void ValueChooser::followBox(QCheckBox* box, const std::vector<QWidget*>& row) {
    auto update = [box, row] {
        for (QWidget* widget : row) widget->setEnabled(box->isEnabled() && box->isChecked());
    };
    update();
    connect(box, &QCheckBox::toggled, this, update);
}

void ValueChooser::setChoice(const ValueChoice& choice) {
    m_choice = choice;
    showValues(choice.lo, choice.hi);
    tickExactly(choice.preselected);

    m_reference->setVisible(choice.reference.has_value());
    m_reference->setText(choice.reference ? QStringLiteral("参考值：") + QString::number(*choice.reference)
                                          : QString());

    const bool withReference = choice.reference.has_value() && !choice.numbers;
    for (const CriteriaControls::Bounds* bounds : {&m_criteria.amplitude, &m_criteria.mean}) {
        if (!withReference) bounds->box->setChecked(false);
        bounds->box->setEnabled(withReference);
        bounds->from->setEnabled(withReference && bounds->box->isChecked());
        bounds->to->setEnabled(withReference && bounds->box->isChecked());
    }
    m_buttons.assistant->setEnabled(bool(choice.assistant) && !choice.numbers);
}

std::vector<int32_t> ValueChooser::values() const {
    std::vector<int32_t> result;
    for (int64_t v = m_choice.lo; v <= m_choice.hi; ++v)
        if (isTicked(int32_t(v))) result.push_back(int32_t(v));
    return result;
}

void ValueChooser::tickExactly(const std::vector<int32_t>& values) {
    for (int64_t v = m_choice.lo; v <= m_choice.hi; ++v) setTicked(int32_t(v), false);
    for (int32_t v : values)
        if (v >= m_choice.lo && v <= m_choice.hi) setTicked(v, true);
}

void ValueChooser::selectAll() {
    for (int64_t v = m_choice.lo; v <= m_choice.hi; ++v) setTicked(int32_t(v), true);
}

void ValueChooser::selectNone() { tickExactly({}); }

void ValueChooser::invert() {
    for (int64_t v = m_choice.lo; v <= m_choice.hi; ++v) setTicked(int32_t(v), !isTicked(int32_t(v)));
}

void ValueChooser::resetToPreselected() { tickExactly(m_choice.preselected); }

ValueCriteria ValueChooser::criteria() const {
    ValueCriteria result;
    if (m_criteria.parity->isChecked()) result.parity = m_criteria.odd->isChecked() ? Parity::Odd : Parity::Even;
    if (m_criteria.primality->isChecked())
        result.primality = m_criteria.prime->isChecked() ? Primality::Prime : Primality::Composite;
    for (const CriteriaControls::Remainder& remainder : m_criteria.remainders) {
        if (!remainder.box->isChecked()) continue;
        RemainderCriterion criterion{remainder.divisor, {}};
        for (int r = 0; r < int(remainder.remainders.size()); ++r)
            if (remainder.remainders[size_t(r)]->isChecked()) criterion.remainders.push_back(r);
        result.remainders.push_back(std::move(criterion));
    }
    if (m_criteria.tail && m_criteria.tail->isChecked())
        result.tailDigits = m_criteria.tailDigits->text().toStdString();
    result.amplitude = boundsOf(m_criteria.amplitude);
    result.range = boundsOf(m_criteria.range);
    result.mean = boundsOf(m_criteria.mean);
    return result;
}

void ValueChooser::selectByCriteria() {
    const std::optional<int32_t> reference = m_choice.numbers ? std::nullopt : m_choice.reference;
    const CriteriaSelection selection = lottodesk::selectByCriteria(m_choice.lo, m_choice.hi, reference, criteria());
    if (!selection.status) {
        m_prompts.inform(this, QString::fromStdString(selection.status.message));
        return;
    }
    tickExactly(selection.values);
}

// ---------------------------------------------------------------------------------------------
// ValueLabel

ValueLabel::ValueLabel(int32_t value, QWidget* parent) : QLabel(QString::number(value), parent), m_value(value) {
    setObjectName(QStringLiteral("l_value") + QString::number(value));
    setAlignment(Qt::AlignCenter);
    setMinimumSize(34, 26);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setTicked(false);
}

void ValueLabel::setTicked(bool ticked) {
    m_ticked = ticked;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ticked ? QColor(0xC0, 0x10, 0x10) : QColor(Qt::white));
    colours.setColor(QPalette::WindowText, ticked ? QColor(Qt::white) : QColor(Qt::black));
    setPalette(colours);
    setFrameShadow(ticked ? QFrame::Sunken : QFrame::Plain);
    QFont font = this->font();
    font.setBold(ticked);
    setFont(font);
}

void ValueLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ValueLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) Q_EMIT clicked();
}

// ---------------------------------------------------------------------------------------------
// Tf_getchoiceextend

Tf_getchoiceextend::Tf_getchoiceextend(Prompts& prompts, QWidget* parent)
    : ValueChooser(prompts, parent), m_ui(new Ui::Tf_getchoiceextend) {
    m_ui->setupUi(this);
    CriteriaControls criteria;
    criteria.remainders = {
        {3, m_ui->cb_mod3, {m_ui->cb_mod3_0, m_ui->cb_mod3_1, m_ui->cb_mod3_2}},
        {4, m_ui->cb_mod4, {m_ui->cb_mod4_0, m_ui->cb_mod4_1, m_ui->cb_mod4_2, m_ui->cb_mod4_3}},
        {5, m_ui->cb_mod5, {m_ui->cb_mod5_0, m_ui->cb_mod5_1, m_ui->cb_mod5_2, m_ui->cb_mod5_3, m_ui->cb_mod5_4}},
    };
    wireForm(*m_ui, std::move(criteria));
}

Tf_getchoiceextend::~Tf_getchoiceextend() = default;

void Tf_getchoiceextend::showValues(int32_t lo, int32_t hi) {
    for (ValueLabel* label : m_labels) delete label;
    m_labels.clear();
    m_lo = lo;
    for (int64_t v = lo; v <= hi; ++v) {
        auto* label = new ValueLabel(int32_t(v), m_ui->gb_values);
        const int index = int(v - lo);
        m_ui->valuesLayout->addWidget(label, index / kLabelColumns, index % kLabelColumns);
        connect(label, &ValueLabel::clicked, this, [label] { label->setTicked(!label->isTicked()); });
        m_labels.push_back(label);
    }
}

ValueLabel* Tf_getchoiceextend::label(int32_t value) const {
    const int64_t index = int64_t(value) - m_lo;
    if (index < 0 || index >= int64_t(m_labels.size())) return nullptr;
    return m_labels[size_t(index)];
}

bool Tf_getchoiceextend::isTicked(int32_t value) const {
    const ValueLabel* found = label(value);
    return found && found->isTicked();
}

void Tf_getchoiceextend::setTicked(int32_t value, bool ticked) {
    if (ValueLabel* found = label(value)) found->setTicked(ticked);
}

std::optional<std::vector<int32_t>> chooseCounts(const ValueChooserRunner& runner, QWidget* parent, int m) {
    ValueChoice choice;
    choice.lo = 0;
    choice.hi = m;
    std::optional<std::vector<int32_t>> chosen = runner(parent, choice);
    if (chosen) std::sort(chosen->begin(), chosen->end());
    return chosen;
}

}  // namespace lottodesk

#include "ui/update/f_addsj.h"
#include "ui/common/maskedfield.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/update/addsj_boardcell.h"
#include "core/drawtext.h"
#include "core/drawupdate.h"
#include "core/integertext.h"
#include "core/workspace.h"
#include "ui/update/f_xgzh.h"
#include "ui/common/prompts.h"

namespace lottodesk {
namespace {

constexpr int kColumns = 10;

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

Tf_addsj::Tf_addsj(Workspace& ws, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_ws(ws), m_prompts(prompts), m_eQs(new QLineEdit(this)), m_chosenRow(new QHBoxLayout) {
    setWindowTitle(QStringLiteral("添加开奖数据"));
    m_eQs->setObjectName(QStringLiteral("e_qs"));
    m_eQs->setInputMask(periodMask());
    keepTypingInMaskedField(m_eQs);

    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(new QLabel(QStringLiteral("期数"), this));
    periodRow->addWidget(m_eQs);
    periodRow->addStretch();

    auto* board = new QGridLayout;
    board->setSpacing(2);
    for (int number = 1; number <= kNumbers; ++number) {
        auto* cell = new BoardCell(QString::fromStdString(twoDigits(number)), normalColour(), Qt::black, this);
        cell->setObjectName(QStringLiteral("cell%1").arg(number, 2, 10, QLatin1Char('0')));
        connect(cell, &BoardCell::clicked, this, [this, number] { choose(number); });
        m_cells[number - 1] = cell;
        board->addWidget(cell, (number - 1) / kColumns, (number - 1) % kColumns);
    }
    m_chosenRow->setSpacing(2);

    QPushButton* add = button("b_add", QStringLiteral("添加"), this);
    QPushButton* resetButton = button("b_reset", QStringLiteral("重置"), this);
    QPushButton* cancel = button("b_cancel", QStringLiteral("取消"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(resetButton);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(periodRow);
    layout->addLayout(board);
    layout->addLayout(m_chosenRow);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] { addChosen(); });
    connect(resetButton, &QPushButton::clicked, this, [this] { reset(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void Tf_addsj::showEvent(QShowEvent* event) {
    buildChosenRow();
    reset();
    QDialog::showEvent(event);
}

// The row of chosen cells follows the game's counts, which change with the lottery type.
void Tf_addsj::buildChosenRow() {
    const int zhgs = std::max(m_ws.game.zhgs, 0);
    const int total = std::min(zhgs + std::max(m_ws.game.fhgs, 0), kSlots - 1);
    for (BoardCell* cell : m_chosen) delete cell;
    m_chosen.clear();
    while (QLayoutItem* item = m_chosenRow->takeAt(0)) delete item;
    for (int i = 0; i < total; ++i) {
        auto* cell = new BoardCell({}, i < zhgs ? mainColour() : secondaryColour(), Qt::white, this);
        cell->setObjectName(QStringLiteral("chosen%1").arg(i + 1));
        cell->setHoverable(false);
        cell->setEnabled(false);
        m_chosen.push_back(cell);
        m_chosenRow->addWidget(cell);
    }
    m_chosenRow->addStretch();
}

QStringList Tf_addsj::chosenTexts() const {
    QStringList texts;
    for (const BoardCell* cell : m_chosen) texts << cell->text();
    return texts;
}

void Tf_addsj::reset() {
    for (BoardCell* cell : m_cells) cell->setFill(normalColour());
    for (BoardCell* cell : m_chosen) cell->setText({});
    m_main.clear();
    m_secondary.clear();
    m_next = 1;
}

void Tf_addsj::choose(int number) {
    if (number < 1 || number > kNumbers) return;
    const int zhgs = m_ws.game.zhgs;
    if (m_next > static_cast<int>(m_chosen.size())) return;  // every chosen cell is filled
    const bool main = m_next <= zhgs;
    const int highest = main ? m_ws.game.zh_to : m_ws.game.spec_to;
    if (number > highest) return;
    std::set<int>& set = main ? m_main : m_secondary;
    if (!set.insert(number).second) return;
    m_cells[number - 1]->setFill(chosenColour());
    writeChosen(set, main ? 0 : zhgs);
    m_next = (main ? 0 : zhgs) + static_cast<int>(set.size()) + 1;
}

void Tf_addsj::writeChosen(const std::set<int>& numbers, int first) {
    int i = first;
    for (int number : numbers) m_chosen[i++]->setText(QString::fromStdString(twoDigits(number)));
}

void Tf_addsj::addChosen() {
    const std::string period = m_eQs->text().trimmed().toStdString();
    if (period.size() != 7) {
        m_prompts.inform(this, QString::fromUtf8(kPeriodLengthMessage));
        return;
    }
    const int total = static_cast<int>(m_chosen.size());
    if (m_next <= total) {
        m_prompts.inform(this, QStringLiteral("本彩票中，添加的开奖数据不能少于%1个").arg(total));
        return;
    }
    const std::optional<int> value = parseInteger(period);
    if (!value) {
        m_prompts.inform(this, QString::fromStdString(notAnIntegerMessage(period)));
        return;
    }
    DrawRecord record{};
    record[0] = *value;
    int slot = 1;
    for (int number : m_main) record[slot++] = number;
    for (int number : m_secondary) record[slot++] = number;
    const Status added = addDraw(m_ws.sjk, record);
    if (!added) {
        m_prompts.inform(this, QString::fromStdString(added.message));
        return;
    }
    accept();
}

}  // namespace lottodesk

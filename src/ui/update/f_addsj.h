#pragma once
// Tf_addsj ("添加开奖数据"): the number board. The user types the period and clicks the numbers of
// a draw, main numbers first, then secondary numbers; "添加" stores the draw and closes the board
// with OK. Numbers come from the current game's shape (zhgs, zh_to, fhgs, spec_to).

#include <QDialog>
#include <array>
#include <set>
#include <vector>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace lottodesk {

struct Workspace;
class BoardCell;
class Prompts;

class Tf_addsj : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNumbers = 40;  // cells "01".."40", four rows of ten

    Tf_addsj(Workspace& ws, Prompts& prompts, QWidget* parent = nullptr);

    QLineEdit* e_qs() const { return m_eQs; }
    BoardCell* numberCell(int number) const { return m_cells[number - 1]; }
    const std::vector<BoardCell*>& chosenCells() const { return m_chosen; }
    QStringList chosenTexts() const;

    // "重置": every cell back to normal, nothing chosen.
    void reset();
    // A click on number cell `number` (1..40), by the rules of the board.
    void choose(int number);
    // "添加": checks the period and the count, stores the draw; closes with OK when stored.
    void addChosen();

    static QColor normalColour() { return QColor(0xF4, 0xF4, 0xF4); }
    static QColor chosenColour() { return QColor(0xFF, 0xC0, 0x40); }
    static QColor mainColour() { return QColor(0xD0, 0x30, 0x30); }
    static QColor secondaryColour() { return QColor(0x30, 0x60, 0xD0); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildChosenRow();
    void writeChosen(const std::set<int>& numbers, int first);

    Workspace& m_ws;
    Prompts& m_prompts;
    QLineEdit* m_eQs;
    std::array<BoardCell*, kNumbers> m_cells{};
    QHBoxLayout* m_chosenRow;
    std::vector<BoardCell*> m_chosen;
    std::set<int> m_main;
    std::set<int> m_secondary;
    int m_next = 1;  // the chosen cell the next number goes to, from 1
};

}  // namespace lottodesk

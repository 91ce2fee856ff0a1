#pragma once
// ZhCatalogue: the 133 rows of the main-zone condition catalogue, built from the catalogue itself
// in two columns. A row is its check box with the caption (`cb_zb<n>`), its value text
// (`e_zb<n>`, read-only), the value chooser button "..." (`b_zb<n>`) and its tolerance box "容错"
// (`cb_rc<n>`); rows 34 and 35 take a typed range of integers (`e_zbfrom<n>`, `e_zbto<n>`)
// instead of the text and the button.
//
// Ticking a row makes its button and "容错" usable; unticking clears its text and its allowed set
// (rows 34, 35: the range) and unticks and disables "容错". Rows naming the seventh number are
// disabled unless the game draws seven main numbers. The rows edit the conditions they were given
// in place; refresh() shows them again after the conditions were replaced (reset, load).
//
// The search box above the rows (`e_zbsearch`) shows only the rows whose caption holds its text,
// packed into the two columns; the label beside it says how many are shown.

#include <QWidget>
#include <array>
#include <vector>

#include "generator/conditions.h"
#include "indicators/seriesmemo.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lottodesk {

struct Workspace;
class GeneratorDialogs;

class ZhCatalogue : public QWidget {
    Q_OBJECT
public:
    ZhCatalogue(Workspace& ws, MainConditions& conditions, GeneratorDialogs& dialogs, QWidget* parent = nullptr);

    // Every row from the conditions, for the current game.
    void refresh();
    // Shows the rows whose caption contains `text` (all rows for an empty text).
    void filterRows(const QString& text);
    int shownRows() const { return static_cast<int>(m_shown.size()); }

    // The controls of row n (1..133, not 36); null where the row has no such control.
    QCheckBox* enabledBox(int n) const { return m_rows[static_cast<size_t>(n)].enabled; }
    QLineEdit* valueText(int n) const { return m_rows[static_cast<size_t>(n)].text; }
    QPushButton* chooseButton(int n) const { return m_rows[static_cast<size_t>(n)].choose; }
    QLineEdit* fromBox(int n) const { return m_rows[static_cast<size_t>(n)].from; }
    QLineEdit* toBox(int n) const { return m_rows[static_cast<size_t>(n)].to; }
    QCheckBox* toleranceBox(int n) const { return m_rows[static_cast<size_t>(n)].tolerant; }

private:
    struct Row {
        QCheckBox* enabled = nullptr;
        QLineEdit* text = nullptr;
        QPushButton* choose = nullptr;
        QLineEdit* from = nullptr;
        QLineEdit* to = nullptr;
        QCheckBox* tolerant = nullptr;
        QWidget* range = nullptr;  // rows 34, 35: from, "至", to
    };

    void buildRow(int n);
    // Places the shown rows in two columns, the first filled first, and hides the others.
    void layOutRows();
    void showRow(int n);
    // The user ticked or unticked the row.
    void setRowEnabled(int n, bool on);
    // "...": the value chooser over the row's offered values, with the newest draw's value of
    // its indicator as the reference; the chosen values (ascending) replace the allowed set.
    void chooseValues(int n);
    void takeRange(int n);

    Workspace& m_ws;
    MainConditions& m_conditions;
    GeneratorDialogs& m_dialogs;
    SeriesMemo m_memo;
    std::array<Row, kCatalogueRows + 1> m_rows{};
    std::vector<int> m_all;    // the row numbers in catalogue order
    std::vector<int> m_shown;  // those the search shows
    QGridLayout* m_grid = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_searchCount = nullptr;
};

}  // namespace lottodesk

#pragma once
// The arrangement design of the row/column pattern page: Tf_jzset ("矩阵设置") lays numbers on a
// 10 x 10 grid with a name and a size; Tf_hns_save ("保存") then asks where the design goes: a
// built-in slot, a file of its own, or nowhere for now.

#include <QDialog>
#include <QStringList>

#include "analysis/arrangement.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace lottodesk {

class Tf_jzset : public QDialog {
    Q_OBJECT
public:
    explicit Tf_jzset(QWidget* parent = nullptr);
    // The design: each cell's text as a number (its last two digits), "空" or blank as 99.
    Arrangement arrangement() const;
    QTableWidget* cells() const { return m_cells; }
    QLineEdit* nameBox() const { return m_name; }
    QSpinBox* columnsBox() const { return m_columns; }
    QSpinBox* rowsBox() const { return m_rows; }

private:
    QLineEdit* m_name;
    QSpinBox* m_columns;
    QSpinBox* m_rows;
    QTableWidget* m_cells;
};

class Tf_hns_save : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Builtin, SaveAs, NotNow };  // "存储为内置行列式", "另存为", "暂时不保存"
    // `slots`: the names of the ten built-in slots.
    explicit Tf_hns_save(const QStringList& slotNames, QWidget* parent = nullptr);
    Choice choice() const;
    int slot() const;  // 1..10
    QRadioButton* button(Choice choice) const;
    QComboBox* slotBox() const { return m_slot; }

private:
    QRadioButton* m_builtin;
    QRadioButton* m_saveAs;
    QRadioButton* m_notNow;
    QComboBox* m_slot;
};

}  // namespace lottodesk

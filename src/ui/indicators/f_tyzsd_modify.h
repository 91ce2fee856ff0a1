#pragma once
// Tf_tyzsd_modify ("田野走势图修改"): edits the row texts of one field chart layout, one box per
// row ("第一行：" ..), as many boxes as the layout has rows.

#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;

namespace lottodesk {

class Tf_tyzsd_modify : public QDialog {
    Q_OBJECT
public:
    Tf_tyzsd_modify(const std::vector<std::string>& rowTexts, QWidget* parent = nullptr);

    // The texts as edited, one per row.
    std::vector<std::string> rowTexts() const;

private:
    std::vector<QLineEdit*> m_rows;
};

}  // namespace lottodesk

#pragma once
// Tf_xgzh ("修改组号"): the number edit dialog. A period box and the main and secondary number
// boxes, each a masked edit of two-digit groups joined by "-". "确定" returns OK, "取消" cancel;
// the caller reads the boxes. On showing, the first visible box takes the focus.

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lottodesk {

// The input mask of a box holding `groups` two-digit numbers: "99-99-99;_" (blank '_'); empty,
// which means no mask, for no groups.
QString numberGroupMask(int groups);
// The input mask of a seven-digit period box.
QString periodMask();

// A draw line pasted into a period box ("2026097 01 02 03 04 05 06 + 07", blanks, commas, "+" or
// "-" between numbers) split into the boxes' texts: the period and the groups of m main and h
// secondary numbers ("01-02-…"); nothing when it is not a period and m + h numbers of 1..99.
struct DrawLineFields {
    QString period;
    QString main;
    QString secondary;
};
std::optional<DrawLineFields> drawLineFields(const QString& text, int m, int h);

// Fills the three boxes from a pasted draw line; false (nothing changed) when it is none.
bool fillFromDrawLine(const QString& text, int m, int h, QLineEdit* period, QLineEdit* main, QLineEdit* secondary);

class Tf_xgzh : public QDialog {
    Q_OBJECT
public:
    explicit Tf_xgzh(QWidget* parent = nullptr);

    // Masks of the number boxes for `zhgs` main and `fhgs` secondary numbers; the labels of the
    // number boxes take the zone names.
    void setMasks(int zhgs, int fhgs, const QString& zhname, const QString& specname);

    QLabel* l_qs() const { return m_lQs; }
    QLineEdit* e_qs() const { return m_eQs; }
    QLabel* l_zh() const { return m_lZh; }
    QLineEdit* e_zh() const { return m_eZh; }
    QLabel* l_spec() const { return m_lSpec; }
    QLineEdit* e_spec() const { return m_eSpec; }

    void clearBoxes();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::pair<int, int> m_groups{0, 0};  // main and secondary groups of the masks
    QLabel* m_lQs;
    QLineEdit* m_eQs;
    QLabel* m_lZh;
    QLineEdit* m_eZh;
    QLabel* m_lSpec;
    QLineEdit* m_eSpec;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace lottodesk

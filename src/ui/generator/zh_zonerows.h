#pragma once
// The condition rows of the secondary-zone and special-number pages. A value row is its box with
// the caption, the allowed values (read-only), "..." and "容错": ticking it makes "..." and "容错"
// usable, unticking clears its values. "..." offers lo..hi with the newest draw's value of the
// row's indicator as the reference and the indicator as the chooser's filter assistant. A choice
// row holds one of two choices ("奇数"/"偶数" ...), a range row a decimal from and to.

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "generator/secondaryconditions.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace lottodesk {

struct Workspace;
class FileChooser;
class GeneratorDialogs;
class SeriesMemo;

// The file dialogs of "保存条件" and "载入条件" for `extension` (".fzh" or ".lzh"): titles and filter
// named with the secondary-zone name, starting in "save"; a saved name gets the extension unless
// it holds it. Empty when cancelled.
std::string chooseZoneConditionFile(bool save, const char* extension, FileChooser& files, QWidget* parent,
                                    const Workspace& ws);
// Appends `suffix` to the object names of the controls under `root`, so that the controls of a
// zone's custom-indicator page stay apart from the main zone's of the same form.
void suffixControlNames(QWidget* root, const QString& suffix);

// The command row of a zone page: "开始过滤 ", "重置", then the save and load captions; object names
// b_<prefix>run, b_<prefix>reset, b_<prefix>save, b_<prefix>load.
struct ZoneCommands {
    QPushButton* run;
    QPushButton* reset;
    QPushButton* save;
    QPushButton* load;
};
ZoneCommands addZoneCommands(QBoxLayout* row, const char* prefix, const QString& saveCaption,
                             const QString& loadCaption);
// The page's two panels side by side in a splitter, the conditions wider.
void layOutZonePage(QWidget* page, QWidget* conditions, QWidget* results, int resultsStretch);
// The custom-indicator list lines after a condition file was loaded.
std::vector<std::string> customLinesAfterLoad(const tfqgl_selfzb& custom);

struct ZoneRowServices {
    const Workspace& ws;
    GeneratorDialogs& dialogs;
    SeriesMemo& memo;
    QWidget* page;  // the dialogs' parent
};

class ZoneValueRow : public QObject {
    Q_OBJECT
public:
    // `name` makes the object names: cb_<name>, e_<name>, b_<name>, cb_rc<name>.
    ZoneValueRow(ZoneRowServices services, const QString& caption, std::string indicator, const char* name,
                 ValueCondition& condition, QGridLayout* grid, int gridRow);
    void setOffered(int32_t lo, int32_t hi) {
        m_lo = lo;
        m_hi = hi;
    }
    // The controls from the condition.
    void refresh();

private:
    void choose();

    ZoneRowServices m_services;
    QString m_caption;
    std::string m_indicator;
    ValueCondition& m_condition;
    int32_t m_lo = 0;
    int32_t m_hi = 0;
    QCheckBox* m_enabled;
    QLineEdit* m_text;
    QPushButton* m_choose;
    QCheckBox* m_tolerant;
};

class ZoneChoiceRow : public QObject {
    Q_OBJECT
public:
    ZoneChoiceRow(const QString& caption, const QString& first, const QString& second, const char* name,
                  ChoiceCondition& condition, QGridLayout* grid, int gridRow, QObject* parent);
    void refresh();

private:
    ChoiceCondition& m_condition;
    QCheckBox* m_enabled;
    QComboBox* m_choice;
    QCheckBox* m_tolerant;
};

class ZoneRangeRow : public QObject {
    Q_OBJECT
public:
    ZoneRangeRow(const QString& caption, const char* name, RangeCondition& condition, QGridLayout* grid, int gridRow,
                 QObject* parent);
    void refresh();

private:
    void take();

    RangeCondition& m_condition;
    QCheckBox* m_enabled;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QCheckBox* m_tolerant;
};

// "总容错" with its from and to lists (0..15).
class ZoneTotalTolerance : public QObject {
    Q_OBJECT
public:
    ZoneTotalTolerance(const char* name, bool& enabled, int32_t& from, int32_t& to, QGridLayout* grid, int gridRow,
                       QObject* parent);
    void refresh();

private:
    bool& m_enabled;
    int32_t& m_from;
    int32_t& m_to;
    QCheckBox* m_box;
    QComboBox* m_fromBox;
    QComboBox* m_toBox;
};

}  // namespace lottodesk

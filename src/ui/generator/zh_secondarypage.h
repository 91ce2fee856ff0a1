#pragma once
// ZhSecondaryPage: the page "副区过滤" (`ts_fqgl`) of the generator, for games with two secondary
// numbers. Left the conditions: "副区可选号码  " and "副区胆码" (at most two fixed numbers), the eight
// rows of "指标条件" (副号一 .. 副号二遗漏, "副区偏度" included), the custom-indicator page and
// "总容错"; the commands "开始过滤 ", "重置", "保存条件  " and "  载入条件  " (".fzh" files in "save").
// Right the secondary list ("序号", "副号一", "副号二") with its popup and the count.
//
// A run starts only without a prediction record: one present is removed and the user is told to
// set the conditions again. The filter takes well under a millisecond, so it runs in place.

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "generator/secondaryconditions.h"
#include "indicators/seriesmemo.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lottodesk {

struct Workspace;
class FileChooser;
class GeneratorDialogs;
class Prompts;
class ZhCustomPage;
class ZhTicketList;
class ZoneTotalTolerance;
class ZoneValueRow;

class ZhSecondaryPage : public QWidget {
    Q_OBJECT
public:
    ZhSecondaryPage(Workspace& ws, Prompts& prompts, FileChooser& files, GeneratorDialogs& dialogs,
                    QWidget* parent = nullptr);
    ~ZhSecondaryPage() override;

    const SecondaryConditions& conditions() const { return m_conditions; }
    ZhTicketList* results() const { return m_results; }
    ZhCustomPage* customPage() const { return m_custom; }

    void run();
    // "重置": every row cleared, every secondary number selectable, none fixed; the custom
    // indicators unticked but kept.
    void reset();
    void saveConditions();
    void loadConditions();
    // The game changed: reset conditions (the custom list too) and an empty list.
    void resetForType();
    // A secondary-zone forecast of the fix-and-kill window: killed numbers leave "副区可选号码",
    // fixed ones become "副区胆码". The text says what was set (empty when nothing was).
    std::string takeForecast(const std::vector<int32_t>& killed, const std::vector<int32_t>& fixed);

Q_SIGNALS:
    void statusChanged(const QString& text);

private:
    void chooseNumbers(bool fixed);
    void refresh();
    void showCount();

    Workspace& m_ws;
    Prompts& m_prompts;
    FileChooser& m_files;
    GeneratorDialogs& m_dialogs;
    SeriesMemo m_memo;
    SecondaryConditions m_conditions;
    std::vector<ZoneValueRow*> m_rows;
    ZoneTotalTolerance* m_total = nullptr;
    QLineEdit* m_selectable = nullptr;
    QLineEdit* m_fixed = nullptr;
    ZhCustomPage* m_custom = nullptr;
    ZhTicketList* m_results = nullptr;
    QLabel* m_count = nullptr;
};

}  // namespace lottodesk

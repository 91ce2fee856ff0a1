#pragma once
// ZhBonusPage: the page of the single special (bonus) number in the generator (`ts_lhgl`, captioned with the
// secondary-zone name + "过滤"), for games with one secondary number. Left the conditions: the
// choice rows "奇偶", "质数合数", "大小区", the value rows "除三余数" .. "遗漏值", the mean rows "二期均值"
// .. "十期均值" (decimal from and to), each with its "容错", "总容错" and the custom-indicator page;
// the commands "开始过滤 ", "重置", "保存条件", "载入条件" (".lzh" files in "save"). Right the passing
// numbers with "过滤结果：共" + count + "个", "添加" (the number chosen in 1..S) and "删除", and the
// list's popup for the prediction record.

#include <QWidget>
#include <vector>

#include "generator/secondaryconditions.h"
#include "indicators/seriesmemo.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace lottodesk {

struct Workspace;
class FileChooser;
class GeneratorDialogs;
class Prompts;
class ZhCustomPage;
class ZoneChoiceRow;
class ZoneRangeRow;
class ZoneTotalTolerance;
class ZoneValueRow;

class ZhBonusPage : public QWidget {
    Q_OBJECT
public:
    ZhBonusPage(Workspace& ws, Prompts& prompts, FileChooser& files, GeneratorDialogs& dialogs,
                QWidget* parent = nullptr);
    ~ZhBonusPage() override;

    const SpecialNumberConditions& conditions() const { return m_conditions; }
    // The result list: the passing numbers (and those added by hand), in list order.
    const std::vector<int>& numbers() const { return m_numbers; }
    ZhCustomPage* customPage() const { return m_custom; }
    QListWidget* resultList() const { return m_list; }

    void run();
    // "重置": every row cleared; the custom indicators unticked but kept.
    void reset();
    void saveConditions();
    void loadConditions();
    // "添加": the number chosen in the list box; "删除": the selected result.
    void addNumber();
    void deleteNumber();
    void resetForType();
    // The list's popup: "加到预测区" (the selected number as the prediction's special number) and
    // "清除预测区".
    void addToPrediction();
    void clearPrediction();

private:
    void refresh();
    void showNumbers();

    Workspace& m_ws;
    Prompts& m_prompts;
    FileChooser& m_files;
    SeriesMemo m_memo;
    SpecialNumberConditions m_conditions;
    std::vector<ZoneChoiceRow*> m_choices;
    std::vector<ZoneValueRow*> m_values;
    std::vector<ZoneRangeRow*> m_means;
    ZoneTotalTolerance* m_total = nullptr;
    ZhCustomPage* m_custom = nullptr;
    std::vector<int> m_numbers;
    QListWidget* m_list = nullptr;
    QLabel* m_count = nullptr;
    QComboBox* m_chooser = nullptr;
};

}  // namespace lottodesk

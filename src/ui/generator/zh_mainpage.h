#pragma once
// ZhMainPage: the conditions of the main-zone filter page. The number choosers "可选号码" and
// "红号胆码" with their texts, the catalogue rows (page "指标条件" of `pc_cond`, the other condition
// pages are added by the window), the three structural exclusions, "总容错" with its from/to
// choices 1..15, the mode list "组号类型" with the wheel's guarantee list and "优化旋转" and the random
// pick's count field, the filter period list "设置过滤期号：" and the command buttons, which the
// window connects. The mode names the run command ("常规过滤", "旋转缩水", "机选组号") and the second
// command ("过滤后旋转", "过滤后机选"; disabled in regular mode).
//
// The controls edit the conditions they were given in place; refresh() shows them again after
// the conditions were replaced.

#include <memory>
#include <QWidget>
#include <cstdint>

#include "generator/conditions.h"
#include "generator/wheel.h"

class QComboBox;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace Ui {
class ZhMainPage;
}

namespace lottodesk {

struct Workspace;
class GeneratorDialogs;
class Prompts;
class ZhCatalogue;

class ZhMainPage : public QWidget {
    Q_OBJECT
public:
    ZhMainPage(Workspace& ws, MainConditions& conditions, Prompts& prompts, GeneratorDialogs& dialogs,
               QWidget* parent = nullptr);
    ~ZhMainPage() override;

    // Every control from the conditions; the number texts in the reset form (two digits).
    void refresh();
    // Refills "设置过滤期号：": every period of the history below 9999998 ascending, then
    // "未开奖期". Keeps the chosen period when it is still there, otherwise "未开奖期".
    void fillPeriods();
    // The chosen period; 0 for "未开奖期".
    int32_t filterPeriod() const;

    enum class Mode { Regular, Wheel, Random };
    Mode mode() const;
    Guarantee guarantee() const;
    bool optimiseWheel() const;
    // The count field of a random pick: 10 when empty.
    int pickCount() const;

    ZhCatalogue* catalogue() const { return m_catalogue; }
    QTabWidget* conditionPages() const;
    QPushButton* runButton() const;
    QPushButton* secondButton() const;
    QPushButton* continueButton() const;
    QPushButton* resetButton() const;
    QToolButton* operationsButton() const;
    QComboBox* periodBox() const;

private:
    // "可选号码" and "红号胆码": the number chooser over 1..N with the current flags ticked.
    std::optional<std::vector<int32_t>> chooseNumbers(std::array<bool, kMaxMainNumber + 1>& flags);
    void chooseSelectable();
    void chooseFixed();
    void showTotalTolerance();
    void showMode();
    // Wheels need six-number tickets: the mode is offered only for such games.
    void offerWheelForGame();

    Workspace& m_ws;
    MainConditions& m_conditions;
    Prompts& m_prompts;
    GeneratorDialogs& m_dialogs;
    std::unique_ptr<Ui::ZhMainPage> m_ui;
    ZhCatalogue* m_catalogue;
};

}  // namespace lottodesk

#pragma once
// The three chart pages of "更多图表" and their options.

#include <vector>

#include "ui/analysis/moredb_chartpage.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace lottodesk {

class Prompts;

// "特性分布": "尾号", "奇偶", "质合".
class PropertyChartPage : public ChartPage {
    Q_OBJECT
public:
    PropertyChartPage(Workspace& ws, const CellPictures& pictures, QWidget* parent = nullptr);

protected:
    ChartData compute() override;

private:
    QButtonGroup* m_kind;
};

// "扩展图表": "个数图", "分区出号个数" with its zone count, "和值分布".
class ExtendedChartPage : public ChartPage {
    Q_OBJECT
public:
    ExtendedChartPage(Workspace& ws, const CellPictures& pictures, QWidget* parent = nullptr);

protected:
    ChartData compute() override;

private:
    QButtonGroup* m_kind;
    QComboBox* m_zones;
};

// "田野走势图": the template list, its name and size, "尾号分析" and "修改" (read the template
// again).
class FieldChartPage : public ChartPage {
    Q_OBJECT
public:
    FieldChartPage(Workspace& ws, const CellPictures& pictures, Prompts& prompts, QWidget* parent = nullptr);
    const FieldTemplate& chosenTemplate() const { return m_template; }
    // Reads the chosen template (creating its default file when missing).
    void readTemplate();
    // Back to the first template, read again when the page is next shown.
    void reset() override;

protected:
    ChartData compute() override;
    void showEvent(QShowEvent* event) override;

private:
    Prompts& m_prompts;
    std::vector<std::string> m_names;
    FieldTemplate m_template;
    bool m_templateRead = false;
    QComboBox* m_list;
    QLineEdit* m_name;
    QLineEdit* m_columns;
    QLineEdit* m_rows;
    QCheckBox* m_tails;
};

}  // namespace lottodesk

#pragma once
// What an analysis page is built with: the workspace, the services of the main window and the
// windows it hands results to. The hand-off targets are looked up when used, since the window
// behind them may be created later or not at all (a test passes none).

#include <functional>

namespace lottodesk {

struct Workspace;
class AnalysisOpener;
class CellPictures;
class FileChooser;
class GeneratorHandOff;
class Prompts;
class SettingsStore;
class Shell;

struct AnalysisContext {
    Workspace& ws;
    Prompts& prompts;
    FileChooser& files;
    Shell& shell;
    SettingsStore& settings;
    // nullptr (or empty): no generator or indicator analysis to hand to; the command says so.
    std::function<GeneratorHandOff*()> generator;
    std::function<AnalysisOpener*()> analysis;
    // The balls and squares of the number grids (the program's cell pictures).
    const CellPictures* pictures = nullptr;

    GeneratorHandOff* generatorWindow() const { return generator ? generator() : nullptr; }
    AnalysisOpener* analysisWindow() const { return analysis ? analysis() : nullptr; }
};

}  // namespace lottodesk

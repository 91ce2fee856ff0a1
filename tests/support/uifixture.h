#pragma once
// Doubles and program folders for the window tests: prompts answered by the test, a shell that
// records what it was asked to open, a temporary program folder with the cell pictures.

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <deque>
#include <filesystem>

#include "core/firstrun.h"
#include "ui/common/filechooser.h"
#include "ui/common/prompts.h"
#include "ui/common/qtsettingsstore.h"
#include "ui/common/shell.h"
#include "support/tempfolder.h"

namespace lottodesk::test {

class FakePrompts : public Prompts {
public:
    // Every message lands in `informed`; warnings and errors are also kept by kind.
    void inform(QWidget*, const QString& text) override { informed << text; }
    void warn(QWidget*, const QString& text) override {
        informed << text;
        warned << text;
    }
    void reportError(QWidget*, const QString& text) override {
        informed << text;
        errors << text;
    }
    bool ask(QWidget*, const QString& caption, const QString& text, bool defaultYes) override {
        asked << caption + QStringLiteral("|") + text;
        defaults.push_back(defaultYes);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList informed;
    QStringList warned;
    QStringList errors;
    QStringList asked;
    std::vector<bool> defaults;
    std::deque<bool> answers;  // next answers to questions; No when empty
};

class FakeShell : public Shell {
public:
    bool openCalculator() override {
        opened << QStringLiteral("calculator");
        return hasCalculator;
    }
    bool hasCalculator = true;
    void openTextEditor(const QString& path) override { opened << QStringLiteral("editor:") + path; }
    void openDocument(const QString& pathOrUrl) override { opened << QStringLiteral("document:") + pathOrUrl; }

    QStringList opened;
};

// Answers file dialogs with the next queued name (empty: cancelled) and records their titles.
class FakeFileChooser : public FileChooser {
public:
    QString openFile(QWidget*, const QString& title, const QString& filter, const QString& folder) override {
        folders << folder;
        return next(title, filter);
    }
    QString saveFile(QWidget*, const QString& title, const QString& filter, const QString& folder) override {
        folders << folder;
        return next(title, filter);
    }

    std::deque<QString> names;
    QStringList titles;
    QStringList filters;
    QStringList folders;  // where each dialog was asked to start

private:
    QString next(const QString& title, const QString& filter) {
        // What the dialog would show: each filter of ";;" a caption and its patterns in
        // parentheses. A raw "文件(*.txt)|*.txt" would show the user that text as it stands.
        static const QRegularExpression qtFilter(QStringLiteral(R"(^[^|()]*\([^|()]+\)$)"));
        for (const QString& one : filter.split(QStringLiteral(";;")))
            if (!qtFilter.match(one).hasMatch()) qFatal("not a file dialog filter: %s", qPrintable(filter));
        titles << title;
        filters << filter;
        if (names.empty()) return {};
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

// A program folder with the cell pictures; with `seed`, the real 双色球 and 大乐透 histories.
class ProgramFolder {
public:
    explicit ProgramFolder(bool seed = false) {
        std::filesystem::copy(std::string(LOTTODESK_DATA_DIR) + "/pic", folder.file("pic"),
                              std::filesystem::copy_options::recursive);
        if (seed) seedProgramFolder(folder.path(), std::string(LOTTODESK_DATA_DIR) + "/samples");
        // No test asks a result service on the internet at start; the tests of the check turn it on
        // with a server of their own.
        settings.writeInt("checkdraws", 0);
    }
    std::string path() const { return folder.path(); }
    std::string file(const std::string& relative) const { return folder.file(relative); }
    QString qfile(const std::string& relative) const { return QString::fromStdString(file(relative)); }

    TempFolder folder;
    QtSettingsStore settings{QString::fromStdString(folder.file("settings.ini"))};
};

}  // namespace lottodesk::test

// lottodesk: the desktop program.
#include <QApplication>

#include "core/programfolder.h"
#include "core/workspace.h"
#include "ui/shell/f_main.h"
#include "ui/common/filechooser.h"
#include "ui/shell/f_runpic.h"
#include "ui/common/prompts.h"
#include "ui/common/qtsettingsstore.h"
#include "ui/common/shell.h"

int main(int argc, char** argv) {
    using namespace lottodesk;
    QApplication app(argc, argv);
    auto* splash = new Tf_runpic;
    splash->showNow();
    QApplication::setApplicationName(QStringLiteral("lottodesk"));

    Workspace ws(defaultProgramFolder());
    QtSettingsStore settings;
    MessageBoxPrompts prompts;
    DesktopShell shell;
    DialogFileChooser files;
    Tf_main mainWindow(ws, {prompts, shell, settings, files});
    delete splash;
    if (!mainWindow.started()) {
        prompts.inform(nullptr, mainWindow.startupError());
        return 1;
    }
    mainWindow.show();
    return QApplication::exec();
}

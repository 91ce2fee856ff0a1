// The reference download plug-in: the exported entry point of "database/prjdll".
#include "prjdll.h"

#include <QApplication>
#include <QWidget>

#include "downloaddialog.h"

extern "C" LOTTODESK_PLUGIN_EXPORT void CreateDLLForm(void* mainWindow, void* /*screen*/, const char* typeName,
                                                      int /*reserved*/, int lowerBound) {
    // Only a Qt Widgets program can host the dialog; any other caller gets no file.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    try {
        prjdll::DownloadDialog dialog(QString::fromUtf8(typeName ? typeName : ""), lowerBound,
                                      static_cast<QWidget*>(mainWindow));
        dialog.exec();
    } catch (...) {
        // Nothing may unwind into the program; a failed download simply leaves no file.
    }
}

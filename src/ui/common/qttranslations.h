#pragma once
// Qt's own Chinese texts: standard buttons (确定/取消/是/否), file dialogs and context menus speak
// the language of the rest of the program.

class QCoreApplication;

namespace lottodesk {

// Loads "qtbase_zh_CN" from Qt's translations folder (Debian: qt6-translations-l10n) and installs
// it on `app`, which owns it from then on. False when the file is missing: Qt's texts stay English
// and nothing else changes.
bool installQtTranslations(QCoreApplication& app);

}  // namespace lottodesk

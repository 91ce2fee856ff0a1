#pragma once
// The online update ("在线更新"): the download plug-in "database/prjdll" fetches draws and hands
// them over in "dttmp.dtp"; the program applies them to the history.

class QString;
class QWidget;

namespace lottodesk {

struct Workspace;
class Prompts;

// Loads the plug-in from the program folder (the platform's library name for "database/prjdll"),
// or, when the program folder has none, the one installed with the program (below), and calls its "CreateDLLForm" with
// the program folder as the current directory (the previous one is restored afterwards), the current type's name and
// the lower bound: -1 when the history is empty or the type is "黑龙江时时彩", else the newest period of the history (a
// prediction or candidate record at the end does not count). A hand-over file left from an earlier run is removed
// before the call, so only what the plug-in writes now is applied. Afterwards the hand-over file is read and deleted
// and applied to `ws.sjk` (replacing the draws from the first downloaded period on, or asking in a "选择" box whether
// to keep only the downloaded draws when that period is unknown); a failure is shown through `prompts` and leaves the
// history as it was. A missing or unloadable plug-in, or no hand-over file, does nothing and says nothing. `parent` is
// the window the plug-in's and the prompts' windows belong to.
void runOnlineUpdate(Workspace& ws, Prompts& prompts, QWidget* parent);

// The folder of the plug-in installed with the program ("prjdll" with the platform's suffix in it).
// Empty, as it starts: only the program folder's plug-in is used.
void setInstalledPluginFolder(const QString& folder);

// The plug-in runOnlineUpdate would load for `programFolder` (a path without the platform's
// suffix), or empty when there is none.
QString pluginPath(const QString& programFolder);

}  // namespace lottodesk

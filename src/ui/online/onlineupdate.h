#pragma once
// The online update ("在线更新"): the download plug-in "database/prjdll" fetches draws and hands
// them over in "dttmp.dtp"; the program applies them to the history.

#include <string>

class QString;
class QWidget;

namespace lottodesk {

struct Workspace;
class Prompts;

// Loads the plug-in from the program folder (the platform's library name for "database/prjdll"),
// or, when the program folder has none, the one installed with the program (below), and calls its "CreateDLLForm" with
// the program folder as the current directory (the previous one is restored afterwards), the current type's name and
// the lower bound: -1 when the history is empty, holds only a new type's placeholder or the type is "黑龙江时时彩",
// else the newest period of the history (a prediction or candidate record at the end does not count). A hand-over
// file left from an earlier run is removed before the call, so only what the plug-in writes now is applied.
// Afterwards the hand-over file is read, deleted and merged into `ws.sjk` (applyDownload: stored draws never
// replaced, differing ones named, a "选择" box only after a gap); the prize tables handed over beside it are kept.
// A failure is shown through `prompts` and leaves the history as it was. A missing or unloadable plug-in, or no
// hand-over file, does nothing and says nothing. `parent` is the window the plug-in's and the prompts' windows
// belong to. `preferredSource` (the user's "drawsource<N>" setting) is what the plug-in's source field offers
// instead of the type's built-in service (the environment variable LOTTODESK_PLUGIN_DEFAULT_SOURCE during the call).
void runOnlineUpdate(Workspace& ws, Prompts& prompts, QWidget* parent, const std::string& preferredSource = {});

// The folder of the plug-in installed with the program ("prjdll" with the platform's suffix in it).
// Empty, as it starts: only the program folder's plug-in is used.
void setInstalledPluginFolder(const QString& folder);

// The plug-in runOnlineUpdate would load for `programFolder` (a path without the platform's
// suffix), or empty when there is none.
QString pluginPath(const QString& programFolder);

}  // namespace lottodesk

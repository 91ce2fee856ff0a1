#pragma once
// What the main window and its pages talk to outside the engine; tests substitute their own.

namespace lottodesk {

struct Workspace;
class FileChooser;
class GeneratorDialogs;
class Prompts;
class SettingsStore;
class Shell;
class Tf_main;

struct Services {
    Prompts& prompts;
    Shell& shell;
    SettingsStore& settings;
    FileChooser& files;
};

// Handed to the page factories: the workspace, the services, the dialogs shared by pages and the
// main window itself (for hand-offs between pages).
struct PageContext {
    Workspace& ws;
    Services services;
    GeneratorDialogs& generatorDialogs;
    Tf_main& main;
};

}  // namespace lottodesk

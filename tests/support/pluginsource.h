#pragma once
// The environment variable that makes the download plug-in fetch by itself from the given source
// (a test's local server), set for one scope.

#include <QString>
#include <QtGlobal>

namespace lottodesk::test {

class PluginSource {
public:
    explicit PluginSource(const QString& source) { qputenv("LOTTODESK_PLUGIN_SOURCE", source.toUtf8()); }
    ~PluginSource() { qunsetenv("LOTTODESK_PLUGIN_SOURCE"); }
    PluginSource(const PluginSource&) = delete;
    PluginSource& operator=(const PluginSource&) = delete;
};

}  // namespace lottodesk::test

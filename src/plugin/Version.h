#pragma once
// The exported version record, by which the loader decides whether to load the plugin, and
// the texts built from it (name, version, message box caption).

#include <string>

#include "game/LoaderInterface.h"
#include "plugin/Export.h"

extern "C" {
ZORVANE_EXPORT extern const sfse::PluginVersionData SFSEPlugin_Version;
}

namespace zorvane {

// "1.0": major and minor version of the record, each in decimal.
std::string GetVersionText();
// The plugin name, " v" and the version text: every box caption and the log's first line.
std::string GetPluginNameAndVersion();
std::string GetPluginName();

}  // namespace zorvane

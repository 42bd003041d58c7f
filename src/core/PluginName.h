#pragma once
// The plugin's name and version as texts: the caption of every message box and the first
// line of the log. The version record the loader reads is built from the same definitions.

#include <string>

namespace zorvane {

std::string GetPluginName();
// "1.0": the major and minor version, each in decimal.
std::string GetVersionText();
// The plugin name, " v" and the version text.
std::string GetPluginNameAndVersion();

}  // namespace zorvane

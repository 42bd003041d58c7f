#include "core/PluginName.h"

#include "core/PluginInfo.h"

namespace zorvane {

std::string GetPluginName() { return ZORVANE_PLUGIN_NAME; }

std::string GetVersionText() {
  return std::to_string(ZORVANE_VERSION_MAJOR) + "." + std::to_string(ZORVANE_VERSION_MINOR);
}

std::string GetPluginNameAndVersion() { return GetPluginName() + " v" + GetVersionText(); }

}  // namespace zorvane

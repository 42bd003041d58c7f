#include "plugin/Version.h"

// The loader reads the record's bytes from the image without running any of the plugin's
// code, so it must be constant-initialised.
extern "C" {
constinit const sfse::PluginVersionData SFSEPlugin_Version = {
    1, 0x01000000, "Zorvane - SFSE Plugin by Pelloquin", "Pelloquin", 0, 0, {sfse::kRuntime_1_14_74, 0}, 0, 0, 0,
};
}

namespace zorvane {

std::string GetVersionText() {
  uint32_t uVersion = SFSEPlugin_Version.uPluginVersion;
  return std::to_string((uVersion >> 24) & 0xFF) + "." + std::to_string((uVersion >> 16) & 0xFF);
}

std::string GetPluginNameAndVersion() { return GetPluginName() + " v" + GetVersionText(); }

std::string GetPluginName() { return std::string(SFSEPlugin_Version.sName); }

}  // namespace zorvane

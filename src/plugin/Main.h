#pragma once
// The plugin's spine: the loader's entry points and the start-up they drive.

#include <cstdint>
#include <string>

#include "game/LoaderInterface.h"
#include "plugin/Export.h"

extern "C" {
ZORVANE_EXPORT bool SFSEPlugin_Load(const sfse::Interface* theInterface);
ZORVANE_EXPORT void SFSEPlugin_HandleOnPostDataLoad(sfse::Message* theMessage);
}

namespace zorvane {

// A modal box captioned with the plugin name and version; with `terminate` the game process
// ends with exit code 0 once the box is closed.
void ShowMessageBox(const std::string& sText, bool terminate);

// SFSEPlugin_Load with the way to find the game image given: keeps the plugin handle, opens
// the log, takes the image base, binds the game's operation table and registers the
// post-data-load listener.
bool LoadPlugin(const sfse::Interface* theInterface, uintptr_t (*GetImageBase)());

uint32_t GetPluginHandle();
uintptr_t GetGameImageBase();

}  // namespace zorvane

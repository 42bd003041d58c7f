#pragma once
// The plugin's spine: the loader's entry points and the start-up they drive. The entry
// points only wire the features together, each step inside the plugin's guard.

#include <cstdint>

#include "game/LoaderInterface.h"
#include "plugin/Export.h"

extern "C" {
ZORVANE_EXPORT bool SFSEPlugin_Load(const sfse::Interface* theInterface);
ZORVANE_EXPORT void SFSEPlugin_HandleOnPostDataLoad(sfse::Message* theMessage);
}

namespace zorvane {

// SFSEPlugin_Load with the way to find the game image given: keeps the plugin handle, opens
// the log, takes the image base, binds the game's operation table and registers the
// post-data-load listener.
bool LoadPlugin(const sfse::Interface* theInterface, uintptr_t (*GetImageBase)());

uint32_t GetPluginHandle();

}  // namespace zorvane

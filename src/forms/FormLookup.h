#pragma once
// Finding a loaded plugin file by name and turning a plugin name plus a local hexadecimal
// form ID, or a whole form reference ("key |00C0DE|MyMod.esm"), into a form of the running
// game. Failures give null and say why in the log; nothing here throws.

#include <cstdint>
#include <string>

#include "game/Types.h"

namespace zorvane {

// The loaded file named `sName` (letter case ignored), searching the full, small and medium
// arrays in that order; writes its plugin type (1, 2, 3) through `pluginType` on success.
game::TESFile* LookupTESFileByName(std::string sName, uint32_t* pluginType);

// The form with the local ID `sHexFormIDNoPrefix` (hexadecimal) of the plugin `sPluginName`
// ("Starfield.esm" when empty).
game::TESForm* GetFormFromFile(std::string sHexFormIDNoPrefix, std::string sPluginName);

// The text between the last two bars of a form reference; empty when there are not two.
std::string GetHexFormIDFromFormRef(std::string sFormRef);

// The plugin file name after the last bar of a form reference, without the blanks and tabs
// that may follow it; empty when there is no bar.
std::string GetPluginNameFromFormRef(const std::string& sFormRef);

// The form a form reference names: the hexadecimal ID between its last two bars, the plugin
// file name after its last bar.
game::TESForm* GetFormFromFormRef(std::string sFormRef);

}  // namespace zorvane

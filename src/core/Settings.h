#pragma once
// The 26 on/off settings of Data\SFSE\Plugins\Zorvane.ini. One process-wide record, read
// by every layer; only the loading of the settings file writes it (SettingsStore.h).

#include <string>

namespace zorvane {

struct PluginSettings {
  struct {
    bool bNoPilotingSkillRequirement = false;
  } Piloting;
  // The ten skip keys of Export and Import name decoration kinds by the game's record codes:
  // books, miscellaneous items, furniture, keys, consumables, movable statics, containers,
  // terminals, armour and weapons.
  struct {
    bool bRestrictDecorationExportToBuildModePlacedItems = false;
    bool bSkipBOOK = false;
    bool bSkipMISC = false;
    bool bSkipFURN = false;
    bool bSkipKEYM = false;
    bool bSkipALCH = false;
    bool bSkipMSTT = false;
    bool bSkipCONT = false;
    bool bSkipTERM = false;
    bool bSkipARMO = false;
    bool bSkipWEAP = false;
  } Export;
  struct {
    bool bRestrictDecorationImportToBuildModePlacedItems = true;
    bool bRemoveAlreadyPlacedDecorationItemsBeforeImport = false;
    bool bSkipBOOK = false;
    bool bSkipMISC = false;
    bool bSkipFURN = false;
    bool bSkipKEYM = false;
    bool bSkipALCH = false;
    bool bSkipMSTT = false;
    bool bSkipCONT = false;
    bool bSkipTERM = false;
    bool bSkipARMO = false;
    bool bSkipWEAP = false;
  } Import;
  struct {
    // On in memory although a newly created file says 0: the first command of the first
    // run reloads the file and then follows what it says.
    bool bAlwaysReloadSettingsOnCommand = true;
  } Misc;
  struct {
    bool bVerboseLogging = false;
  } Logging;
};

// The live settings, as the last load of the settings file left them, for the thread that
// loads them (the game's main thread). Commands hand their workers a copy taken when the
// command starts.
const PluginSettings& GetSettings();

// The two settings the piloting hook reads, on whatever thread the game calls it: each is
// stored and read atomically when the settings are loaded.
struct PilotingHookSettings {
  bool bNoPilotingSkillRequirement;
  bool bVerboseLogging;
};
PilotingHookSettings GetPilotingHookSettings();

}  // namespace zorvane

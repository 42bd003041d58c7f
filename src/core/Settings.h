#pragma once
// The 26 on/off settings of Data\SFSE\Plugins\Zorvane.ini. One process-wide record, read
// by every layer; only the loading of the settings file writes it (SettingsStore.h).

#include <string>

namespace zorvane {

// The ten skip keys, alike in Export and Import, name decoration kinds by the game's record
// codes: books, miscellaneous items, furniture, keys, consumables, movable statics,
// containers, terminals, armour and weapons.
#define ZV_DECOR_SKIP_KEYS(X) \
  X(bSkipBOOK)                \
  X(bSkipMISC) X(bSkipFURN) X(bSkipKEYM) X(bSkipALCH) X(bSkipMSTT) X(bSkipCONT) X(bSkipTERM) X(bSkipARMO) X(bSkipWEAP)

struct DecorSkipSettings {
#define ZV_SKIP_KEY(key) bool key = false;
  ZV_DECOR_SKIP_KEYS(ZV_SKIP_KEY)
#undef ZV_SKIP_KEY
};

struct PluginSettings {
  struct {
    bool bNoPilotingSkillRequirement = false;
  } Piloting;
  struct ExportSettings : DecorSkipSettings {
    bool bRestrictDecorationExportToBuildModePlacedItems = false;
  } Export;
  struct ImportSettings : DecorSkipSettings {
    bool bRestrictDecorationImportToBuildModePlacedItems = true;
    bool bRemoveAlreadyPlacedDecorationItemsBeforeImport = false;
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

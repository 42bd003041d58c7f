#pragma once
// The 26 on/off settings of Data\SFSE\Plugins\Zorvane.ini. One process-wide record; command
// handlers hand their workers a copy taken when the command starts.

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

// The live settings. Written only by LoadSettings.
extern PluginSettings gSettings;

// Reads the settings file over the fields it gives non-empty values, or, when
// `createIfMissing`, creates a missing file with the values a new file holds (memory keeps
// its own); logs all 26 values; then applies the piloting setting to the game's perk.
void LoadSettings(bool createIfMissing);

// The settings file helpers. `sSubfolder` goes between ".\Data\SFSE\Plugins\" and the name.
std::string GetIniFilePath(const std::string& sBaseName, const std::string& sSubfolder);
bool DoesIniFileExist(const std::string& sBaseName, const std::string& sSubfolder);
std::string ReadIniSetting(const std::string& sBaseName, const std::string& sSection, const std::string& sKey,
                           const std::string& sSubfolder);
bool WriteIniSetting(const std::string& sBaseName, const std::string& sSection, const std::string& sKey,
                     const std::string& sValue, const std::string& sSubfolder);

}  // namespace zorvane

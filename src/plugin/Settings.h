#pragma once
// Loading the settings file Data\SFSE\Plugins\Zorvane.ini into the live settings record
// (core/Settings.h), and the private-profile helpers it is read and written with.

#include <string>

namespace zorvane {

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

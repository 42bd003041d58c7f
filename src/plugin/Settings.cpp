#include "plugin/Settings.h"

#include <filesystem>

#include "core/Log.h"
#include "core/SettingsStore.h"
#include "patch/PilotingSkill.h"
#include "platform/Platform.h"

namespace zorvane {
namespace {

constexpr const char* kSettingsBaseName = "Zorvane";
constexpr std::size_t kReadBufferSize = 10000;

struct SettingKey {
  const char* sSection;
  const char* sKey;
  const char* sWrittenValue;  // what a newly created file holds
  bool& (*Field)(PluginSettings&);
};

#define ZV_SETTING(section, key, written)                                              \
  SettingKey {                                                                         \
#section, #key, written, [](PluginSettings & s) -> bool& { return s.section.key; } \
  }

// Every key in file order; the log lines and a new file follow this order.
const SettingKey kSettingKeys[] = {
    ZV_SETTING(Piloting, bNoPilotingSkillRequirement, "0"),
    ZV_SETTING(Export, bRestrictDecorationExportToBuildModePlacedItems, "0"),
#define ZV_EXPORT_SKIP(key) ZV_SETTING(Export, key, "0"),
    ZV_DECOR_SKIP_KEYS(ZV_EXPORT_SKIP)
#undef ZV_EXPORT_SKIP
        ZV_SETTING(Import, bRestrictDecorationImportToBuildModePlacedItems, "1"),
    ZV_SETTING(Import, bRemoveAlreadyPlacedDecorationItemsBeforeImport, "0"),
#define ZV_IMPORT_SKIP(key) ZV_SETTING(Import, key, "0"),
    ZV_DECOR_SKIP_KEYS(ZV_IMPORT_SKIP)
#undef ZV_IMPORT_SKIP
        ZV_SETTING(Misc, bAlwaysReloadSettingsOnCommand, "0"),
    ZV_SETTING(Logging, bVerboseLogging, "0"),
};
static_assert(std::size(kSettingKeys) == sizeof(PluginSettings), "every setting is listed once");

#undef ZV_SETTING

}  // namespace

std::string GetIniFilePath(const std::string& sBaseName, const std::string& sSubfolder) {
  return ".\\Data\\SFSE\\Plugins\\" + sSubfolder + sBaseName + ".ini";
}

bool DoesIniFileExist(const std::string& sBaseName, const std::string& sSubfolder) {
  std::error_code theError;
  return std::filesystem::exists(platform::ToFileSystemPath(GetIniFilePath(sBaseName, sSubfolder)), theError);
}

std::string ReadIniSetting(const std::string& sBaseName, const std::string& sSection, const std::string& sKey,
                           const std::string& sSubfolder) {
  if (sBaseName.empty() || sSection.empty() || sKey.empty() || !DoesIniFileExist(sBaseName, sSubfolder)) {
    return {};
  }
  return platform::ReadPrivateProfileText(sSection, sKey, "", GetIniFilePath(sBaseName, sSubfolder), kReadBufferSize);
}

bool WriteIniSetting(const std::string& sBaseName, const std::string& sSection, const std::string& sKey,
                     const std::string& sValue, const std::string& sSubfolder) {
  if (sBaseName.empty() || sSection.empty() || sKey.empty()) {
    return false;
  }
  std::string sPath = GetIniFilePath(sBaseName, sSubfolder);
  platform::WritePrivateProfileText(sSection, sKey, sValue, sPath);
  if (!DoesIniFileExist(sBaseName, sSubfolder)) {
    return false;
  }
  return platform::ReadPrivateProfileText(sSection, sKey, sValue, sPath, kReadBufferSize) == sValue;
}

void LoadSettings(bool createIfMissing) {
  PluginSettings theSettings = GetSettings();
  if (DoesIniFileExist(kSettingsBaseName, "")) {
    for (const SettingKey& theKey : kSettingKeys) {
      std::string sValue = ReadIniSetting(kSettingsBaseName, theKey.sSection, theKey.sKey, "");
      if (!sValue.empty()) {
        theKey.Field(theSettings) = sValue == "1";
      }
    }
    StoreSettings(theSettings);
  } else if (createIfMissing) {
    for (const SettingKey& theKey : kSettingKeys) {
      WriteIniSetting(kSettingsBaseName, theKey.sSection, theKey.sKey, theKey.sWrittenValue, "");
    }
  }
  for (const SettingKey& theKey : kSettingKeys) {
    LOG_INFO(std::string(theKey.sSection) + "." + theKey.sKey + " --> " + (theKey.Field(theSettings) ? "1" : "0"));
  }
  DisablePilotingSkill(theSettings.Piloting.bNoPilotingSkillRequirement);
}

}  // namespace zorvane

#include "support/ExpectedSettings.h"

#include <stdexcept>

namespace zorvane::test {
namespace {

const char* const kSettingNames[] = {
    "Piloting.bNoPilotingSkillRequirement",
    "Export.bRestrictDecorationExportToBuildModePlacedItems",
    "Export.bSkipBOOK",
    "Export.bSkipMISC",
    "Export.bSkipFURN",
    "Export.bSkipKEYM",
    "Export.bSkipALCH",
    "Export.bSkipMSTT",
    "Export.bSkipCONT",
    "Export.bSkipTERM",
    "Export.bSkipARMO",
    "Export.bSkipWEAP",
    "Import.bRestrictDecorationImportToBuildModePlacedItems",
    "Import.bRemoveAlreadyPlacedDecorationItemsBeforeImport",
    "Import.bSkipBOOK",
    "Import.bSkipMISC",
    "Import.bSkipFURN",
    "Import.bSkipKEYM",
    "Import.bSkipALCH",
    "Import.bSkipMSTT",
    "Import.bSkipCONT",
    "Import.bSkipTERM",
    "Import.bSkipARMO",
    "Import.bSkipWEAP",
    "Misc.bAlwaysReloadSettingsOnCommand",
    "Logging.bVerboseLogging",
};

// The values a new file holds, in file order.
constexpr const char* kWrittenDigits = "00000000000010000000000000";

std::string MakeCreatedSettingsFile() {
  std::string sFile;
  std::string sSection;
  for (std::size_t i = 0; i < std::size(kSettingNames); ++i) {
    const std::string sName = kSettingNames[i];
    const std::string sThisSection = sName.substr(0, sName.find('.'));
    if (sThisSection != sSection) sFile += "[" + sThisSection + "]\r\n";
    sSection = sThisSection;
    sFile += sName.substr(sName.find('.') + 1) + "=" + kWrittenDigits[i] + "\r\n";
  }
  return sFile;
}

}  // namespace

const std::string kCreatedSettingsFile = MakeCreatedSettingsFile();

std::vector<std::string> MakeSettingMessages(const std::string& sDigits) {
  if (sDigits.size() != std::size(kSettingNames)) {
    throw std::invalid_argument("one digit per setting expected");
  }
  std::vector<std::string> theMessages;
  for (std::size_t i = 0; i < sDigits.size(); ++i) {
    theMessages.push_back(std::string(kSettingNames[i]) + " --> " + sDigits[i]);
  }
  return theMessages;
}

}  // namespace zorvane::test

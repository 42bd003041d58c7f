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

}  // namespace

const std::string kCreatedSettingsFile =
    "[Piloting]\r\n"
    "bNoPilotingSkillRequirement=0\r\n"
    "[Export]\r\n"
    "bRestrictDecorationExportToBuildModePlacedItems=0\r\n"
    "bSkipBOOK=0\r\n"
    "bSkipMISC=0\r\n"
    "bSkipFURN=0\r\n"
    "bSkipKEYM=0\r\n"
    "bSkipALCH=0\r\n"
    "bSkipMSTT=0\r\n"
    "bSkipCONT=0\r\n"
    "bSkipTERM=0\r\n"
    "bSkipARMO=0\r\n"
    "bSkipWEAP=0\r\n"
    "[Import]\r\n"
    "bRestrictDecorationImportToBuildModePlacedItems=1\r\n"
    "bRemoveAlreadyPlacedDecorationItemsBeforeImport=0\r\n"
    "bSkipBOOK=0\r\n"
    "bSkipMISC=0\r\n"
    "bSkipFURN=0\r\n"
    "bSkipKEYM=0\r\n"
    "bSkipALCH=0\r\n"
    "bSkipMSTT=0\r\n"
    "bSkipCONT=0\r\n"
    "bSkipTERM=0\r\n"
    "bSkipARMO=0\r\n"
    "bSkipWEAP=0\r\n"
    "[Misc]\r\n"
    "bAlwaysReloadSettingsOnCommand=0\r\n"
    "[Logging]\r\n"
    "bVerboseLogging=0\r\n";

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

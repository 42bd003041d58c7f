#include "export/ShipBackup.h"

#include <algorithm>
#include <cstdio>
#include <regex>
#include <utility>
#include <vector>

#include "core/Log.h"
#include "export/ExportShipRef.h"
#include "forms/Helpers.h"
#include "platform/FileFaults.h"
#include "platform/Platform.h"
#include "shipfile/ShipFileName.h"
#include "shipfile/ShipFolder.h"

namespace zorvane {
namespace {

// "Backup - <ship name> - " as a file name holds it: what every backup of the name begins with.
std::string MakeBackupPrefix(std::string sShipName) {
  for (char& ch : sShipName) {
    if (static_cast<unsigned char>(ch) < 0x20) ch = ' ';
  }
  return ReplaceForbiddenCharacters("Backup - " + sShipName + " - ");
}

// The backups of one ship name in the ship folder, oldest first: by their time, then by the
// number a name taken in the same second was given.
std::vector<std::string> FindBackups(const std::string& sPrefix) {
  static const std::regex kRest(R"(^(\d{4}-\d{2}-\d{2} \d{2}-\d{2}-\d{2})(?: \((\d{1,9})\))?\.txt$)");
  std::vector<std::pair<std::pair<std::string, long>, std::string>> theBackups;
  for (const std::string& sName : platform::ListFileNames(kShipFolder)) {
    std::smatch theMatch;
    const std::string sRest = sName.rfind(sPrefix, 0) == 0 ? sName.substr(sPrefix.size()) : std::string();
    if (!std::regex_match(sRest, theMatch, kRest)) continue;
    const long iNumber = theMatch[2].matched ? std::stol(theMatch[2].str()) : 1;
    theBackups.push_back({{theMatch[1].str(), iNumber}, sName});
  }
  std::sort(theBackups.begin(), theBackups.end());
  std::vector<std::string> theNames;
  for (const auto& theBackup : theBackups) theNames.push_back(theBackup.second);
  return theNames;
}

}  // namespace

void DeleteOldBackups(const ShipBackup& theBackup, const char* sFunction) {
  const std::vector<std::string> theBackups = FindBackups(theBackup.sPrefix);
  for (std::size_t i = 0; i + kBackupsKept < theBackups.size(); ++i) {
    const std::string sPath = kShipFolder + theBackups[i];
    const auto thePath = platform::ToFileSystemPath(sPath);
    std::error_code theError = platform::GetInjectedFault(platform::FileOperation::kRemove, thePath);
    if (!theError) std::filesystem::remove(thePath, theError);
    if (theError) {
      LOG_WARNING_IN(sFunction, "old backup couldn't be deleted: [" + sPath + "] " + platform::DescribeError(theError));
    } else {
      LOG_INFO_IN(sFunction, "old backup deleted: [" + sPath + "]");
    }
  }
}

std::string MakeBackupName(const std::string& sShipName) {
  const platform::LocalTime theNow = platform::GetLocalNow();
  char sTime[32] = {};
  std::snprintf(sTime, sizeof(sTime), "%04d-%02d-%02d %02d-%02d-%02d", theNow.iYear, theNow.iMonth, theNow.iDay,
                theNow.iHour, theNow.iMinute, theNow.iSecond);
  return MakeBackupPrefix(sShipName) + sTime;
}

std::optional<ShipBackup> BackUpShipLayout(game::TESObjectREFR* theShipRef, const PluginSettings& theSettings) {
  const std::string sShipName = GetReferenceName(theShipRef);
  const std::string sFirst = MakeBackupName(sShipName);
  std::string sName = sFirst;
  for (int i = 2; IsAnyEntryAt(kShipFolder + sName + ".txt"); ++i) sName = sFirst + " (" + std::to_string(i) + ")";
  // No interior cell: the layout alone, as an import of the backup takes it.
  if (!ExportShipRef(theShipRef, nullptr, kShipFolder, sName + ".txt", &theSettings)) return std::nullopt;
  return ShipBackup{sName, MakeBackupPrefix(sShipName)};
}

}  // namespace zorvane

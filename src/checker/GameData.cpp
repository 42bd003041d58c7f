#include "checker/GameData.h"

#include <ostream>

#include "checker/Printable.h"
#include "core/Text.h"
#include "forms/FormLookup.h"
#include "platform/Platform.h"

namespace zorvane::shipfile {
namespace {

uint32_t GetLocalMask(PluginKind eKind) {
  return eKind == PluginKind::kSmall ? 0xFFF : eKind == PluginKind::kMedium ? 0xFFFF : 0xFFFFFF;
}

bool IsHexDigits(const std::string& sText) {
  return !sText.empty() && sText.size() <= 8 && sText.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

}  // namespace

std::vector<const PluginFile*> GameData::GetLoadedFiles() const {
  std::vector<const PluginFile*> theLoaded;
  std::set<const PluginFile*> theSeen;
  auto AddIfLoaded = [&](const std::string& sName) {
    const PluginFile* theFile = theCatalog.Find(sName);
    if (theFile == nullptr || !theSeen.insert(theFile).second) return;
    const PluginState eState = GetState(sName);
    if (eState == PluginState::kActive || eState == PluginState::kPresent) theLoaded.push_back(theFile);
  };
  if (theLoadOrder) {
    for (const std::string& sName : theLoadOrder->theActive) AddIfLoaded(sName);
  } else {
    AddIfLoaded("Starfield.esm");
    for (const PluginFile& theFile : theCatalog.theFiles) AddIfLoaded(theFile.sName);
  }
  return theLoaded;
}

PluginState GameData::GetState(const std::string& sName, std::vector<std::string>* theMissingMasters) const {
  return GetPluginState(sName, theCatalog, theLoadOrder ? &*theLoadOrder : nullptr, theMissingMasters);
}

const PluginRecord* ShipForms::Find(const std::string& sFile, uint32_t uLocalID) const {
  const auto itRecord = theRecords.find({ToLowerAscii(sFile), uLocalID});
  return itRecord == theRecords.end() ? nullptr : &itRecord->second;
}

bool ShipForms::IsUnread(const std::string& sFile) const { return theUnreadFiles.count(ToLowerAscii(sFile)) != 0; }

std::optional<FormKey> GetFormKey(const std::string& sLine, const PluginCatalog& theCatalog) {
  const std::string sHex = GetHexFormIDFromFormRef(sLine);
  const std::string sPlugin = GetPluginNameFromFormRef(sLine);
  if (!IsHexDigits(sHex) || sPlugin.empty()) return std::nullopt;
  const PluginFile* theFile = theCatalog.Find(sPlugin);
  const uint32_t uMask = GetLocalMask(theFile != nullptr ? theFile->eKind : PluginKind::kFull);
  return FormKey{ToLowerAscii(sPlugin), static_cast<uint32_t>(std::stoul(sHex, nullptr, 16)) & uMask};
}

ShipForms ReadShipForms(const GameData& theData, const std::vector<std::string>& theLines,
                        const std::vector<FormKey>& theExtra) {
  WantedForms theWanted;
  theWanted.theForms.insert(theExtra.begin(), theExtra.end());
  for (const std::string& sLine : theLines) {
    if (std::optional<FormKey> theKey = GetFormKey(sLine, theData.theCatalog)) theWanted.theForms.insert(*theKey);
  }
  std::set<std::string> theNamed;
  for (const FormKey& theKey : theWanted.theForms) theNamed.insert(theKey.sFile);
  ShipForms theForms;
  for (const PluginFile* theFile : theData.GetLoadedFiles()) {
    const std::string sLower = ToLowerAscii(theFile->sName);
    if (theNamed.count(sLower) == 0) continue;
    if (theFile->thePath.empty()) {  // known by name alone
      theForms.theUnreadFiles.insert(sLower);
      continue;
    }
    PluginFileContents theContents = ReadPluginFile(theFile->thePath, theFile->sName, &theWanted);
    for (auto& [uLocalID, theRecord] : theContents.theOwnForms) theForms.theRecords[{sLower, uLocalID}] = theRecord;
    if (theContents.theError) {
      theForms.theUnreadFiles.insert(sLower);
      theForms.theErrors.push_back(*theContents.theError);
    }
  }
  return theForms;
}

bool ReadGameData(const std::string& sData, const std::string& sPlugins, std::optional<GameData>& theData,
                  std::ostream& theErrors) {
  if (sData.empty()) {
    if (!sPlugins.empty()) theErrors << "zorvane-shipfile: --plugins needs --data, the folder its files are in\n";
    return sPlugins.empty();
  }
  if (!std::filesystem::is_directory(platform::ToFileSystemPath(sData))) {
    theErrors << "zorvane-shipfile: " << MakePrintable(sData) << " is not a folder\n";
    return false;
  }
  theData.emplace();
  theData->theCatalog = ReadDataFolder(platform::ToFileSystemPath(sData));
  for (const std::string& sProblem : theData->theCatalog.theProblems)
    theErrors << "zorvane-shipfile: passed over " << MakePrintable(sProblem) << "\n";
  const std::filesystem::path thePlugins =
      sPlugins.empty() ? FindPlayerLoadOrder() : platform::ToFileSystemPath(sPlugins);
  if (thePlugins.empty()) return true;
  std::string sProblem;
  theData->theLoadOrder = ReadLoadOrder(thePlugins, sProblem);
  if (!theData->theLoadOrder) {
    theErrors << "zorvane-shipfile: " << MakePrintable(sProblem) << "\n";
    return false;
  }
  for (const std::string& sLineProblem : theData->theLoadOrder->theProblems)
    theErrors << "zorvane-shipfile: " << MakePrintable(platform::FromFileSystemPath(thePlugins)) << ", "
              << MakePrintable(sLineProblem) << "\n";
  return true;
}

}  // namespace zorvane::shipfile

#include "checker/LoadOrder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#if defined(_WIN32)
#include <cstdlib>
#endif

#include "core/Text.h"
#include "platform/Platform.h"

namespace zorvane::shipfile {
namespace {

std::string TrimBlanks(const std::string& sText) {
  const std::size_t uStart = sText.find_first_not_of(" \t\r");
  if (uStart == std::string::npos) return {};
  return sText.substr(uStart, sText.find_last_not_of(" \t\r") - uStart + 1);
}

// Whether the file loads: present, active, and every master loads; `theSeen` guards against
// files that name each other.
bool CanLoad(const std::string& sName, const PluginCatalog& theData, const LoadOrder* theLoadOrder,
             std::set<std::string>& theSeen, std::vector<std::string>* theMissingMasters) {
  const PluginFile* theFile = theData.Find(sName);
  if (theFile == nullptr || (theLoadOrder != nullptr && !theLoadOrder->IsActive(sName))) return false;
  if (!theSeen.insert(ToLowerAscii(sName)).second) return true;
  bool bLoads = true;
  for (const std::string& sMaster : theFile->theMasters) {
    if (!CanLoad(sMaster, theData, theLoadOrder, theSeen, nullptr)) {
      bLoads = false;
      if (theMissingMasters != nullptr) theMissingMasters->push_back(sMaster);
    }
  }
  return bLoads;
}

}  // namespace

const char* GetStateName(PluginState eState) {
  switch (eState) {
    case PluginState::kActive: return "active";
    case PluginState::kInactive: return "present but not active";
    case PluginState::kMissing: return "missing";
    case PluginState::kMastersMissing: return "cannot load";
    case PluginState::kPresent: return "present";
    default: return "not looked for";
  }
}

bool LoadOrder::IsActive(const std::string& sName) const { return theActiveNames.count(ToLowerAscii(sName)) != 0; }

const std::vector<std::string>& GetOfficialFiles() {
  static const std::vector<std::string> kOfficial = {
      "Starfield.esm", "ShatteredSpace.esm", "Constellation.esm", "OldMars.esm",  "SFBGS003.esm",
      "SFBGS004.esm",  "SFBGS006.esm",       "SFBGS007.esm",      "SFBGS008.esm", "BlueprintShips-Starfield.esm"};
  return kOfficial;
}

LoadOrder ReadLoadOrderText(const std::string& sText) {
  LoadOrder theOrder;
  theOrder.theActive = GetOfficialFiles();
  for (const std::string& sName : theOrder.theActive) theOrder.theActiveNames.insert(ToLowerAscii(sName));
  std::size_t uStart = 0;
  for (int iLine = 1; uStart < sText.size(); ++iLine) {
    std::size_t uEnd = sText.find('\n', uStart);
    if (uEnd == std::string::npos) uEnd = sText.size();
    std::string sLine = sText.substr(uStart, uEnd - uStart);
    uStart = uEnd + 1;
    if (iLine == 1 && sLine.rfind("\xEF\xBB\xBF", 0) == 0) sLine.erase(0, 3);  // a byte order mark
    sLine = TrimBlanks(sLine.substr(0, sLine.find('#')));
    if (sLine.empty()) continue;
    const bool bActive = sLine[0] == '*';
    const std::string sName = TrimBlanks(bActive ? sLine.substr(1) : sLine);
    const std::string sExtension = ToLowerAscii(sName.size() > 4 ? sName.substr(sName.size() - 4) : "");
    if (sExtension != ".esm" && sExtension != ".esp" && sExtension != ".esl") {
      theOrder.theProblems.push_back("line " + std::to_string(iLine) + ": \"" + sName + "\" is no plugin file name");
      continue;
    }
    if (!theOrder.theListedNames.insert(ToLowerAscii(sName)).second) {
      theOrder.theProblems.push_back("line " + std::to_string(iLine) + ": " + sName + " is listed again");
      continue;
    }
    theOrder.theListed.push_back(sName);
    if (bActive && theOrder.theActiveNames.insert(ToLowerAscii(sName)).second) theOrder.theActive.push_back(sName);
  }
  return theOrder;
}

std::optional<LoadOrder> ReadLoadOrder(const std::filesystem::path& thePath, std::string& sProblem) {
  std::ifstream theFile(thePath, std::ios::binary);
  if (!theFile.is_open() || std::filesystem::is_directory(thePath)) {
    sProblem = platform::FromFileSystemPath(thePath) + " cannot be read";
    return std::nullopt;
  }
  return ReadLoadOrderText(std::string(std::istreambuf_iterator<char>(theFile), std::istreambuf_iterator<char>()));
}

std::filesystem::path FindPlayerLoadOrder() {
#if defined(_WIN32)
  const wchar_t* sFolder = _wgetenv(L"LOCALAPPDATA");
  if (sFolder == nullptr || *sFolder == L'\0') return {};
  const std::filesystem::path thePath = std::filesystem::path(sFolder) / L"Starfield" / L"Plugins.txt";
  std::error_code theError;
  return std::filesystem::is_regular_file(thePath, theError) ? thePath : std::filesystem::path();
#else
  return {};
#endif
}

PluginState GetPluginState(const std::string& sName, const PluginCatalog& theData, const LoadOrder* theLoadOrder,
                           std::vector<std::string>* theMissingMasters) {
  if (theData.Find(sName) == nullptr) return PluginState::kMissing;
  if (theLoadOrder != nullptr && !theLoadOrder->IsActive(sName)) return PluginState::kInactive;
  std::set<std::string> theSeen;
  if (!CanLoad(sName, theData, theLoadOrder, theSeen, theMissingMasters)) return PluginState::kMastersMissing;
  return theLoadOrder != nullptr ? PluginState::kActive : PluginState::kPresent;
}

}  // namespace zorvane::shipfile

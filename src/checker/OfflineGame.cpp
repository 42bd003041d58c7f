#include "checker/OfflineGame.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <type_traits>

#include "core/Log.h"
#include "core/Text.h"
#include "forms/FormLookup.h"
#include "game/Binding.h"
#include "game/Host.h"

namespace zorvane::shipfile {
namespace {

// The objects the plugin's readers are handed; they only ever come back to this table.
struct OfflineFile {
  std::string sName;
  uint8_t uCompileIndex = 0;
  uint16_t uSmallIndex = 0;
  uint8_t uMediumIndex = 0;
};

struct OfflineState {
  std::vector<OfflineFile> theArrays[3];  // full, small, medium
  std::map<uint32_t, int> theForms;       // one object per form ID
  std::vector<LogEntry> theLog;
};
OfflineState* gState = nullptr;
int gDataHandler = 0;  // its address stands for the data handler

OfflineFile* AsFile(game::TESFile* theFile) { return reinterpret_cast<OfflineFile*>(theFile); }

// "[time] [SFSE] [level] [file:line] [function] message"
void HearLogLine(const std::string& sLine) {
  std::size_t uPos = sLine.find("] [SFSE] [");
  if (gState == nullptr || uPos == std::string::npos) return;
  LogEntry theEntry;
  uPos += 10;
  std::size_t uEnd = sLine.find(']', uPos);
  theEntry.sLevel = sLine.substr(uPos, uEnd - uPos);
  uPos = sLine.find("] [", uEnd + 1) + 3;  // past the file field
  uEnd = sLine.find("] ", uPos);
  theEntry.sFunction = sLine.substr(uPos, uEnd - uPos);
  theEntry.sMessage = sLine.substr(uEnd + 2);
  gState->theLog.push_back(std::move(theEntry));
}

template <typename T>
T Nothing() {
  if constexpr (!std::is_void_v<T>) return T{};
}

// Every operation the readers do not use answers nothing.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
game::Host MakeOfflineHost() {
  using namespace game;
  Host theHost = {kHostVersion, sizeof(Host)
#define ZV_OFFLINE_ENTRY(uOffset, Result, Name, Parameters, Arguments) \
  , [] Parameters -> Result { return Nothing<Result>(); }
                                    ZV_HOST_OPERATIONS(ZV_OFFLINE_ENTRY)
#undef ZV_OFFLINE_ENTRY
  };
  theHost.GetDataHandler = [] { return reinterpret_cast<TESDataHandler*>(&gDataHandler); };
  theHost.GetFileCount = [](TESDataHandler*, uint32_t uArray) {
    return uArray < 3 ? static_cast<uint32_t>(gState->theArrays[uArray].size()) : 0u;
  };
  theHost.GetFileAt = [](TESDataHandler*, uint32_t uArray, uint32_t uIndex) {
    return reinterpret_cast<TESFile*>(&gState->theArrays[uArray].at(uIndex));
  };
  theHost.GetFileName = [](TESFile* theFile) { return AsFile(theFile)->sName.c_str(); };
  theHost.GetFileCompileIndex = [](TESFile* theFile) { return AsFile(theFile)->uCompileIndex; };
  theHost.GetFileSmallIndex = [](TESFile* theFile) { return AsFile(theFile)->uSmallIndex; };
  theHost.GetFileMediumIndex = [](TESFile* theFile) { return AsFile(theFile)->uMediumIndex; };
  theHost.LookupFormByID = [](uint32_t uFormID) { return reinterpret_cast<TESForm*>(&gState->theForms[uFormID]); };
  return theHost;
}
#pragma GCC diagnostic pop
game::Host gOfflineHost = MakeOfflineHost();

// The kind of a plugin file the ship file names, from the width of its form IDs as the export
// writes them: 3 digits for a small file, 4 for a medium one, 6 for a full one.
PluginKind GuessKind(std::size_t uDigits) {
  return uDigits == 3 ? PluginKind::kSmall : uDigits == 4 ? PluginKind::kMedium : PluginKind::kFull;
}

PluginCatalog GuessPluginFiles(const std::vector<std::string>& theLines) {
  PluginCatalog theCatalog;
  theCatalog.theFiles.push_back({"Starfield.esm", PluginKind::kFull});
  std::set<std::string> theNames = {ToLowerAscii(theCatalog.theFiles[0].sName)};  // a file of random bytes names many
  for (const std::string& sLine : theLines) {
    const std::size_t uLast = sLine.rfind('|');
    const std::size_t uBefore =
        uLast == std::string::npos || uLast == 0 ? std::string::npos : sLine.rfind('|', uLast - 1);
    const std::string sName = GetPluginNameFromFormRef(sLine);
    if (uBefore == std::string::npos || sName.empty()) continue;
    if (theNames.insert(ToLowerAscii(sName)).second)
      theCatalog.theFiles.push_back({sName, GuessKind(uLast - uBefore - 1)});
  }
  return theCatalog;
}

}  // namespace

OfflineGame::OfflineGame(const PluginCatalog* theData, const std::vector<std::string>& theLines)
    : theFiles(theData != nullptr ? *theData : GuessPluginFiles(theLines)) {
  if (gState != nullptr) throw std::logic_error("only one offline game at a time");
  gState = new OfflineState;
  // The master file first: compile index 0, as in the game's load order.
  std::vector<PluginFile> theOrdered = theFiles.theFiles;
  std::stable_partition(theOrdered.begin(), theOrdered.end(),
                        [](const PluginFile& theFile) { return theFile.sName == "Starfield.esm"; });
  for (const PluginFile& theFile : theOrdered) {
    auto& theArray = gState->theArrays[static_cast<int>(theFile.eKind)];
    OfflineFile theOffline{theFile.sName};
    const auto uPosition = theArray.size();
    theOffline.uCompileIndex = theFile.eKind == PluginKind::kFull    ? static_cast<uint8_t>(uPosition)
                               : theFile.eKind == PluginKind::kSmall ? uint8_t{0xFE}
                                                                     : uint8_t{0xFD};
    theOffline.uSmallIndex = theFile.eKind == PluginKind::kSmall ? static_cast<uint16_t>(uPosition) : 0;
    theOffline.uMediumIndex = theFile.eKind == PluginKind::kMedium ? static_cast<uint8_t>(uPosition) : 0;
    theArray.push_back(theOffline);
  }
  game::BindHost(&gOfflineHost);
  SetLogListener(&HearLogLine);
}

OfflineGame::~OfflineGame() {
  SetLogListener(nullptr);
  game::BindHost(nullptr);
  delete gState;
  gState = nullptr;
}

game::TESForm* OfflineGame::ResolveFormRef(const std::string& sLine) {
  if (bStandInForms) return reinterpret_cast<game::TESForm*>(&iStandInForm);
  game::TESForm* theForm = GetFormFromFormRef(sLine);
  if (theForm != nullptr) ++iUncheckedForms;
  return theForm;
}

std::vector<LogEntry> OfflineGame::TakeLogEntries() {
  std::vector<LogEntry> theEntries = std::move(gState->theLog);
  gState->theLog.clear();
  return theEntries;
}

}  // namespace zorvane::shipfile

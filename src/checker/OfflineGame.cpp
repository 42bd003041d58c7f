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

// A form as the readers hold it: its record when one was read.
struct OfflineForm {
  const PluginRecord* theRecord = nullptr;
};

struct OfflineState {
  std::vector<OfflineFile> theArrays[3];  // full, small, medium
  const ShipForms* theShipForms = nullptr;
  std::map<uint32_t, OfflineForm> theForms;  // one object per form ID
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

// The file a runtime form ID names and the form's local ID in it: a small file's are
// FE III xxx, a medium file's FD II xxxx, a full file's II xxxxxx.
std::pair<const OfflineFile*, uint32_t> DecodeFormID(uint32_t uFormID) {
  auto At = [](int iArray, uint32_t uIndex) -> const OfflineFile* {
    const auto& theArray = gState->theArrays[iArray];
    return uIndex < theArray.size() ? &theArray[uIndex] : nullptr;
  };
  switch (uFormID >> 24) {
    case 0xFE: return {At(1, (uFormID >> 12) & 0xFFF), uFormID & 0xFFF};
    case 0xFD: return {At(2, (uFormID >> 16) & 0xFF), uFormID & 0xFFFF};
    default: return {At(0, uFormID >> 24), uFormID & 0xFFFFFF};
  }
}

// The form a runtime form ID names. With records read, a form of a file read to its end is
// there only when the file holds it.
game::TESForm* FindForm(uint32_t uFormID) {
  OfflineForm theForm;
  if (const ShipForms* theShipForms = gState->theShipForms) {
    const auto [theFile, uLocalID] = DecodeFormID(uFormID);
    if (theFile == nullptr) return nullptr;
    theForm.theRecord = theShipForms->Find(theFile->sName, uLocalID);
    if (theForm.theRecord == nullptr && !theShipForms->IsUnread(theFile->sName)) return nullptr;
  }
  OfflineForm& theKept = gState->theForms[uFormID];
  theKept = theForm;
  return reinterpret_cast<game::TESForm*>(&theKept);
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
  theHost.LookupFormByID = [](uint32_t uFormID) { return FindForm(uFormID); };
  theHost.GetFormType = [](TESForm* theForm) {
    const PluginRecord* theRecord = reinterpret_cast<OfflineForm*>(theForm)->theRecord;
    return theRecord != nullptr ? GetFormTypeCode(theRecord->sType).value_or(0) : uint8_t{0};
  };
  return theHost;
}
#pragma GCC diagnostic pop
game::Host gOfflineHost = MakeOfflineHost();

// The kind of a plugin file the ship file names, from the width of its form IDs as the export
// writes them: 3 digits for a small file, 4 for a medium one, 6 for a full one.
PluginKind GuessKind(std::size_t uDigits) {
  return uDigits == 3 ? PluginKind::kSmall : uDigits == 4 ? PluginKind::kMedium : PluginKind::kFull;
}

std::vector<PluginFile> GuessPluginFiles(const std::vector<std::string>& theLines) {
  std::vector<PluginFile> theFiles = {{"Starfield.esm", PluginKind::kFull, {}, {}}};
  std::set<std::string> theNames = {"starfield.esm"};  // a file of random bytes names many
  for (const std::string& sLine : theLines) {
    const std::string sHex = GetHexFormIDFromFormRef(sLine);
    const std::string sName = GetPluginNameFromFormRef(sLine);
    if (sHex.empty() || sName.empty()) continue;
    if (theNames.insert(ToLowerAscii(sName)).second) theFiles.push_back({sName, GuessKind(sHex.size()), {}, {}});
  }
  return theFiles;
}

}  // namespace

namespace {

std::vector<PluginFile> CopyLoadedFiles(const GameData& theData) {
  std::vector<PluginFile> theFiles;
  for (const PluginFile* theFile : theData.GetLoadedFiles()) theFiles.push_back(*theFile);
  return theFiles;
}

}  // namespace

OfflineGame::OfflineGame(const GameData* theData, const ShipForms* theForms, const std::vector<std::string>& theLines)
    : theFiles(theData != nullptr ? CopyLoadedFiles(*theData) : GuessPluginFiles(theLines)) {
  if (gState != nullptr) throw std::logic_error("only one offline game at a time");
  gState = new OfflineState;
  gState->theShipForms = theForms;
  // The master file first: compile index 0, as in the game's load order.
  std::vector<PluginFile> theOrdered = theFiles;
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
  if (theForm != nullptr && GetRecord(theForm) == nullptr) ++iUncheckedForms;
  return theForm;
}

const PluginRecord* OfflineGame::GetRecord(game::TESForm* theForm) const {
  if (theForm == nullptr || theForm == reinterpret_cast<const game::TESForm*>(&iStandInForm)) return nullptr;
  return reinterpret_cast<OfflineForm*>(theForm)->theRecord;
}

std::optional<uint8_t> OfflineGame::GetFormType(game::TESForm* theForm) {
  const PluginRecord* theRecord = GetRecord(theForm);
  if (theRecord == nullptr) return std::nullopt;
  return GetFormTypeCode(theRecord->sType).value_or(0);
}

game::TESForm* OfflineGame::CastToBoundObject(game::TESForm* theForm) {
  const PluginRecord* theRecord = GetRecord(theForm);
  return theRecord == nullptr || theRecord->theBounds ? theForm : nullptr;
}

std::vector<LogEntry> OfflineGame::TakeLogEntries() {
  std::vector<LogEntry> theEntries = std::move(gState->theLog);
  gState->theLog.clear();
  return theEntries;
}

}  // namespace zorvane::shipfile

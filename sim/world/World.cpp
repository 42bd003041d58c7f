#include "World.h"

#include <cstdio>
#include <stdexcept>

#include "CommandTables.h"
#include "WorldFileParts.h"

namespace sim {
namespace {

std::string FormatAddress(const void* theObject) {
  char sText[32];
  std::snprintf(sText, sizeof(sText), "%p", theObject);
  return sText;
}

std::string FormatID(uint32_t uFormID) {
  char sText[16];
  std::snprintf(sText, sizeof(sText), "0x%08X", uFormID);
  return sText;
}

}  // namespace

const char* GetKindName(ObjectKind eKind) {
  switch (eKind) {
    case ObjectKind::kForm: return "form";
    case ObjectKind::kReference: return "reference";
    case ObjectKind::kCell: return "cell";
    case ObjectKind::kWorldspace: return "worldspace";
    case ObjectKind::kFile: return "plugin file";
    case ObjectKind::kDataHandler: return "data handler";
    case ObjectKind::kConsole: return "console";
    case ObjectKind::kExtraList: return "extra-data list";
    case ObjectKind::kExtraData: return "extra-data entry";
    case ObjectKind::kCellIDList: return "cell-list object";
    case ObjectKind::kCellManager: return "cell manager";
    case ObjectKind::kNewRefRequest: return "new-reference request";
  }
  return "object";
}

World::World() : theStrings([this](const std::string& sWhat) { ReportViolation(sWhat); }) {
  Register(&theDataHandler, ObjectKind::kDataHandler);
  Register(&theConsole, ObjectKind::kConsole);
  Register(&theCellManager, ObjectKind::kCellManager);
  theConsoleCommands = MakeDefaultCommandTable(*this, CommandTable::kConsole);
  theScriptCommands = MakeDefaultCommandTable(*this, CommandTable::kScript);
}
World::~World() = default;

std::vector<game::TESFile*>& World::GetFileArray(game::FileArrayKind eArray) {
  switch (eArray) {
    case game::kSmallFiles: return theDataHandler.theSmallFiles;
    case game::kMediumFiles: return theDataHandler.theMediumFiles;
    default: return theDataHandler.theFiles;
  }
}

game::TESFile* World::AddFile(game::FileArrayKind eArray, const std::string& sName) {
  std::vector<game::TESFile*>& theArray = GetFileArray(eArray);
  auto theFile = std::make_unique<game::TESFile>();
  theFile->sName = sName;
  const auto uPosition = theArray.size();
  theFile->uCompileIndex = eArray == game::kFullFiles    ? static_cast<uint8_t>(uPosition)
                           : eArray == game::kSmallFiles ? uint8_t{0xFE}
                                                         : uint8_t{0xFD};
  if (eArray == game::kSmallFiles) theFile->uSmallFileIndex = static_cast<uint16_t>(uPosition);
  if (eArray == game::kMediumFiles) theFile->uMediumFileIndex = static_cast<uint8_t>(uPosition);
  Register(theFile.get(), ObjectKind::kFile);
  theOwnedFiles.push_back(std::move(theFile));
  theArray.push_back(theOwnedFiles.back().get());
  return theArray.back();
}

void World::AddEmptyFileSlot(game::FileArrayKind eArray) { GetFileArray(eArray).push_back(nullptr); }

template <typename T>
T* World::AddObject(std::unique_ptr<T> theObject, ObjectKind eKind) {
  if (theFormsByID.count(theObject->uFormID) != 0) {
    throw std::runtime_error("form ID " + FormatID(theObject->uFormID) + " is defined twice");
  }
  T* theAdded = theObject.get();
  theFormsByID[theAdded->uFormID] = theAdded;
  Register(theAdded, eKind);
  theOwnedForms.push_back(std::move(theObject));
  return theAdded;
}

game::TESForm* World::AddForm(uint32_t uFormID, uint8_t uFormType, game::TESFile* theFile, const std::string& sFullName,
                              const std::string& sEditorID) {
  auto theForm = std::make_unique<game::TESForm>();
  theForm->uFormID = uFormID;
  theForm->uFormType = uFormType;
  theForm->theFile = theFile;
  theForm->sFullName = sFullName;
  theForm->sEditorID = sEditorID;
  return AddObject(std::move(theForm), ObjectKind::kForm);
}

game::TESObjectCELL* World::AddCell(uint32_t uFormID, bool bInterior, uint8_t uFormType) {
  auto theCell = std::make_unique<game::TESObjectCELL>();
  theCell->uFormID = uFormID;
  theCell->uFormType = uFormType;
  theCell->bInterior = bInterior;
  return AddObject(std::move(theCell), ObjectKind::kCell);
}

game::TESObjectREFR* World::AddReference(uint32_t uFormID, game::TESForm* theBase, game::TESObjectCELL* theCell,
                                         uint8_t uFormType) {
  auto theRef = std::make_unique<game::TESObjectREFR>();
  theRef->uFormID = uFormID;
  theRef->uFormType = uFormType;
  theRef->theBase = theBase;
  theRef->theParentCell = theCell;
  game::TESObjectREFR* theAdded = AddObject(std::move(theRef), ObjectKind::kReference);
  if (theCell != nullptr) theCell->theRefs.push_back(theAdded);
  return theAdded;
}

game::TESWorldSpace* World::AddWorldspace(uint32_t uFormID, uint8_t uFormType) {
  auto theWorldspace = std::make_unique<game::TESWorldSpace>();
  theWorldspace->uFormID = uFormID;
  theWorldspace->uFormType = uFormType;
  return AddObject(std::move(theWorldspace), ObjectKind::kWorldspace);
}

game::CellIDList& World::GetOrAddCellList(game::TESObjectREFR* theRef) {
  if (!theRef->theCellList) {
    theRef->theCellList = std::make_unique<game::CellIDList>();
    Register(theRef->theCellList.get(), ObjectKind::kCellIDList);
  }
  return *theRef->theCellList;
}

game::ExtraDataList& World::GetOrAddExtraList(game::TESObjectREFR* theRef) {
  if (!theRef->theExtra) {
    theRef->theExtra = std::make_unique<game::ExtraDataList>();
    Register(theRef->theExtra.get(), ObjectKind::kExtraList);
  }
  return *theRef->theExtra;
}

game::BSExtraData& World::AddExtraData(game::TESObjectREFR* theRef, uint32_t uKind) {
  game::ExtraDataList& theList = GetOrAddExtraList(theRef);
  theList.theEntries.push_back(std::make_unique<game::BSExtraData>());
  game::BSExtraData& theEntry = *theList.theEntries.back();
  theEntry.theList = &theList;
  theEntry.uKind = uKind;
  Register(&theEntry, ObjectKind::kExtraData);
  return theEntry;
}

const char* World::KeepText(const std::string& sText) {
  theKeptTexts.push_back(sText);
  return theKeptTexts.back().c_str();
}

game::CommandParam* World::KeepCommandParams(const std::vector<game::CommandParam>& theParams) {
  if (theParams.empty()) return nullptr;
  theKeptParams.push_back(theParams);
  return theKeptParams.back().data();
}

game::TESFile* World::FindFile(const std::string& sName) const {
  for (const auto& theFile : theOwnedFiles) {
    if (theFile->sName == sName) return theFile.get();
  }
  return nullptr;
}

game::TESForm* World::FindForm(uint32_t uFormID) const {
  auto it = theFormsByID.find(uFormID);
  return it == theFormsByID.end() ? nullptr : it->second;
}

void* World::FindObject(const void* theObject, std::initializer_list<ObjectKind> theKinds, const char* sOperation) {
  const std::string sWanted = GetKindName(*theKinds.begin());
  if (theObject == nullptr) {
    ReportViolation(std::string(sOperation) + " called with a null " + sWanted);
    return nullptr;
  }
  auto it = theObjects.find(theObject);
  if (it == theObjects.end()) {
    ReportViolation(std::string(sOperation) + " called with " + FormatAddress(theObject) +
                    ", which is no object of the game");
    return nullptr;
  }
  for (ObjectKind eKind : theKinds) {
    if (it->second == eKind) return const_cast<void*>(theObject);
  }
  ReportViolation(std::string(sOperation) + " called with a " + GetKindName(it->second) + " where a " + sWanted +
                  " belongs");
  return nullptr;
}

void World::CheckLocksReleased(const std::string& sCommand) {
  for (const auto& [uFormID, theForm] : theFormsByID) {
    auto* theRef = dynamic_cast<game::TESObjectREFR*>(theForm);
    if (theRef == nullptr || !theRef->theExtra) continue;
    game::ExtraDataList& theList = *theRef->theExtra;
    if (theList.iReadLocks != 0 || theList.bWriteLocked) {
      ReportViolation("the extra-data list of " + FormatID(uFormID) + " is still " +
                      (theList.bWriteLocked ? "write" : "read") + "-locked after the command \"" + sCommand + "\"");
      theList.iReadLocks = 0;
      theList.bWriteLocked = false;
    }
  }
}

void World::CheckRequestsReleased(const std::string& sCommand) {
  if (theRequests.empty()) return;
  ReportViolation(std::to_string(theRequests.size()) + " new-reference request(s) still held after the command \"" +
                  sCommand + "\"");
  for (const auto& theRequest : theRequests) theObjects.erase(theRequest.get());
  theRequests.clear();
}

void World::CheckStrings() {
  std::map<const game::StringPoolEntry*, uint32_t> theHeld;
  auto Hold = [&theHeld](const game::BSFixedString& theString) {
    if (theString.theEntry != nullptr) ++theHeld[theString.theEntry];
  };
  for (const auto& [uFormID, theForm] : theFormsByID) {
    worldfile::ForEachComponentString(*theForm, Hold);
    auto* theRef = dynamic_cast<game::TESObjectREFR*>(theForm);
    if (theRef == nullptr || !theRef->theExtra) continue;
    for (const auto& theEntry : theRef->theExtra->theEntries) Hold(theEntry->theString);
  }
  theStrings.Audit(theHeld);
}

void World::FailOperation(const std::string& sOperation, int iNth) {
  sFailingOperation = sOperation;
  iFailCountdown = iNth;
}

void World::EnterOperation(const char* sOperation) {
  if (iFailCountdown > 0 && sFailingOperation == sOperation && --iFailCountdown == 0) {
    throw std::runtime_error(std::string("the game failed in ") + sOperation);
  }
}

}  // namespace sim

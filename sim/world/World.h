#pragma once
// The simulated game's world: plugin files, forms, references, cells, ship components, the
// string pool, the game heap and the globals the plugin reads. Worlds are built through the
// methods below, by world files and tests alike, so every object is registered: the
// operation table consults the registry before it touches anything the plugin names, and an
// invented, freed or wrong-kind object is reported instead of being undefined behaviour.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "GameHeap.h"
#include "GameObjects.h"
#include "StringPool.h"
#include "game/Codes.h"
#include "game/Commands.h"
#include "game/Host.h"

namespace sim {

// The kinds of object the registry tells apart.
enum class ObjectKind {
  kForm,
  kReference,
  kCell,
  kWorldspace,
  kFile,
  kDataHandler,
  kConsole,
  kExtraList,
  kExtraData,
  kCellIDList,
  kCellManager,
  kNewRefRequest,
};
const char* GetKindName(ObjectKind eKind);

// Form type codes the world gives when a builder call or world file names none.
inline constexpr uint8_t kDefaultReferenceType = 74;
inline constexpr uint8_t kDefaultCellType = 73;
inline constexpr uint8_t kDefaultWorldspaceType = 71;

// What goes wrong when the plugin asks for a new reference (tests set it): no request
// record, no handle, or a handle that names no reference.
enum class NewRefFault { kNone, kNoRequest, kNoHandle, kNoReference };

class World {
 public:
  World();
  ~World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  // --- Building. ---
  // A plugin file at the end of one of the data handler's arrays, with the indices the game
  // gives it there: a full file's compile index is its position; a small file has 0xFE and
  // its position as small file index; a medium file 0xFD and its position as medium index.
  game::TESFile* AddFile(game::FileArrayKind eArray, const std::string& sName);
  // An empty slot in one of the arrays.
  void AddEmptyFileSlot(game::FileArrayKind eArray);
  game::TESForm* AddForm(uint32_t uFormID, uint8_t uFormType, game::TESFile* theFile = nullptr,
                         const std::string& sFullName = "", const std::string& sEditorID = "");
  game::TESObjectCELL* AddCell(uint32_t uFormID, bool bInterior = true, uint8_t uFormType = kDefaultCellType);
  // A reference of `theBase`; with a cell, placed in it (at the end of its reference list).
  game::TESObjectREFR* AddReference(uint32_t uFormID, game::TESForm* theBase, game::TESObjectCELL* theCell = nullptr,
                                    uint8_t uFormType = kDefaultReferenceType);
  game::TESWorldSpace* AddWorldspace(uint32_t uFormID, uint8_t uFormType = kDefaultWorldspaceType);
  // The reference's cell-list object, made when it has none.
  game::CellIDList& GetOrAddCellList(game::TESObjectREFR* theRef);
  // The reference's extra-data list, made when it has none.
  game::ExtraDataList& GetOrAddExtraList(game::TESObjectREFR* theRef);
  game::BSExtraData& AddExtraData(game::TESObjectREFR* theRef, uint32_t uKind);
  // A component of `theForm`, made in game memory with every field zero.
  template <typename T>
  T* AddComponent(game::TESForm* theForm) {
    T* theComponent = theHeap.New<T>();
    theForm->theComponents.emplace_back(T::kTypeName, theComponent);
    return theComponent;
  }
  // Fills a game array with copies of `theItems`, in game memory.
  template <typename T>
  void FillArray(game::GameArray<T>& theArray, const std::vector<T>& theItems) {
    theArray.theData = theItems.empty() ? nullptr : theHeap.NewArray<T>(theItems.size());
    for (std::size_t i = 0; i < theItems.size(); ++i) theArray.theData[i] = theItems[i];
    theArray.uCapacity = theArray.uCount = static_cast<uint32_t>(theItems.size());
  }
  // An interned string of the pool (equal texts share one entry), or an entry standing for
  // the entry of the text.
  game::BSFixedString MakeString(const std::string& sText) { return theStrings.Make(sText); }
  game::BSFixedString MakeIndirectString(const std::string& sText) { return theStrings.MakeIndirect(sText); }
  // A text and parameter descriptors that live as long as the world (command tables).
  const char* KeepText(const std::string& sText);
  game::CommandParam* KeepCommandParams(const std::vector<game::CommandParam>& theParams);

  // --- Looking up. ---
  game::TESFile* FindFile(const std::string& sName) const;
  game::TESForm* FindForm(uint32_t uFormID) const;
  // The object the plugin named, when it is a live object of one of `theKinds`; otherwise
  // null, after a report that names `sOperation`.
  void* FindObject(const void* theObject, std::initializer_list<ObjectKind> theKinds, const char* sOperation);
  // Whether `theObject` is a registered object of the kind; asking reports nothing.
  bool IsObject(const void* theObject, ObjectKind eKind) const {
    const auto it = theObjects.find(theObject);
    return it != theObjects.end() && it->second == eKind;
  }

  // --- Misuse. ---
  // Something the real game would not survive; a correct plugin causes none.
  void ReportViolation(const std::string& sWhat) { theViolations.push_back(sWhat); }
  const std::vector<std::string>& GetViolations() const { return theViolations; }
  // After every console command: every extra-data lock must have been released.
  void CheckLocksReleased(const std::string& sCommand);
  // After every console command: every new-reference request must have been released.
  void CheckRequestsReleased(const std::string& sCommand);
  // At the end of a session: every string's count must equal the handles the world holds.
  void CheckStrings();
  // Makes the `uNth` call (from 1) of the operation `sOperation` raise an error, so tests
  // can see how the plugin copes with a game that fails.
  void FailOperation(const std::string& sOperation, int iNth = 1);
  // Called by the operation table before every operation.
  void EnterOperation(const char* sOperation);

  // --- New references, removal and the cell manager (HostPlacement.cpp, HostCells.cpp). ---
  game::NewRefRequest* MakeRequest();
  void ReleaseRequest(game::NewRefRequest* theRequest);
  // A new runtime-created reference from a filled request, in the request's cell or in the
  // persistent cell of its worldspace; its handle.
  uint32_t CreateReference(const game::NewRefRequest& theRequest);
  game::TESObjectREFR* FindReferenceByHandle(uint32_t uHandle) const;
  // Takes the reference out of its cell's list; it stays in memory, marked removed.
  void RemoveReference(game::TESObjectREFR* theRef);
  // Makes the `iNth` new reference (from 1) go wrong the way `eFault` says (tests).
  void FailNewReference(NewRefFault eFault, int iNth = 1);
  // Whether the new reference being made now goes wrong that way (once); each request counts
  // as an attempt.
  bool IsNewReferenceFault(NewRefFault eFault);

  GameHeap theHeap;
  StringPool theStrings;
  game::TESDataHandler theDataHandler;
  game::ConsoleLog theConsole;
  bool bHasDataHandler = true;
  bool bHasConsole = true;
  game::TESForm* thePilotingPerk = nullptr;  // the game's piloting perk pointer global
  uint32_t uPlayerPilotingRank = 0;          // the player's rank of the piloting skill
  game::TESObjectREFR* thePlayer = nullptr;
  game::TESObjectREFR* thePlayerHomeShip = nullptr;
  game::TESForm* theWorkshopKeyword = nullptr;
  game::TESForm* theWorkshopLinkKeyword = nullptr;
  bool bHasCellManager = false;
  game::CellManager theCellManager;
  bool bNewRefsHaveExtraList = true;  // new references get an (empty) extra-data list
  // The game's command tables (CommandTables.h), made with the game's own entries. Each ends
  // with an entry at its bound; the plugin keeps pointers into them, so they never grow once
  // a session runs.
  std::vector<game::CommandEntry> theConsoleCommands;
  std::vector<game::CommandEntry> theScriptCommands;

  std::map<uint32_t, game::TESForm*> theFormsByID;

 private:
  void Register(const void* theObject, ObjectKind eKind) { theObjects[theObject] = eKind; }
  std::vector<game::TESFile*>& GetFileArray(game::FileArrayKind eArray);
  template <typename T>
  T* AddObject(std::unique_ptr<T> theObject, ObjectKind eKind);

  std::vector<std::unique_ptr<game::TESFile>> theOwnedFiles;
  std::vector<std::unique_ptr<game::TESForm>> theOwnedForms;
  std::unordered_map<const void*, ObjectKind> theObjects;
  std::vector<std::string> theViolations;
  std::deque<std::string> theKeptTexts;
  std::deque<std::vector<game::CommandParam>> theKeptParams;
  std::string sFailingOperation;
  int iFailCountdown = 0;
  std::vector<std::unique_ptr<game::NewRefRequest>> theRequests;  // live ones
  std::map<uint32_t, game::TESObjectREFR*> theRefsByHandle;
  uint32_t uNextHandle = 0x00100001;
  uint32_t uNextCreatedID = 0xFF800000;
  NewRefFault eNewRefFault = NewRefFault::kNone;
  int iNewRefCountdown = 0;  // the attempt that goes wrong, counted down at each request
};

// The world the operation table works on; null before one is made current.
World* GetCurrentWorld();
void SetCurrentWorld(World* theWorld);

// Where the game's console output goes.
void SetConsoleSink(void (*OnLine)(const std::string& sLine));

// The game's function that asks its piloting requirement check about a ship, through the
// call instruction the piloting patch redirects (HostCode.cpp).
uint64_t AskPilotingRequirement(game::TESObjectREFR* theShip);

// The operation table as the game image exports it.
const game::Host& GetHostTable();
// Takes the operation `sName` out of the exported table (false: no such operation), and puts
// every operation back.
bool RemoveHostOperation(const std::string& sName);
void RestoreHostOperations();

}  // namespace sim

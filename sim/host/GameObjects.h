#pragma once
// The simulated game's own objects behind the opaque pointers of src/game/Types.h: plugin
// files, forms, references, cells, extra data, interned strings. The plugin never sees
// their layout; it reads them through the operation table. The memory declared in src/game
// (components, arrays, string handles, command entries) is shared byte for byte.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/Types.h"

namespace game {

struct TESFile {
  std::string sName;
  uint8_t uCompileIndex = 0;  // 0xFE for every small file, 0xFD for every medium file
  uint16_t uSmallFileIndex = 0;
  uint8_t uMediumFileIndex = 0;
};

// An entry of the string pool, counting the handles that refer to it. An entry may stand
// for another one (theTarget, to which it holds a reference), whose text is then its text.
// An entry whose count has dropped to 0 is released: the real game would free it; here it
// stays, marked, so a later use of it is seen.
struct StringPoolEntry {
  uint32_t uRefCount = 0;
  StringPoolEntry* theTarget = nullptr;
  std::string sText;
  bool bReleased = false;
};

struct ExtraDataList;

struct BSExtraData {
  ExtraDataList* theList = nullptr;  // the list the entry stands in
  uint32_t uKind = 0;
  BSFixedString theString = {nullptr};  // kinds 6 and 150
  uint32_t uFormID = 0;                 // kind 180
  uint32_t uListCount = 0;              // kind 128
};

struct ExtraDataList {
  std::vector<std::unique_ptr<BSExtraData>> theEntries;
  int iReadLocks = 0;
  bool bWriteLocked = false;
};

inline bool IsExtraListLocked(const ExtraDataList& theList) { return theList.iReadLocks > 0 || theList.bWriteLocked; }

struct TESForm {
  virtual ~TESForm() = default;
  uint32_t uFormID = 0;
  uint8_t uFormType = 0;
  uint16_t uModIndex = 0;
  std::string sEditorID;       // empty: the game gives none
  std::string sFullName;       // empty: the game gives none
  TESFile* theFile = nullptr;  // the plugin file that defines the form
  std::vector<TESForm*> theKeywords;
  // Components by type name; the memory comes from the game heap.
  std::vector<std::pair<std::string, void*>> theComponents;
};

struct TESObjectCELL;

// The form IDs of the cells the game relates to a reference (its cell-list query).
struct CellIDList {
  std::vector<uint32_t> theIDs;
};

struct TESObjectREFR : TESForm {
  TESForm* theBase = nullptr;
  TESObjectCELL* theParentCell = nullptr;
  float fPosition[3] = {0.0f, 0.0f, 0.0f};
  float fRotation[3] = {0.0f, 0.0f, 0.0f};                    // radians
  uint16_t uScale = 100;                                      // percent
  std::unique_ptr<ExtraDataList> theExtra;                    // null: no extra data at all
  std::vector<std::pair<TESForm*, TESObjectREFR*>> theLinks;  // linked references by keyword
  TESObjectREFR* theShipAboard = nullptr;                     // for actors
  std::unique_ptr<CellIDList> theCellList;                    // null: the query answers nothing
  uint32_t uPilotingRank = 0;                                 // for ships: the skill rank they demand
  // A removed reference has left its cell's list but stays in memory, as the game keeps it
  // until nothing refers to it any more.
  bool bRemoved = false;
};

struct TESWorldSpace;

struct TESObjectCELL : TESForm {
  bool bInterior = true;
  std::vector<TESObjectREFR*> theRefs;     // entries may be null
  TESObjectREFR* theShip = nullptr;        // the ship whose interior this cell is, if any
  TESWorldSpace* theWorldspace = nullptr;  // for exterior cells
  bool bAdmitted = true;                   // the answer of the game's cell admission test
};

struct TESWorldSpace : TESForm {
  TESObjectCELL* thePersistentCell = nullptr;
};

// The game's cell manager: its current cell and its list of cell entries. An entry is a
// cell, a null entry, or one the binding finds implausible; the last two answer no cell.
struct CellManager {
  struct Entry {
    enum Kind { kCell, kNull, kInvalid } eKind = kNull;
    TESObjectCELL* theCell = nullptr;
  };
  TESObjectCELL* theCurrentCell = nullptr;
  std::vector<Entry> theEntries;
};

// A request for a new reference, as the plugin had it filled.
struct NewRefRequest {
  bool bFilled = false;
  TESForm* theBase = nullptr;
  float fPosition[3] = {0.0f, 0.0f, 0.0f};
  float fRotation[3] = {0.0f, 0.0f, 0.0f};
  TESObjectCELL* theCell = nullptr;
  TESWorldSpace* theWorldspace = nullptr;
};

struct TESDataHandler {
  std::vector<TESFile*> theFiles;  // full files; entries may be null
  std::vector<TESFile*> theSmallFiles;
  std::vector<TESFile*> theMediumFiles;
};

struct ConsoleLog {};

}  // namespace game

#pragma once
// The simulated game's world: plugin files, forms, references, cells, ship components, the
// string pool, the game heap and the globals the plugin reads. The plugin sees these objects
// only as opaque pointers through the operation table, and reads the memory declared in
// src/game (components, arrays, strings, command entries) directly; the rest of the layout
// here is the simulated game's own.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "GameHeap.h"
#include "game/Commands.h"
#include "game/Components.h"
#include "game/Host.h"
#include "game/Types.h"

namespace game {

struct TESFile {
  std::string sName;
  uint8_t uCompileIndex = 0;  // 0xFE for every small file, 0xFD for every medium file
  uint16_t uSmallFileIndex = 0;
  uint8_t uMediumFileIndex = 0;
};

// An entry of the string pool. An entry may stand for another one (theTarget), whose text
// is then its text.
struct StringPoolEntry {
  uint32_t uRefCount = 0;
  StringPoolEntry* theTarget = nullptr;
  std::string sText;
};

struct BSExtraData {
  uint32_t uKind = 0;
  BSFixedString theString = {nullptr};  // kinds 6 and 150
  uint32_t uFormID = 0;                 // kind 180
  uint32_t uListCount = 0;              // kind 128
};

struct ExtraDataList {
  std::vector<std::unique_ptr<BSExtraData>> theEntries;
  int iReadLocks = 0;
};

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

struct TESObjectREFR : TESForm {
  TESForm* theBase = nullptr;
  TESObjectCELL* theParentCell = nullptr;
  float fPosition[3] = {0.0f, 0.0f, 0.0f};
  float fRotation[3] = {0.0f, 0.0f, 0.0f};                    // radians
  uint16_t uScale = 100;                                      // percent
  std::unique_ptr<ExtraDataList> theExtra;                    // null: no extra data at all
  std::vector<std::pair<TESForm*, TESObjectREFR*>> theLinks;  // linked references by keyword
  TESObjectREFR* theShipAboard = nullptr;                     // for actors
};

struct TESObjectCELL : TESForm {
  bool bInterior = true;
  std::vector<TESObjectREFR*> theRefs;  // entries may be null
};

struct TESDataHandler {
  std::vector<TESFile*> theFiles;  // full files; entries may be null
  std::vector<TESFile*> theSmallFiles;
  std::vector<TESFile*> theMediumFiles;
};

struct ConsoleLog {};

}  // namespace game

namespace sim {

class World {
 public:
  World();
  ~World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  game::TESFile* AddFile(std::unique_ptr<game::TESFile> theFile);
  // Adds a form (a TESForm, TESObjectREFR or TESObjectCELL) and indexes it by form ID.
  template <typename T>
  T* AddForm(std::unique_ptr<T> theForm) {
    T* theAdded = theForm.get();
    IndexForm(theAdded);
    theOwnedForms.push_back(std::move(theForm));
    return theAdded;
  }
  game::TESFile* FindFile(const std::string& sName) const;
  game::TESForm* FindForm(uint32_t uFormID) const;

  // An interned string of the pool: equal texts share one entry.
  game::BSFixedString MakeString(const std::string& sText);
  // A pool entry that stands for the entry of `sText`.
  game::BSFixedString MakeIndirectString(const std::string& sText);
  const std::deque<game::StringPoolEntry>& GetStringPool() const { return theStringPool; }

  // A component of `theForm`, made in game memory and zero-filled.
  template <typename T>
  T* AddComponent(game::TESForm* theForm, const std::string& sTypeName) {
    T* theComponent = theHeap.New<T>();
    theForm->theComponents.emplace_back(sTypeName, theComponent);
    return theComponent;
  }
  // Fills a game array with copies of `theItems`, in game memory.
  template <typename T>
  void FillArray(game::GameArray<T>& theArray, const std::vector<T>& theItems) {
    theArray.theData = theItems.empty() ? nullptr : theHeap.NewArray<T>(theItems.size());
    for (std::size_t i = 0; i < theItems.size(); ++i) theArray.theData[i] = theItems[i];
    theArray.uCapacity = theArray.uCount = static_cast<uint32_t>(theItems.size());
  }

  // A text that lives as long as the world (command names and help texts of world files).
  const char* KeepText(const std::string& sText);
  // Parameter descriptors that live as long as the world; null for an empty list.
  game::CommandParam* KeepCommandParams(const std::vector<game::CommandParam>& theParams);

  // Misuse of the game seen by the simulated game (an extra-data lookup without the read
  // lock, for one); a correct plugin leaves this empty.
  void ReportViolation(const std::string& sWhat) { theViolations.push_back(sWhat); }
  const std::vector<std::string>& GetViolations() const { return theViolations; }

  GameHeap theHeap;
  game::TESDataHandler theDataHandler;
  game::ConsoleLog theConsole;
  bool bHasDataHandler = true;
  bool bHasConsole = true;
  game::TESForm* thePilotingPerk = nullptr;  // the game's piloting perk pointer global
  game::TESObjectREFR* thePlayer = nullptr;
  game::TESForm* theWorkshopKeyword = nullptr;
  game::TESForm* theWorkshopLinkKeyword = nullptr;
  // The game's command tables (CommandTables.h), made with the game's own entries. Each ends
  // with an entry at its bound; the plugin keeps pointers into them, so they never grow once
  // a session runs.
  std::vector<game::CommandEntry> theConsoleCommands;
  std::vector<game::CommandEntry> theScriptCommands;

  std::vector<std::unique_ptr<game::TESFile>> theOwnedFiles;
  std::vector<std::unique_ptr<game::TESForm>> theOwnedForms;
  std::map<uint32_t, game::TESForm*> theFormsByID;

 private:
  void IndexForm(game::TESForm* theForm);

  std::deque<game::StringPoolEntry> theStringPool;
  std::vector<std::string> theViolations;
  std::deque<std::string> theKeptTexts;
  std::deque<std::vector<game::CommandParam>> theKeptParams;
};

// The world the operation table works on; null before one is made current.
World* GetCurrentWorld();
void SetCurrentWorld(World* theWorld);

// Where the game's console output goes.
void SetConsoleSink(void (*OnLine)(const std::string& sLine));

// The operation table as the game image exports it.
const game::Host& GetHostTable();

}  // namespace sim

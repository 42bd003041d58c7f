#pragma once
// The simulated game's world: plugin files, forms and the globals the plugin reads. The
// plugin sees these objects only as opaque pointers through the host operation table; their
// layout here is the simulated game's own.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/Host.h"

namespace game {

struct TESFile {
  std::string sName;
  uint8_t uCompileIndex = 0;     // 0xFE for every small file, 0xFD for every medium file
  uint16_t uSmallFileIndex = 0;
  uint8_t uMediumFileIndex = 0;
};

struct TESForm {
  virtual ~TESForm() = default;
  uint32_t uFormID = 0;
  uint8_t uFormType = 0;
  std::string sEditorID;
  std::string sFullName;
  TESFile* theFile = nullptr;  // the plugin file that defines the form
};

struct TESDataHandler {
  std::vector<TESFile*> theFiles;        // full files; entries may be null
  std::vector<TESFile*> theSmallFiles;
  std::vector<TESFile*> theMediumFiles;
};

struct ConsoleLog {};

}  // namespace game

namespace sim {

class World {
 public:
  World();
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  game::TESFile* AddFile(std::unique_ptr<game::TESFile> theFile);
  game::TESForm* AddForm(std::unique_ptr<game::TESForm> theForm);
  game::TESFile* FindFile(const std::string& sName) const;
  game::TESForm* FindForm(uint32_t uFormID) const;

  game::TESDataHandler theDataHandler;
  game::ConsoleLog theConsole;
  bool bHasDataHandler = true;
  bool bHasConsole = true;
  game::TESForm* thePilotingPerk = nullptr;  // the game's piloting perk pointer global

  std::vector<std::unique_ptr<game::TESFile>> theOwnedFiles;
  std::vector<std::unique_ptr<game::TESForm>> theOwnedForms;
  std::map<uint32_t, game::TESForm*> theFormsByID;
};

// The world the host operation table works on; null before one is made current.
World* GetCurrentWorld();
void SetCurrentWorld(World* theWorld);

// Where the game's console output goes.
void SetConsoleSink(void (*OnLine)(const std::string& sLine));

// The operation table as the game image exports it.
const game::Host& GetHostTable();

}  // namespace sim

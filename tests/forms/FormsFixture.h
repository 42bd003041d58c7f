#pragma once
// A simulated game world bound as the plugin's game, with the plugin's log open, for the
// form services' tests. Worlds are built in code with the helpers below or read from a
// world file; every test ends by checking that the game saw no misuse (extra data read
// without the list's read lock, for one).

#include <memory>
#include <string>

#include "World.h"
#include "support/PluginFixture.h"

namespace zorvane::test {

class FormsFixture : public PluginFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes `theNewWorld` the game the plugin sees.
  void UseWorld(std::unique_ptr<sim::World> theNewWorld);

  // A plugin file appended to one of the data handler's arrays (uFileIndex: its small or
  // medium file index), or an empty slot.
  game::TESFile* AddFile(game::FileArrayKind eArray, const std::string& sName, uint8_t uCompileIndex,
                         uint16_t uFileIndex = 0);
  void AddEmptySlot(game::FileArrayKind eArray);
  game::TESForm* AddForm(uint32_t uFormID, uint8_t uType = 0, const std::string& sEditorID = "",
                         const std::string& sFullName = "", uint16_t uModIndex = 0);
  game::TESObjectREFR* AddRef(uint32_t uFormID, game::TESForm* theBase);
  // An extra-data entry of kind 6 or 150 holding `theString`, or of kind 180 holding a form ID.
  void AddExtraText(game::TESObjectREFR* theRef, uint32_t uKind, game::BSFixedString theString);
  void AddExtraFormID(game::TESObjectREFR* theRef, uint32_t uFormID);

  // The log after its first line, with timestamps and line numbers masked.
  std::string ReadFormsLog() const;

  std::unique_ptr<sim::World> theWorld;
};

}  // namespace zorvane::test

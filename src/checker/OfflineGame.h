#pragma once
// The game as far as a ship file can be checked without it. Its plugin files are those the
// game would load from the Data folder, when one is given, or else those the ship file names,
// each of the kind its form IDs' width suggests. With the records the ship file names read
// from those files, a form is there when its file holds it, of its record's kind, and a bound
// object when it has object bounds; without them (or where a file could not be read to its
// end) every form ID of a loaded file names a form whose kind is unknown. While an OfflineGame
// lives the plugin's readers run against it: its forms resolve with the game's own rules and
// messages, and the log's lines go to a listener.

#include <map>
#include <string>
#include <vector>

#include "checker/GameData.h"
#include "shipfile/FormSource.h"

namespace zorvane::shipfile {

// One log line as the plugin wrote it.
struct LogEntry {
  std::string sLevel;     // "info", "warning", "error"
  std::string sFunction;  // the function field
  std::string sMessage;
};

class OfflineGame final : public FormSource {
 public:
  // `theData`: the player's files, or null to take the plugin files from `theLines`;
  // `theForms`: the records the lines name, read from those files, or null when not read.
  OfflineGame(const GameData* theData, const ShipForms* theForms, const std::vector<std::string>& theLines);
  ~OfflineGame() override;
  OfflineGame(const OfflineGame&) = delete;
  OfflineGame& operator=(const OfflineGame&) = delete;

  game::TESForm* ResolveFormRef(const std::string& sLine) override;
  std::optional<uint8_t> GetFormType(game::TESForm* theForm) override;
  game::TESForm* CastToBoundObject(game::TESForm* theForm) override;

  // The log lines written since the last call.
  std::vector<LogEntry> TakeLogEntries();
  // Forms that resolved without a record: their kind and their being in their plugin file are
  // not known.
  int GetUncheckedForms() const { return iUncheckedForms; }
  // While on, every form reference resolves, to one stand-in form and without a log line or
  // a count: a failed line is run again as if its form had been found.
  void SetStandInForms(bool bOn) { bStandInForms = bOn; }
  // The record a resolved form was read from; null when none was.
  const PluginRecord* GetRecord(game::TESForm* theForm) const;

 private:
  std::vector<PluginFile> theFiles;
  int iUncheckedForms = 0;
  bool bStandInForms = false;
  int iStandInForm = 0;  // its address stands for the form; the parse only ever stores it
};

}  // namespace zorvane::shipfile

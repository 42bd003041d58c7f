#pragma once
// The game as the player's own files describe it: the plugin files of the Data folder, the
// load order, and the records a ship file names, read from the files that define them.

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "checker/LoadOrder.h"
#include "checker/PluginFileReader.h"
#include "checker/PluginHeaders.h"

namespace zorvane::shipfile {

struct GameData {
  PluginCatalog theCatalog;               // the Data folder's plugin files
  std::optional<LoadOrder> theLoadOrder;  // the player's, when given
  // The files the game loads, in load order: every file of the Data folder when no load order
  // is given (the master file first), else the active ones whose masters all load.
  std::vector<const PluginFile*> GetLoadedFiles() const;
  PluginState GetState(const std::string& sName, std::vector<std::string>* theMissingMasters = nullptr) const;
};

// The records a ship file's form references name.
struct ShipForms {
  std::map<FormKey, PluginRecord> theRecords;
  // Loaded files (lower-case names) that could not be read to their end: a form not found in
  // one may still be there, so only the game can tell.
  std::set<std::string> theUnreadFiles;
  std::vector<PluginReadError> theErrors;
  const PluginRecord* Find(const std::string& sFile, uint32_t uLocalID) const;
  bool IsUnread(const std::string& sFile) const;
};

// The form key a line's form reference names, its local ID cut to the width of its file's kind;
// nothing for a line without one.
std::optional<FormKey> GetFormKey(const std::string& sLine, const PluginCatalog& theCatalog);

// Reads, from each loaded file a line names, the records the lines name; `theExtra`: forms
// the imports look up by themselves.
ShipForms ReadShipForms(const GameData& theData, const std::vector<std::string>& theLines,
                        const std::vector<FormKey>& theExtra = {});

// The player's Data folder and load order as the options name them (the load order, by
// default, the player's own where the game keeps it): nothing without a Data folder; false,
// after saying why on `theErrors`, when what they name cannot be read.
bool ReadGameData(const std::string& sData, const std::string& sPlugins, std::optional<GameData>& theData,
                  std::ostream& theErrors);

}  // namespace zorvane::shipfile

#pragma once
// The player's load order: which plugin files the game loads, read from the player's
// Plugins.txt. A line names one file, active when it starts with "*"; "#" starts a comment.
// The official files are active without being listed. A file whose masters are not all
// present and active cannot load.

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "checker/PluginHeaders.h"

namespace zorvane::shipfile {

// What the game does with a plugin file a ship needs.
enum class PluginState {
  kActive,          // loaded
  kInactive,        // in the Data folder but not active in the load order
  kMissing,         // not in the Data folder
  kMastersMissing,  // in the Data folder, but a master of it is missing or inactive: the game cannot load it
  kPresent,         // in the Data folder, no load order given
  kUnknown,         // nothing looked for: no Data folder given
};
const char* GetStateName(PluginState eState);

struct LoadOrder {
  std::vector<std::string> theActive;             // in load order, the official files first
  std::vector<std::string> theListed;             // every file the list names, active or not
  std::vector<std::string> theProblems;           // lines the list could not use, each with its number
  std::set<std::string> theActiveNames;           // lower case
  std::set<std::string> theListedNames;           // lower case
  bool IsActive(const std::string& sName) const;  // ignoring letter case
};

// The official files, active without being listed, in the order the game loads them.
const std::vector<std::string>& GetOfficialFiles();

// The load order in a Plugins.txt; nothing, with `sProblem` set, when the file cannot be read.
std::optional<LoadOrder> ReadLoadOrder(const std::filesystem::path& thePath, std::string& sProblem);
// The same from the text of one.
LoadOrder ReadLoadOrderText(const std::string& sText);

// The player's Plugins.txt where the game keeps it (on Windows, Starfield\Plugins.txt in the
// local application data folder), when it is there; empty otherwise.
std::filesystem::path FindPlayerLoadOrder();

// A plugin's state, given the Data folder's files and the load order when there is one.
// `theMissingMasters` gets the masters that keep an active file from loading: missing,
// inactive, or unable to load themselves.
PluginState GetPluginState(const std::string& sName, const PluginCatalog& theData, const LoadOrder* theLoadOrder,
                           std::vector<std::string>* theMissingMasters = nullptr);

}  // namespace zorvane::shipfile

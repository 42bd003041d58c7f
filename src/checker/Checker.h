#pragma once
// What the two imports would do with a ship file, as far as it can be known without the game:
// the imports' own parse runs over every line against an offline game.

#include <climits>
#include <map>
#include <string>
#include <vector>

#include "checker/GameData.h"

namespace zorvane::shipfile {

// The two imports as findings name them.
inline constexpr const char* kLayout = "ImportShipLayout";
inline constexpr const char* kInterior = "ImportShipInterior";

// A line's finding; lines are counted from 1, as a text editor shows them.
struct Finding {
  int iLine = 0;                        // 0: the whole file, as an import checks it after its last line
  std::string sImport;                  // "ImportShipLayout" or "ImportShipInterior"; empty for both or none
  std::string sMessage;                 // the message the import would log, or what the checker says
  std::vector<std::string> theDetails;  // what the form resolution said before it, or the file's check after it
  bool bFirst = false;                  // of a stop: where its import ends, not one met once mended
  bool bOpening = false;                // of the whole file: found as the import opens it, before any line
};

// Where a finding stands among the others: in line order, the whole file's after the last line
// unless it was found as the file was opened.
inline int GetReadingOrder(const Finding& theFinding) {
  return theFinding.bOpening ? 0 : theFinding.iLine == 0 ? INT_MAX : theFinding.iLine;
}

struct CheckReport {
  std::string sFile;
  // Every failed check that ends an import: the first of each import is where it ends; the
  // later ones are those it would meet once the lines above it are mended.
  std::vector<Finding> theStops;
  // Per import, the index errors left out of theStops: lines naming a record of a list whose
  // numbering a failed line above broke, which only that line's mending can tell.
  std::map<std::string, int> theUnlisted;
  std::vector<Finding> theSkipped;      // lines (or their values) an import passes over with an error
  std::vector<Finding> theUnknown;      // lines no key of either import matches
  std::vector<Finding> theWrongWidth;   // form IDs too wide for their plugin file (with a Data folder)
  std::map<std::string, int> theNeeds;  // plugin file -> references to it
  // Each needed plugin file's state, with the masters that keep it from loading (with a Data folder).
  std::map<std::string, PluginState> theStates;
  std::map<std::string, std::vector<std::string>> theMissingMasters;
  std::vector<std::string> theUnreadable;  // plugin files read only in part, each with why
  int iDecorItems = 0;                     // decoration items the file describes
  int iUncheckedForms = 0;                 // forms whose kind and presence only the game knows
  bool bWithData = false;
  bool bWithLoadOrder = false;

  bool IsRefused(const std::string& sImport) const;
  // The needed plugin files the Data folder lacks, by name.
  std::vector<std::string> GetMissing() const;
  bool IsRefused() const { return !theStops.empty(); }
};

// The plugin files a ship file's form references name, with the number of references each.
std::map<std::string, int> CountNeededPlugins(const std::vector<std::string>& theLines);

// The records the checks need from the player's plugin files: the forms the lines name, and
// those the imports look up by themselves.
ShipForms ReadFormsToCheck(const GameData& theData, const std::vector<std::string>& theLines);

// Checks the lines of a ship file. `theData`: the player's Data folder and load order, or
// null when none is known; `theForms`: the records ReadFormsToCheck read for these lines, or
// null to read them here.
CheckReport CheckShipFile(const std::string& sFile, const std::vector<std::string>& theLines, const GameData* theData,
                          const ShipForms* theForms = nullptr);

}  // namespace zorvane::shipfile

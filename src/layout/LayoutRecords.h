#pragma once
// The layout record set: what the lines of a ship file say about the components of a ship's
// base form, parsed before anything in the game changes. Element records have the game's own
// element layouts (game/Components.h), so the application copies them whole; texts are kept
// as texts and made into the game's interned strings only when they are applied.

#include <cstdint>
#include <string>
#include <vector>

#include "game/Components.h"

namespace zorvane {

using PropertyRecord = game::PropertyEntry;
using StoredTraversal = game::TraversalEntry;
using BlueprintDataEntry = game::BlueprintModule;

// The field lines the file gave an entry: bit i for field i of the entry's field table
// (shipfile/ShipFileSchema.h). An entry that lacks one, as in a cut or damaged file, is refused before
// anything changes.
using FieldLines = uint32_t;

inline void MarkFieldLine(std::vector<FieldLines>& theEntries, std::size_t uEntry, std::size_t uField) {
  if (theEntries.size() <= uEntry) theEntries.resize(uEntry + 1, 0);
  theEntries[uEntry] |= FieldLines{1} << uField;
}

// A group of the second traversal list: its entries, and its own fields (unk14 to unk24) in
// the game's group layout, whose entry array stays empty here and unk10 zero.
struct StoredTraversalGroup {
  std::vector<StoredTraversal> traversals;
  game::TraversalGroup theFields = {};
  std::vector<FieldLines> theEntryLines;  // of the entries
  FieldLines uFieldLines = 0;             // of the group's own fields
};

// A container entry as the game holds it; the import gives it no extra data.
using ContainerRecord = game::ContainerEntry;

struct ShipLayoutRecords {
  game::TESForm* form = nullptr;  // add to inventory on destroy, a bound object
  std::string rootAnimGraph;
  std::string rigFile;
  std::string animPath;
  std::string responseFile;
  std::vector<game::TESForm*> keywords;
  std::vector<game::TESForm*> attachParentKeywords;
  std::vector<PropertyRecord> properties;
  game::TESForm* actor = nullptr;
  game::TESForm* voice = nullptr;
  uint32_t weaponSlot1 = 0;
  uint32_t weaponSlot2 = 0;
  uint32_t weaponSlot3 = 0;
  std::vector<StoredTraversal> traversals1;
  std::vector<StoredTraversalGroup> traversals2;
  uint64_t unk08 = 0;
  std::string unk10;
  std::vector<BlueprintDataEntry> data;
  std::vector<ContainerRecord> containers;
  std::string fullName;
  std::string DisplayName;
  std::string model;

  // The field lines of the entries of traversals1, data and containers.
  std::vector<FieldLines> traversals1Lines;
  std::vector<FieldLines> dataLines;
  std::vector<FieldLines> containerLines;
};

}  // namespace zorvane

#pragma once
// The layout lines of the lists whose entries have many fields: the two stored traversal
// lists and the blueprint's module placements. Each handler reads one line into its list and
// marks the entry's field line as given; false after a failed check.

#include <cstddef>
#include <string_view>
#include <vector>

#include "layout/LayoutLine.h"
#include "layout/LayoutRecords.h"

namespace zorvane::layout {

// A line of "BGSStoredTraversalData.traversals1[": each key but the first checks the index
// before the value.
bool HandleFirstList(const Line& theLine, std::vector<StoredTraversal>& theList, std::vector<FieldLines>& theLines,
                     FormSource& theForms);
// A line of "BGSStoredTraversalData.traversals2[": a group's own field or a field of an entry
// of the group; every key reads its value first.
bool HandleSecondList(const Line& theLine, std::vector<StoredTraversalGroup>& theGroups, FormSource& theForms);
// The place in kModuleFields of the first module key, in table order, that the key part holds
// anywhere; npos for none. Every module key starts with a point, so only the places of the
// points are looked at, each for the lengths the keys have: the same answer as searching the
// whole key part for each key in turn, at a fraction of the cost on a ship of thousands of
// module lines.
std::size_t FindModuleKey(std::string_view sKeyPart);

// A line of "Blueprint." with ".data[": every key reads its value first, then the index.
bool HandleBlueprintData(const Line& theLine, std::vector<BlueprintDataEntry>& theList,
                         std::vector<FieldLines>& theLines, FormSource& theForms);

}  // namespace zorvane::layout

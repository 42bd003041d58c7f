#include "layout/LayoutLists.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane::layout {
namespace {

// The entry of a second-list group at the inner index, the key part's last bracket pair.
StoredTraversal* FindGroupEntry(const Line& theLine, std::vector<StoredTraversalGroup>& theGroups,
                                StoredTraversalGroup& theGroup, bool bCreate) {
  const int32_t iIndex = GetIndex(theLine.sKeyPart);
  const int32_t iInner = GetIndex2(theLine.sKeyPart);
  std::vector<StoredTraversal>& theList = theGroup.traversals;
  if (bCreate && iInner >= 0 && static_cast<std::size_t>(iInner) == theList.size()) theList.push_back({});
  if (iInner < 0 || static_cast<std::size_t>(iInner) >= theList.size()) {
    Refuse(kImportLayoutFunction, "index error | index: " + std::to_string(iIndex) + " | index2: " +
                                      std::to_string(iInner) + " | size: " + std::to_string(theGroups.size()) +
                                      " | size2: " + std::to_string(theList.size()) + " | sLine: " + theLine.sLine);
    return nullptr;
  }
  return &theList[static_cast<std::size_t>(iInner)];
}

// Marks the field line of the second-list entry the line's two indices name, when it exists.
void MarkGivenGroupEntryLine(const Line& theLine, std::vector<StoredTraversalGroup>& theGroups, std::size_t uField) {
  const auto uGroup = FindIndexBelow(theLine.sKeyPart, theGroups.size());
  if (!uGroup) return;
  StoredTraversalGroup& theGroup = theGroups[*uGroup];
  const auto uEntry = FindIndex2Below(theLine.sKeyPart, theGroup.traversals.size());
  if (uEntry) MarkFieldLine(theGroup.theEntryLines, *uEntry, uField);
}

// The texts a line's key part is searched for, one per field, made once: the field's key
// after its entry's closing bracket and the point ("].unk04"), or after the point alone.
template <std::size_t N>
std::array<std::string, N> MakeKeys(const ElementField (&theFields)[N], bool bAfterBracket) {
  std::array<std::string, N> theKeys;
  for (std::size_t i = 0; i < N; ++i) {
    theKeys[i] = (bAfterBracket ? std::string(1, kIndexClose) : std::string()) + kFieldSeparator + theFields[i].sKey;
  }
  return theKeys;
}
const auto kTraversalKeys = MakeKeys(kTraversalFields, true);
const auto kGroupKeys = MakeKeys(kTraversalGroupFields, true);
const auto kModuleKeys = MakeKeys(kModuleFields, false);
// The entries of a second-list group: some fields are found by keys of their own.
const auto kGroupEntryKeys = [] {
  auto theKeys = kTraversalKeys;
  for (std::size_t i = 0; i < theKeys.size(); ++i) {
    if (kTraversalFields[i].sGroupEntryKey != nullptr) theKeys[i] = kTraversalFields[i].sGroupEntryKey;
  }
  return theKeys;
}();
// What every line of an entry of a second-list group holds: "].traversals".
const std::string kGroupEntriesPart = std::string(1, kIndexClose) + kFieldSeparator + kGroupEntriesKey;

}  // namespace

std::size_t FindModuleKey(std::string_view sKeyPart) {
  static const auto theKeys = [] {
    std::unordered_map<std::string_view, std::size_t> theIndex;
    for (std::size_t i = 0; i < kModuleKeys.size(); ++i) theIndex.try_emplace(kModuleKeys[i], i);
    return theIndex;
  }();
  static const auto theLengths = [] {
    std::vector<std::size_t> theSizes;
    for (const std::string& sKey : kModuleKeys) theSizes.push_back(sKey.size());
    std::sort(theSizes.begin(), theSizes.end());
    theSizes.erase(std::unique(theSizes.begin(), theSizes.end()), theSizes.end());
    return theSizes;
  }();
  std::size_t uFirst = std::string_view::npos;
  for (std::size_t uPoint = sKeyPart.find(kFieldSeparator); uPoint != std::string_view::npos;
       uPoint = sKeyPart.find(kFieldSeparator, uPoint + 1)) {
    for (std::size_t uLength : theLengths) {
      if (uPoint + uLength > sKeyPart.size()) break;
      const auto itKey = theKeys.find(sKeyPart.substr(uPoint, uLength));
      if (itKey != theKeys.end()) uFirst = std::min(uFirst, itKey->second);
    }
  }
  return uFirst;
}

// A line of the first list: each key but the creating one checks the index before the value.
bool HandleFirstList(const Line& theLine, std::vector<StoredTraversal>& theList, std::vector<FieldLines>& theLines,
                     FormSource& theForms) {
  for (std::size_t i = 0; i < kTraversalKeys.size(); ++i) {
    if (!theLine.Has(kTraversalKeys[i])) continue;
    const ElementField& theField = kTraversalFields[i];
    StoredTraversal* theEntry = nullptr;
    if (theField.bCreates) {
      // The entry's first line: the value is read before the entry is made, and again after.
      StoredTraversal theValue = {};
      if (!ReadFieldValue(theLine, theForms, theField, &theValue)) return false;
      theEntry = FindEntry(theLine, theList, true);
      if (theEntry == nullptr || !ReadFieldValue(theLine, theForms, theField, theEntry)) return false;
    } else {
      theEntry = FindEntry(theLine, theList);
      if (theEntry == nullptr) return false;
    }
    MarkFieldLine(theLines, static_cast<std::size_t>(theEntry - theList.data()), i);
    return theField.bCreates || ReadFieldValue(theLine, theForms, theField, theEntry);
  }
  return true;
}

// A line of the second list: a group's own field, or a field of an entry of the group. Every
// key reads its value first.
bool HandleSecondList(const Line& theLine, std::vector<StoredTraversalGroup>& theGroups, FormSource& theForms) {
  if (!theLine.Has(kGroupEntriesPart)) {
    for (std::size_t i = 0; i < kGroupKeys.size(); ++i) {
      if (!theLine.Has(kGroupKeys[i])) continue;
      const ElementField& theField = kTraversalGroupFields[i];
      if (const auto uGroup = FindIndexBelow(theLine.sKeyPart, theGroups.size())) {
        theGroups[*uGroup].uFieldLines |= FieldLines{1} << i;
      }
      game::TraversalGroup theValue = {};
      if (!ReadFieldValue(theLine, theForms, theField, &theValue)) return false;
      // A group without entries is made by its own first field, so every exported ship reads.
      StoredTraversalGroup* theGroup = FindEntry(theLine, theGroups, true);
      if (theGroup == nullptr) return false;
      CopyField(theGroup->theFields, theValue, theField);
      theGroup->uFieldLines |= FieldLines{1} << i;
      return true;
    }
    return true;
  }
  for (std::size_t i = 0; i < kGroupEntryKeys.size(); ++i) {
    if (!theLine.Has(kGroupEntryKeys[i])) continue;
    const ElementField& theField = kTraversalFields[i];
    MarkGivenGroupEntryLine(theLine, theGroups, i);
    StoredTraversal theValue = {};
    if (!ReadFieldValue(theLine, theForms, theField, &theValue)) return false;
    StoredTraversalGroup* theGroup = FindEntry(theLine, theGroups, theField.bCreates);
    StoredTraversal* theEntry =
        theGroup != nullptr ? FindGroupEntry(theLine, theGroups, *theGroup, theField.bCreates) : nullptr;
    if (theEntry == nullptr) return false;
    CopyField(*theEntry, theValue, theField);
    MarkGivenGroupEntryLine(theLine, theGroups, i);
    return true;
  }
  return true;
}

// A blueprint data line: every key reads its value first, then the index.
bool HandleBlueprintData(const Line& theLine, std::vector<BlueprintDataEntry>& theList,
                         std::vector<FieldLines>& theLines, FormSource& theForms) {
  const std::size_t uKey = FindModuleKey(theLine.sKeyPart);
  if (uKey == std::string_view::npos) return true;
  const ElementField& theField = kModuleFields[uKey];
  MarkGivenLine(theLine, theList.size(), theLines, uKey);
  BlueprintDataEntry theValue = {};
  if (!ReadFieldValue(theLine, theForms, theField, &theValue)) return false;
  BlueprintDataEntry* theEntry = FindEntry(theLine, theList, theField.bCreates);
  if (theEntry == nullptr) return false;
  // A text only checked is not decoded: the block of an entry the import makes stays zero.
  if (theField.eReadBack != ReadBack::kCheckedOnly) CopyField(*theEntry, theValue, theField);
  MarkGivenLine(theLine, theList.size(), theLines, uKey);
  return true;
}

}  // namespace zorvane::layout

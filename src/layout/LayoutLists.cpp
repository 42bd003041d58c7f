#include "layout/LayoutLists.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/Codes.h"
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
    Fail("index error | index: " + std::to_string(iIndex) + " | index2: " + std::to_string(iInner) + " | size: " +
             std::to_string(theGroups.size()) + " | size2: " + std::to_string(theList.size()) + " | sLine: ",
         theLine);
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

// --- Element fields, through the field tables. ---

template <typename T>
void StoreField(void* theElement, const ElementField& theField, T theValue) {
  std::memcpy(static_cast<char*>(theElement) + theField.uOffset, &theValue, sizeof(T));
}

// Copies one field from an element read apart into the list's element.
template <typename T>
void CopyField(T& theTarget, const T& theSource, const ElementField& theField) {
  std::memcpy(reinterpret_cast<char*>(&theTarget) + theField.uOffset,
              reinterpret_cast<const char*>(&theSource) + theField.uOffset, GetFieldSize(theField.eKind));
}

const FormCheck kTraversalCheck = {"traversalform is nullptr | sLine: ", game::kFormTypeTraversal,
                                   "traversalform is not BGSTraversal | sLine: "};

// Reads the value of a plain traversal field (a float or an unsigned number) into the entry.
bool ReadTraversalValue(const Line& theLine, FormSource& theForms, const ElementField& theField, void* theEntry) {
  switch (theField.eKind) {
    case FieldKind::kFloat: {
      float fValue = 0.0f;
      if (!ReadNumber(theLine, GetFloat, fValue)) return false;
      StoreField(theEntry, theField, fValue);
      return true;
    }
    case FieldKind::kUInt32: {
      uint32_t uValue = 0;
      if (!ReadNumber(theLine, GetUInt32, uValue)) return false;
      StoreField(theEntry, theField, uValue);
      return true;
    }
    default: {
      game::TESForm* theForm = nullptr;
      if (!ReadForm(theLine, theForms, kTraversalCheck, theForm)) return false;
      StoreField(theEntry, theField, theForm);
      return true;
    }
  }
}

// The texts a line's key part is searched for, one per field, made once: the field's key
// after `sBefore`.
template <std::size_t N>
std::array<std::string, N> MakeKeys(const ElementField (&theFields)[N], const char* sBefore) {
  std::array<std::string, N> theKeys;
  for (std::size_t i = 0; i < N; ++i) theKeys[i] = sBefore + std::string(theFields[i].sKey);
  return theKeys;
}
const auto kTraversalKeys = MakeKeys(kTraversalFields, "].");
const auto kGroupKeys = MakeKeys(kTraversalGroupFields, "].");
const auto kModuleKeys = MakeKeys(kModuleFields, ".");
// The entries of a second-list group: their first field and their form have keys of their own.
const auto kGroupEntryKeys = [] {
  auto theKeys = kTraversalKeys;
  for (std::size_t i = 0; i < theKeys.size(); ++i) {
    if (std::strcmp(kTraversalFields[i].sKey, "unk00") == 0) theKeys[i] = ".unk00";
    if (kTraversalFields[i].eKind == FieldKind::kForm) theKeys[i] = "].traversal |";
  }
  return theKeys;
}();

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
  for (std::size_t uPoint = sKeyPart.find('.'); uPoint != std::string_view::npos;
       uPoint = sKeyPart.find('.', uPoint + 1)) {
    for (std::size_t uLength : theLengths) {
      if (uPoint + uLength > sKeyPart.size()) break;
      const auto itKey = theKeys.find(sKeyPart.substr(uPoint, uLength));
      if (itKey != theKeys.end()) uFirst = std::min(uFirst, itKey->second);
    }
  }
  return uFirst;
}

// A line of the first list: each key but the first checks the index before the value.
bool HandleFirstList(const Line& theLine, std::vector<StoredTraversal>& theList, std::vector<FieldLines>& theLines,
                     FormSource& theForms) {
  for (std::size_t i = 0; i < kTraversalKeys.size(); ++i) {
    if (!theLine.Has(kTraversalKeys[i])) continue;
    const ElementField& theField = kTraversalFields[i];
    const bool bFirst = std::strcmp(theField.sKey, "unk00") == 0;
    StoredTraversal* theEntry = nullptr;
    if (bFirst) {
      // The entry's first line: the value is read before the entry is made, and again after.
      float fValue = 0.0f;
      if (!ReadNumber(theLine, GetFloat, fValue)) return false;
      theEntry = FindEntry(theLine, theList, true);
      if (theEntry == nullptr || !ReadNumber(theLine, GetFloat, fValue)) return false;
      theEntry->unk00 = fValue;
    } else {
      theEntry = FindEntry(theLine, theList);
      if (theEntry == nullptr) return false;
    }
    MarkFieldLine(theLines, static_cast<std::size_t>(theEntry - theList.data()), i);
    return bFirst || ReadTraversalValue(theLine, theForms, theField, theEntry);
  }
  return true;
}

// A line of the second list: a group's own field, or a field of an entry of the group. Every
// key reads its value first.
bool HandleSecondList(const Line& theLine, std::vector<StoredTraversalGroup>& theGroups, FormSource& theForms) {
  if (!theLine.Has("].traversals")) {
    for (std::size_t i = 0; i < kGroupKeys.size(); ++i) {
      if (!theLine.Has(kGroupKeys[i])) continue;
      const ElementField& theField = kTraversalGroupFields[i];
      if (const auto uGroup = FindIndexBelow(theLine.sKeyPart, theGroups.size())) {
        theGroups[*uGroup].uFieldLines |= FieldLines{1} << i;
      }
      float fValue = 0.0f;
      if (!ReadNumber(theLine, GetFloat, fValue)) return false;
      // A group without entries is made by its own first field, so every exported ship reads.
      StoredTraversalGroup* theGroup = FindEntry(theLine, theGroups, true);
      if (theGroup == nullptr) return false;
      StoreField(&theGroup->theFields, theField, fValue);
      theGroup->uFieldLines |= FieldLines{1} << i;
      return true;
    }
    return true;
  }
  for (std::size_t i = 0; i < kGroupEntryKeys.size(); ++i) {
    if (!theLine.Has(kGroupEntryKeys[i])) continue;
    const ElementField& theField = kTraversalFields[i];
    const bool bFirst = std::strcmp(theField.sKey, "unk00") == 0;
    MarkGivenGroupEntryLine(theLine, theGroups, i);
    StoredTraversal theValue = {};
    if (!ReadTraversalValue(theLine, theForms, theField, &theValue)) return false;
    StoredTraversalGroup* theGroup = FindEntry(theLine, theGroups, bFirst);
    StoredTraversal* theEntry = theGroup != nullptr ? FindGroupEntry(theLine, theGroups, *theGroup, bFirst) : nullptr;
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
  static const FormCheck kItemCheck = {"form is nullptr | sLine: ", game::kFormTypeGenericBaseForm,
                                       "form is not BGSGenericBaseForm | sLine: "};
  const std::size_t uKey = FindModuleKey(theLine.sKeyPart);
  if (uKey != std::string_view::npos) {
    const ElementField& theField = kModuleFields[uKey];
    MarkGivenLine(theLine, theList.size(), theLines, uKey);
    BlueprintDataEntry theValue = {};
    void* theTarget = &theValue;
    bool bRead = false;
    switch (theField.eKind) {
      case FieldKind::kFloat: {
        float fValue = 0.0f;
        bRead = ReadNumber(theLine, GetFloat, fValue);
        StoreField(theTarget, theField, fValue);
        break;
      }
      case FieldKind::kUInt8: {
        uint8_t uValue = 0;
        bRead = ReadFloatAsUInt8(theLine, uValue);
        StoreField(theTarget, theField, uValue);
        break;
      }
      case FieldKind::kUInt32: {
        // The part ID and unk40, unk44 are read as floats; unkA0 and unkA4 as whole numbers.
        uint32_t uValue = 0;
        bRead = theField.sKey[3] == 'A' ? ReadNumber(theLine, GetUInt32, uValue) : ReadFloatAsUInt32(theLine, uValue);
        StoreField(theTarget, theField, uValue);
        break;
      }
      case FieldKind::kByteBlock:
        // Checked, not decoded: the block of an entry the import makes stays zero.
        bRead = !GetValueText(theLine.sLine).empty() || Fail("sText is empty | sLine: ", theLine);
        break;
      default: {
        game::TESForm* theForm = nullptr;
        bRead = ReadForm(theLine, theForms, kItemCheck, theForm);
        StoreField(theTarget, theField, theForm);
        break;
      }
    }
    if (!bRead) return false;
    BlueprintDataEntry* theEntry = FindEntry(theLine, theList, std::strcmp(theField.sKey, "fPosX") == 0);
    if (theEntry == nullptr) return false;
    if (theField.eKind != FieldKind::kByteBlock) CopyField(*theEntry, theValue, theField);
    MarkGivenLine(theLine, theList.size(), theLines, uKey);
    return true;
  }
  return true;
}

}  // namespace zorvane::layout

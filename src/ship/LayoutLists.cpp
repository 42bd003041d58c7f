#include "ship/LayoutLists.h"

#include <cstring>

#include "game/Codes.h"
#include "ship/ElementFields.h"

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

}  // namespace

// A line of the first list: each key but the first checks the index before the value.
bool HandleFirstList(const Line& theLine, std::vector<StoredTraversal>& theList, FormSource& theForms) {
  for (const ElementField& theField : kTraversalFields) {
    if (!theLine.Has("]." + std::string(theField.sKey))) continue;
    if (std::strcmp(theField.sKey, "unk00") == 0) {
      // The entry's first line: the value is read before the entry is made, and again after.
      float fValue = 0.0f;
      if (!ReadNumber(theLine, GetFloat, fValue)) return false;
      StoredTraversal* theEntry = FindEntry(theLine, theList, true);
      if (theEntry == nullptr || !ReadNumber(theLine, GetFloat, fValue)) return false;
      theEntry->unk00 = fValue;
      return true;
    }
    StoredTraversal* theEntry = FindEntry(theLine, theList);
    return theEntry != nullptr && ReadTraversalValue(theLine, theForms, theField, theEntry);
  }
  return true;
}

// A line of the second list: a group's own field, or a field of an entry of the group. Every
// key reads its value first.
bool HandleSecondList(const Line& theLine, std::vector<StoredTraversalGroup>& theGroups, FormSource& theForms) {
  if (!theLine.Has("].traversals")) {
    for (const ElementField& theField : kTraversalGroupFields) {
      if (!theLine.Has("]." + std::string(theField.sKey))) continue;
      float fValue = 0.0f;
      if (!ReadNumber(theLine, GetFloat, fValue)) return false;
      // A group without entries is made by its own first field, so every exported ship reads.
      StoredTraversalGroup* theGroup = FindEntry(theLine, theGroups, true);
      if (theGroup == nullptr) return false;
      StoreField(&theGroup->theFields, theField, fValue);
      return true;
    }
    return true;
  }
  for (const ElementField& theField : kTraversalFields) {
    const bool bFirst = std::strcmp(theField.sKey, "unk00") == 0;
    const bool bForm = theField.eKind == FieldKind::kForm;
    const std::string sKey = bFirst ? ".unk00" : bForm ? "].traversal |" : "]." + std::string(theField.sKey);
    if (!theLine.Has(sKey)) continue;
    StoredTraversal theValue = {};
    if (!ReadTraversalValue(theLine, theForms, theField, &theValue)) return false;
    StoredTraversalGroup* theGroup = FindEntry(theLine, theGroups, bFirst);
    StoredTraversal* theEntry = theGroup != nullptr ? FindGroupEntry(theLine, theGroups, *theGroup, bFirst) : nullptr;
    if (theEntry == nullptr) return false;
    CopyField(*theEntry, theValue, theField);
    return true;
  }
  return true;
}

// A blueprint data line: every key reads its value first, then the index.
bool HandleBlueprintData(const Line& theLine, std::vector<BlueprintDataEntry>& theList, FormSource& theForms) {
  static const FormCheck kItemCheck = {"form is nullptr | sLine: ", game::kFormTypeGenericBaseForm,
                                       "form is not BGSGenericBaseForm | sLine: "};
  for (const ElementField& theField : kModuleFields) {
    if (!theLine.Has("." + std::string(theField.sKey))) continue;
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
    return true;
  }
  return true;
}

}  // namespace zorvane::layout

#pragma once
// Reading one layout line: its key part, its values and its indices, each with the failed
// check it can give (one error line naming the problem and the line; the import then ends).
// Shared by the dispatch groups of the layout import.

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/Log.h"
#include "forms/ValueParsing.h"
#include "game/Types.h"
#include "layout/LayoutDispatch.h"
#include "layout/LayoutRecords.h"
#include "shipfile/FormSource.h"
#include "shipfile/ShipFileLine.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane::layout {

using Line = ShipFileLine;

// --- Value readers: false after a failed check. ---

bool ReadForm(const Line& theLine, FormSource& theForms, const FormCheck& theCheck, game::TESForm*& theForm);

template <typename T>
bool ReadNumber(const Line& theLine, bool (*GetValue)(const std::string&, T&), T& theValue) {
  return GetValue(theLine.sLine, theValue) || Refuse(kImportLayoutFunction, "bGot is false | sLine: " + theLine.sLine);
}

// Whole-number fields the file writes as floats: a whole number is taken exactly (through a
// float, 4294967295 would come back as 0); any other value is read as a float and truncated
// as the x86 conversion does.
bool ReadFloatAsUInt32(const Line& theLine, uint32_t& uValue);
bool ReadFloatAsUInt8(const Line& theLine, uint8_t& uValue);

// Reads the line's value as its field's table says (kind, read-back rule, form check) into
// `theElement`, an element of the field's type; false after a failed check. A text only
// checked (the module byte block) stores nothing.
bool ReadFieldValue(const Line& theLine, FormSource& theForms, const ElementField& theField, void* theElement);

// Copies one field from an element read apart into the list's element.
template <typename T>
void CopyField(T& theTarget, const T& theSource, const ElementField& theField) {
  std::memcpy(reinterpret_cast<char*>(&theTarget) + theField.uOffset,
              reinterpret_cast<const char*>(&theSource) + theField.uOffset, GetFieldSize(theField.eKind));
}

// --- Index checks. ---

std::string IndexError(int32_t iIndex, std::size_t uSize);

// The index of the key part's first bracket pair, checked against the list (null after the
// failed check); with `bCreate` an index equal to the list's size first appends a new zero
// entry.
template <typename T>
T* FindEntry(const Line& theLine, std::vector<T>& theList, bool bCreate = false) {
  const int32_t iIndex = GetIndex(theLine.sKeyPart);
  if (bCreate && iIndex >= 0 && static_cast<std::size_t>(iIndex) == theList.size()) theList.push_back(T{});
  if (iIndex < 0 || static_cast<std::size_t>(iIndex) >= theList.size()) {
    Refuse(kImportLayoutFunction, IndexError(iIndex, theList.size()) + theLine.sLine);
    return nullptr;
  }
  return &theList[static_cast<std::size_t>(iIndex)];
}

// Marks the field line of the entry the line's index names, when that entry exists. Handlers
// mark before they read a value, and again once the entry is made: a line whose value does not
// convert keeps the field as it was, after the group's error line, but it is there.
inline void MarkGivenLine(const Line& theLine, std::size_t uListSize, std::vector<FieldLines>& theLines,
                          std::size_t uField) {
  if (const auto uIndex = FindIndexBelow(theLine.sKeyPart, uListSize)) MarkFieldLine(theLines, *uIndex, uField);
}

// The same, but an index out of range ends the handling of the line without a message.
template <typename T>
T* FindEntryQuietly(const Line& theLine, std::vector<T>& theList) {
  const int32_t iIndex = GetIndex(theLine.sKeyPart);
  return iIndex >= 0 && static_cast<std::size_t>(iIndex) < theList.size() ? &theList[static_cast<std::size_t>(iIndex)]
                                                                          : nullptr;
}

}  // namespace zorvane::layout

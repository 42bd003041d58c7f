#include "interior/DecorDispatch.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/Guard.h"
#include "core/Log.h"
#include "forms/ValueParsing.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileLine.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane {
namespace {

// The record the line's index names; with `bCreate` an index equal to the number of records
// first appends a new one. Null after the index error.
DecorItem* FindItem(const ShipFileLine& theLine, std::vector<DecorItem>& theItems, bool bCreate = false) {
  const int32_t iIndex = GetIndex(theLine.sKeyPart);
  if (bCreate && iIndex >= 0 && static_cast<std::size_t>(iIndex) == theItems.size()) theItems.emplace_back();
  if (iIndex < 0 || static_cast<std::size_t>(iIndex) >= theItems.size()) {
    Refuse(kImportInteriorFunction, "index error | index: " + std::to_string(iIndex) +
                                        " | size: " + std::to_string(theItems.size()) + " | sLine: " + theLine.sLine);
    return nullptr;
  }
  return &theItems[static_cast<std::size_t>(iIndex)];
}

bool HandleBase(const ShipFileLine& theLine, std::vector<DecorItem>& theItems, FormSource& theForms) {
  game::TESForm* theForm = theForms.ResolveFormRef(theLine.sLine);
  if (theForm == nullptr) return Refuse(kImportInteriorFunction, "form is nullptr | sLine: " + theLine.sLine);
  DecorItem* theItem = FindItem(theLine, theItems, true);
  if (theItem == nullptr) return false;
  game::TESForm* theBound = theForms.CastToBoundObject(theForm);
  if (theBound == nullptr) return Refuse(kImportInteriorFunction, "boundObject is nullptr | sLine: " + theLine.sLine);
  theItem->base = theBound;
  return true;
}

// The largest scale the game's 16-bit percentage holds.
constexpr float kMaxScale = 655.35f;

// The members of a record that take the float lines, in the order of the schema's float fields.
float DecorItem::*const kFloatMembers[] = {&DecorItem::fPosX, &DecorItem::fPosY, &DecorItem::fPosZ, &DecorItem::fRotX,
                                           &DecorItem::fRotY, &DecorItem::fRotZ, &DecorItem::fScale};
static_assert(std::ssize(kFloatMembers) ==
              std::count_if(std::begin(kDecorFields), std::end(kDecorFields),
                            [](const DecorField& f) { return f.eKind == FieldKind::kFloat; }));

// What a line's key part is searched for: "DecorItem[", and each field's key after its point.
const std::string kItemKey = std::string(keys::kDecorItem) + kIndexOpen;
const auto kFieldKeys = [] {
  std::array<std::string, std::size(kDecorFields)> theKeys;
  for (std::size_t i = 0; i < theKeys.size(); ++i) theKeys[i] = kFieldSeparator + std::string(kDecorFields[i].sKey);
  return theKeys;
}();

bool HandleFloat(const ShipFileLine& theLine, std::vector<DecorItem>& theItems, std::size_t uField,
                 float DecorItem::*fMember) {
  // The line is there even when its value does not convert and the field keeps its value.
  if (const auto uIndex = FindIndexBelow(theLine.sKeyPart, theItems.size())) {
    theItems[*uIndex].uFieldLines |= uint32_t{1} << uField;
  }
  float fValue = 0.0f;
  if (!GetFloat(theLine.sLine, fValue))
    return Refuse(kImportInteriorFunction, "bGot is false | sLine: " + theLine.sLine);
  if (fMember == &DecorItem::fScale && !(std::isfinite(fValue) && fValue > 0.0f && fValue <= kMaxScale)) {
    LOG_WARNING_IN(kImportInteriorFunction, "fScale out of range, 1.0 used | sLine: " + theLine.sLine);
    fValue = 1.0f;
  }
  DecorItem* theItem = FindItem(theLine, theItems);
  if (theItem == nullptr) return false;
  theItem->*fMember = fValue;
  return true;
}

// The keys in the schema's order; the first one the key part holds decides.
bool HandleLine(const ShipFileLine& theLine, std::vector<DecorItem>& theItems, FormSource& theForms) {
  if (!theLine.Has(kItemKey)) return true;
  std::size_t uFloat = 0;
  for (std::size_t i = 0; i < std::size(kDecorFields); ++i) {
    const DecorField& theField = kDecorFields[i];
    const bool bFloat = theField.eKind == FieldKind::kFloat;
    if (!theLine.Has(kFieldKeys[i])) {
      uFloat += bFloat;
      continue;
    }
    if (theField.bCreates) return HandleBase(theLine, theItems, theForms);
    if (bFloat) return HandleFloat(theLine, theItems, i, kFloatMembers[uFloat]);
    // An empty name is no name, whatever its index.
    const std::string sName = theField.bFlag ? std::string() : GetValueText(theLine.sLine);
    if (!theField.bFlag && sName.empty()) return true;
    DecorItem* theItem = FindItem(theLine, theItems);
    if (theItem == nullptr) return false;
    if (theField.bFlag) {
      theItem->bWorkshopItem = true;
    } else {
      theItem->overrideName = sName;
    }
    return true;
  }
  return true;
}

}  // namespace

bool CheckWholeInterior(const std::vector<DecorItem>& theItems) {
  if (theItems.empty()) {
    LOG_ERROR_IN(kImportInteriorFunction, "no decoration items in the ship file: nothing was removed");
    return false;
  }
  for (std::size_t uItem = 0; uItem < theItems.size(); ++uItem) {
    for (std::size_t uField = 0; uField < std::size(kDecorFields); ++uField) {
      // An item exists only through its creating line.
      if (!kDecorFields[uField].bRequired || kDecorFields[uField].bCreates) continue;
      if ((theItems[uItem].uFieldLines >> uField & 1) != 0) continue;
      LOG_ERROR_IN(kImportInteriorFunction, "incomplete entry | " + FormatIndexedKey(keys::kDecorItem, uItem) +
                                                ": no " + kFieldKeys[uField] + " line");
      return false;
    }
  }
  return true;
}

bool DispatchDecorLine(const std::string& sLine, std::vector<DecorItem>& theItems, FormSource& theForms) {
  // A line without the text anywhere has no decoration key in its key part either.
  if (sLine.find(kItemKey) == std::string::npos) return true;
  bool bPassed = true;
  RunGuarded(
      kImportInteriorFunction, [&sLine](const char*) { return "exception while parsing DecorItems | sLine: " + sLine; },
      [&] { bPassed = HandleLine(ShipFileLine(sLine), theItems, theForms); });
  return bPassed;
}

}  // namespace zorvane

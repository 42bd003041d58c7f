#include "interior/DecorDispatch.h"

#include <cmath>

#include "core/Guard.h"
#include "core/Log.h"
#include "forms/ValueParsing.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileLine.h"

namespace zorvane {
namespace {

bool Fail(const std::string& sMessage, const ShipFileLine& theLine) {
  LOG_ERROR_IN(kImportInteriorFunction, sMessage + " | sLine: " + theLine.sLine);
  return false;
}

// The record the line's index names; with `bCreate` an index equal to the number of records
// first appends a new one. Null after the index error.
DecorItem* FindItem(const ShipFileLine& theLine, std::vector<DecorItem>& theItems, bool bCreate = false) {
  const int32_t iIndex = GetIndex(theLine.sKeyPart);
  if (bCreate && iIndex >= 0 && static_cast<std::size_t>(iIndex) == theItems.size()) theItems.emplace_back();
  if (iIndex < 0 || static_cast<std::size_t>(iIndex) >= theItems.size()) {
    Fail("index error | index: " + std::to_string(iIndex) + " | size: " + std::to_string(theItems.size()), theLine);
    return nullptr;
  }
  return &theItems[static_cast<std::size_t>(iIndex)];
}

bool HandleBase(const ShipFileLine& theLine, std::vector<DecorItem>& theItems, FormSource& theForms) {
  game::TESForm* theForm = theForms.ResolveFormRef(theLine.sLine);
  if (theForm == nullptr) return Fail("form is nullptr", theLine);
  DecorItem* theItem = FindItem(theLine, theItems, true);
  if (theItem == nullptr) return false;
  game::TESForm* theBound = theForms.CastToBoundObject(theForm);
  if (theBound == nullptr) return Fail("boundObject is nullptr", theLine);
  theItem->base = theBound;
  return true;
}

struct FloatField {
  const char* sKey;
  float DecorItem::*fField;
};
// The largest scale the game's 16-bit percentage holds.
constexpr float kMaxScale = 655.35f;

const FloatField kFloatFields[] = {
    {".fPosX", &DecorItem::fPosX},   {".fPosY", &DecorItem::fPosY}, {".fPosZ", &DecorItem::fPosZ},
    {".fRotX", &DecorItem::fRotX},   {".fRotY", &DecorItem::fRotY}, {".fRotZ", &DecorItem::fRotZ},
    {".fScale", &DecorItem::fScale},
};

// The keys in the order they are tried; the first one the key part holds decides.
bool HandleLine(const ShipFileLine& theLine, std::vector<DecorItem>& theItems, FormSource& theForms) {
  if (!theLine.Has("DecorItem[")) return true;
  if (theLine.Has(".base")) return HandleBase(theLine, theItems, theForms);
  for (const FloatField& theField : kFloatFields) {
    if (!theLine.Has(theField.sKey)) continue;
    // The line is there even when its value does not convert and the field keeps its value.
    const uint32_t uBit = uint32_t{1} << (&theField - kFloatFields);
    if (const auto uIndex = FindIndexBelow(theLine.sKeyPart, theItems.size())) theItems[*uIndex].uNumberLines |= uBit;
    float fValue = 0.0f;
    if (!GetFloat(theLine.sLine, fValue)) return Fail("bGot is false", theLine);
    if (theField.fField == &DecorItem::fScale && !(std::isfinite(fValue) && fValue > 0.0f && fValue <= kMaxScale)) {
      LOG_WARNING_IN(kImportInteriorFunction, "fScale out of range, 1.0 used | sLine: " + theLine.sLine);
      fValue = 1.0f;
    }
    DecorItem* theItem = FindItem(theLine, theItems);
    if (theItem == nullptr) return false;
    theItem->*theField.fField = fValue;
    return true;
  }
  if (theLine.Has(".overrideName")) {
    const std::string sName = GetValueText(theLine.sLine);
    if (sName.empty()) return true;
    DecorItem* theItem = FindItem(theLine, theItems);
    if (theItem == nullptr) return false;
    theItem->overrideName = sName;
    return true;
  }
  if (theLine.Has(".bWorkshopItem")) {
    DecorItem* theItem = FindItem(theLine, theItems);
    if (theItem == nullptr) return false;
    theItem->bWorkshopItem = true;
  }
  return true;
}

}  // namespace

bool CheckWholeInterior(const std::vector<DecorItem>& theItems) {
  if (theItems.empty()) {
    LOG_ERROR_IN(kImportInteriorFunction, "no decoration items in the ship file: nothing was removed");
    return false;
  }
  constexpr std::size_t kPositionLines = 3;  // fPosX, fPosY, fPosZ lead kFloatFields
  for (std::size_t uItem = 0; uItem < theItems.size(); ++uItem) {
    for (std::size_t uField = 0; uField < kPositionLines; ++uField) {
      if ((theItems[uItem].uNumberLines >> uField & 1) != 0) continue;
      LOG_ERROR_IN(kImportInteriorFunction, "incomplete entry | " + FormatIndexedKey(keys::kDecorItem, uItem) +
                                                ": no " + kFloatFields[uField].sKey + " line");
      return false;
    }
  }
  return true;
}

bool DispatchDecorLine(const std::string& sLine, std::vector<DecorItem>& theItems, FormSource& theForms) {
  // A line without the text anywhere has no decoration key in its key part either.
  if (sLine.find("DecorItem[") == std::string::npos) return true;
  bool bPassed = true;
  RunGuarded(
      kImportInteriorFunction, [&sLine](const char*) { return "exception while parsing DecorItems | sLine: " + sLine; },
      [&] { bPassed = HandleLine(ShipFileLine(sLine), theItems, theForms); });
  return bPassed;
}

}  // namespace zorvane

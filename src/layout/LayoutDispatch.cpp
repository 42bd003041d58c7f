#include "layout/LayoutDispatch.h"

#include <algorithm>
#include <cstring>

#include "core/Guard.h"
#include "core/Log.h"
#include "game/Forms.h"
#include "layout/LayoutLine.h"
#include "layout/LayoutLists.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane {
namespace {

using namespace layout;

// --- The fourteen groups. ---

// A list's name and its opening bracket: what every line of its entries holds.
std::string ListPart(const char* sList) { return sList + std::string(1, kIndexOpen); }
// A field's key as an entry's line holds it, after the point.
std::string FieldPart(const ElementField& theField) { return kFieldSeparator + std::string(theField.sKey); }

const std::string kKeywordPart = ListPart(keys::kKeywordForm);
const std::string kAttachParentPart = ListPart(keys::kAttachParentArray);
const std::string kPropertySheetPart = ListPart(keys::kPropertySheet);
const std::string kTraversals1Part = ListPart(keys::kTraversals1);
const std::string kTraversals2Part = ListPart(keys::kTraversals2);
const std::string kContainerPart = ListPart(keys::kContainer);
const std::string kDisplayNameKey = std::string(keys::kDisplayName) + kValueSeparator;
// ".data[": what a module line holds after the blueprint's component part.
const std::string kModulesPart =
    ListPart(keys::kBlueprintData).substr(GetComponentPart(keys::kBlueprintData).size() - 1);

bool HandleAddToInventory(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(keys::kAddToInventoryOnDestroyForm)) return true;
  return ReadForm(theLine, theForms, kAddToInventoryCheck, theRecords.form);
}

bool HandleAnimationGraph(const Line& theLine, ShipLayoutRecords& theRecords, FormSource&) {
  // An empty text is stored as it is: the export writes the game's text even when empty.
  if (theLine.Has(keys::kRootAnimGraph)) theRecords.rootAnimGraph = GetValueText(theLine.sLine);
  if (theLine.Has(keys::kRigFile)) theRecords.rigFile = GetValueText(theLine.sLine);
  if (theLine.Has(keys::kAnimPath)) theRecords.animPath = GetValueText(theLine.sLine);
  if (theLine.Has(keys::kResponseFile)) theRecords.responseFile = GetValueText(theLine.sLine);
  return true;
}

bool HandleKeywords(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(kKeywordPart)) return true;
  game::TESForm* theKeyword = nullptr;
  if (!ReadForm(theLine, theForms, kKeywordCheck, theKeyword)) return false;
  theRecords.keywords.push_back(theKeyword);
  return true;
}

bool HandleAttachParents(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(kAttachParentPart)) return true;
  game::TESForm* theKeyword = nullptr;
  if (!ReadForm(theLine, theForms, kKeywordCheck, theKeyword)) return false;
  theRecords.attachParentKeywords.push_back(theKeyword);
  return true;
}

// The creating field appends an entry in the file's order (its bracket number is not read);
// the others find theirs quietly: an index out of range drops the line, as does a second form
// that resolves to nothing.
bool HandlePropertySheet(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(kPropertySheetPart)) return true;
  for (const ElementField& theField : kPropertyFields) {
    if (!theLine.Has(FieldPart(theField))) continue;
    if (theField.bCreates) {
      PropertyRecord theEntry = {};
      if (!ReadFieldValue(theLine, theForms, theField, &theEntry)) return false;
      theRecords.properties.push_back(theEntry);
      return true;
    }
    PropertyRecord* theEntry = FindEntryQuietly(theLine, theRecords.properties);
    if (theEntry == nullptr) return true;
    if (theField.eKind == FieldKind::kFloat) return ReadFieldValue(theLine, theForms, theField, theEntry);
    if (game::TESForm* theForm = theForms.ResolveFormRef(theLine.sLine)) {
      std::memcpy(reinterpret_cast<char*>(theEntry) + theField.uOffset, &theForm, sizeof(theForm));
    }
    return true;
  }
  return true;
}

bool HandleAIActor(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(keys::kSpaceshipAIActor)) return true;
  return ReadForm(theLine, theForms, kActorCheck, theRecords.actor);
}

bool HandleVoiceType(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(keys::kLinkedVoiceType)) return true;
  return ReadForm(theLine, theForms, kVoiceCheck, theRecords.voice);
}

bool HandleWeaponBindings(const Line& theLine, ShipLayoutRecords& theRecords, FormSource&) {
  if (theLine.Has(keys::kWeaponSlot1)) return ReadNumber(theLine, GetUInt32, theRecords.weaponSlot1);
  if (theLine.Has(keys::kWeaponSlot2)) return ReadNumber(theLine, GetUInt32, theRecords.weaponSlot2);
  if (theLine.Has(keys::kWeaponSlot3)) return ReadNumber(theLine, GetUInt32, theRecords.weaponSlot3);
  return true;
}

bool HandleStoredTraversals(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (theLine.Has(kTraversals1Part)) {
    return HandleFirstList(theLine, theRecords.traversals1, theRecords.traversals1Lines, theForms);
  }
  if (theLine.Has(kTraversals2Part)) {
    return HandleSecondList(theLine, theRecords.traversals2, theForms);
  }
  return true;
}

bool HandleBlueprint(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (theLine.Has(keys::kBlueprintUnk08)) {
    // An empty text is passed over.
    return GetValueText(theLine.sLine).empty() || ReadNumber(theLine, GetUInt64, theRecords.unk08);
  }
  if (theLine.Has(keys::kBlueprintUnk10)) {
    const std::string sText = GetValueText(theLine.sLine);
    if (!sText.empty()) theRecords.unk10 = sText;
    return true;
  }
  if (theLine.Has(kModulesPart)) return HandleBlueprintData(theLine, theRecords.data, theRecords.dataLines, theForms);
  return true;
}

// Every field the import reads reads its value first, then the index; the creating one makes
// the entry.
bool HandleContainer(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(kContainerPart)) return true;
  for (std::size_t i = 0; i < std::size(kContainerFields); ++i) {
    const ElementField& theField = kContainerFields[i];
    if (theField.eReadBack == ReadBack::kNotRead || !theLine.Has(FieldPart(theField))) continue;
    MarkGivenLine(theLine, theRecords.containers.size(), theRecords.containerLines, i);
    ContainerRecord theValue = {};
    if (!ReadFieldValue(theLine, theForms, theField, &theValue)) return false;
    ContainerRecord* theEntry = FindEntry(theLine, theRecords.containers, theField.bCreates);
    if (theEntry == nullptr) return false;
    CopyField(*theEntry, theValue, theField);
    MarkGivenLine(theLine, theRecords.containers.size(), theRecords.containerLines, i);
    return true;
  }
  return true;
}

bool HandleDisplayName(const Line& theLine, ShipLayoutRecords& theRecords, FormSource&) {
  if (!theLine.Has(kDisplayNameKey)) return true;
  const std::string sText = GetValueText(theLine.sLine);
  if (sText.empty()) {
    LOG_WARNING_IN(kImportLayoutFunction, "sText is empty | sLine: " + theLine.sLine);
  } else {
    theRecords.DisplayName = sText;
  }
  return true;
}

bool HandleFullName(const Line& theLine, ShipLayoutRecords& theRecords, FormSource&) {
  if (theLine.Has(keys::kFullName)) theRecords.fullName = GetValueText(theLine.sLine);
  return true;
}

bool HandleModel(const Line& theLine, ShipLayoutRecords& theRecords, FormSource&) {
  if (theLine.Has(keys::kModel)) theRecords.model = GetValueText(theLine.sLine);
  return true;
}

struct Group {
  const char* sName;
  // What every key of the group holds: a line without it is not the group's.
  std::string sPart;
  bool (*Handle)(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms);
};

const Group kGroups[] = {
    {groups::kAddToInventoryOnDestroy, std::string(GetComponentPart(keys::kAddToInventoryOnDestroyForm)),
     &HandleAddToInventory},
    {groups::kAnimationGraph, std::string(GetComponentPart(keys::kRootAnimGraph)), &HandleAnimationGraph},
    {groups::kKeywordForm, kKeywordPart, &HandleKeywords},
    {groups::kAttachParentArray, kAttachParentPart, &HandleAttachParents},
    {groups::kPropertySheet, kPropertySheetPart, &HandlePropertySheet},
    {groups::kSpaceshipAIActor, std::string(GetComponentPart(keys::kSpaceshipAIActor)), &HandleAIActor},
    {groups::kLinkedVoiceType, std::string(GetComponentPart(keys::kLinkedVoiceType)), &HandleVoiceType},
    {groups::kWeaponBinding, std::string(GetComponentPart(keys::kWeaponSlot1)), &HandleWeaponBindings},
    {groups::kStoredTraversalData, std::string(GetComponentPart(keys::kTraversals1)), &HandleStoredTraversals},
    {groups::kBlueprint, std::string(GetComponentPart(keys::kBlueprintData)), &HandleBlueprint},
    {groups::kContainer, kContainerPart, &HandleContainer},
    {groups::kDisplayName, kDisplayNameKey, &HandleDisplayName},
    {groups::kFullName, std::string(GetComponentPart(keys::kFullName)), &HandleFullName},
    {groups::kModel, std::string(GetComponentPart(keys::kModel)), &HandleModel},
};

}  // namespace

bool DispatchLayoutLine(const std::string& sLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  const Line theLine(sLine);
  // A line no group's keys fit (a decoration line, say) is passed over at once, as the groups
  // would each pass it over.
  if (std::none_of(std::begin(kGroups), std::end(kGroups),
                   [&theLine](const Group& theGroup) { return theLine.Has(theGroup.sPart); })) {
    return true;
  }
  for (const Group& theGroup : kGroups) {
    if (!theLine.Has(theGroup.sPart)) continue;
    bool bPassed = true;
    RunGuarded(
        kImportLayoutFunction,
        [&](const char*) { return std::string("exception while parsing ") + theGroup.sName + " | sLine: " + sLine; },
        [&] { bPassed = theGroup.Handle(theLine, theRecords, theForms); });
    if (!bPassed) return false;
  }
  return true;
}

}  // namespace zorvane

#include "layout/LayoutDispatch.h"

#include "core/Guard.h"
#include "core/Log.h"
#include "game/Codes.h"
#include "game/Forms.h"
#include "layout/LayoutLine.h"
#include "layout/LayoutLists.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane {
namespace {

using namespace layout;

// --- The fourteen groups. ---

// The keys that are a list's name and its opening bracket, made once.
const std::string kKeywordPrefix = std::string(keys::kKeywordForm) + "[";
const std::string kAttachParentPrefix = std::string(keys::kAttachParentArray) + "[";
const std::string kPropertySheetPrefix = std::string(keys::kPropertySheet) + "[";
const std::string kTraversals1Prefix = std::string(keys::kTraversals1) + "[";
const std::string kTraversals2Prefix = std::string(keys::kTraversals2) + "[";
const std::string kContainerPrefix = std::string(keys::kContainer) + "[";
const std::string kDisplayNameKey = std::string(keys::kDisplayName) + " |";

bool HandleAddToInventory(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(keys::kAddToInventoryOnDestroyForm)) return true;
  return ReadForm(theLine, theForms, {"form is nullptr | sLine: ", std::nullopt, nullptr, true}, theRecords.form);
}

bool HandleAnimationGraph(const Line& theLine, ShipLayoutRecords& theRecords, FormSource&) {
  if (!theLine.Has("BGSAnimationGraphComponent.")) return true;  // what the four keys share
  // An empty text is stored as it is: the export writes the game's text even when empty.
  if (theLine.Has(keys::kRootAnimGraph)) theRecords.rootAnimGraph = GetValueText(theLine.sLine);
  if (theLine.Has(keys::kRigFile)) theRecords.rigFile = GetValueText(theLine.sLine);
  if (theLine.Has(keys::kAnimPath)) theRecords.animPath = GetValueText(theLine.sLine);
  if (theLine.Has(keys::kResponseFile)) theRecords.responseFile = GetValueText(theLine.sLine);
  return true;
}

const FormCheck kKeywordCheck = {"keywordform is nullptr | sLine: ", game::kFormTypeKeyword,
                                 "keywordform is not BGSKeyword | sLine: "};

bool HandleKeywords(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(kKeywordPrefix)) return true;
  game::TESForm* theKeyword = nullptr;
  if (!ReadForm(theLine, theForms, kKeywordCheck, theKeyword)) return false;
  theRecords.keywords.push_back(theKeyword);
  return true;
}

bool HandleAttachParents(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(kAttachParentPrefix)) return true;
  game::TESForm* theKeyword = nullptr;
  if (!ReadForm(theLine, theForms, kKeywordCheck, theKeyword)) return false;
  theRecords.attachParentKeywords.push_back(theKeyword);
  return true;
}

bool HandlePropertySheet(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(kPropertySheetPrefix)) return true;
  if (theLine.Has(".first")) {
    // Entries follow the file's order; the bracket number is not read.
    game::TESForm* theForm = nullptr;
    if (!ReadForm(theLine, theForms, {"first is nullptr | sLine: "}, theForm)) return false;
    theRecords.properties.push_back({theForm, nullptr, 0.0f});
  } else if (theLine.Has(".second")) {
    PropertyRecord* theEntry = FindEntryQuietly(theLine, theRecords.properties);
    // A second form that resolves to nothing is dropped.
    if (theEntry != nullptr) {
      if (game::TESForm* theForm = theForms.ResolveFormRef(theLine.sLine)) theEntry->second = theForm;
    }
  } else if (theLine.Has(".third")) {
    PropertyRecord* theEntry = FindEntryQuietly(theLine, theRecords.properties);
    if (theEntry != nullptr && !ReadNumber(theLine, GetFloat, theEntry->third)) return false;
  }
  return true;
}

bool HandleAIActor(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(keys::kSpaceshipAIActor)) return true;
  return ReadForm(theLine, theForms,
                  {"actorform is nullptr | sLine: ", game::kFormTypeNPC, "actorform is not TESNPC | sLine: "},
                  theRecords.actor);
}

bool HandleVoiceType(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(keys::kLinkedVoiceType)) return true;
  return ReadForm(
      theLine, theForms,
      {"voicetypeform is nullptr | sLine: ", game::kFormTypeVoiceType, "voicetypeform is not BGSVoiceType | sLine: "},
      theRecords.voice);
}

bool HandleWeaponBindings(const Line& theLine, ShipLayoutRecords& theRecords, FormSource&) {
  if (!theLine.Has("BGSSpaceshipWeaponBinding.weaponSlot")) return true;  // what the three keys share
  if (theLine.Has(keys::kWeaponSlot1)) return ReadNumber(theLine, GetUInt32, theRecords.weaponSlot1);
  if (theLine.Has(keys::kWeaponSlot2)) return ReadNumber(theLine, GetUInt32, theRecords.weaponSlot2);
  if (theLine.Has(keys::kWeaponSlot3)) return ReadNumber(theLine, GetUInt32, theRecords.weaponSlot3);
  return true;
}

bool HandleStoredTraversals(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (theLine.Has(kTraversals1Prefix)) {
    return HandleFirstList(theLine, theRecords.traversals1, theRecords.traversals1Lines, theForms);
  }
  if (theLine.Has(kTraversals2Prefix)) {
    return HandleSecondList(theLine, theRecords.traversals2, theForms);
  }
  return true;
}

bool HandleBlueprint(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has("Blueprint.")) return true;
  if (theLine.Has(keys::kBlueprintUnk08)) {
    // An empty text is passed over.
    return GetValueText(theLine.sLine).empty() || ReadNumber(theLine, GetUInt64, theRecords.unk08);
  }
  if (theLine.Has(keys::kBlueprintUnk10)) {
    const std::string sText = GetValueText(theLine.sLine);
    if (!sText.empty()) theRecords.unk10 = sText;
    return true;
  }
  if (theLine.Has(".data[")) return HandleBlueprintData(theLine, theRecords.data, theRecords.dataLines, theForms);
  return true;
}

// The places of the container fields the import reads in their table.
constexpr std::size_t kCountField = 0;
constexpr std::size_t kObjField = 2;
static_assert(std::string_view(kContainerFields[kCountField].sKey) == "count" &&
              std::string_view(kContainerFields[kObjField].sKey) == "obj");

bool HandleContainer(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  if (!theLine.Has(kContainerPrefix)) return true;
  ContainerRecord* theEntry = nullptr;
  std::size_t uField = kCountField;
  if (theLine.Has(".count")) {
    MarkGivenLine(theLine, theRecords.containers.size(), theRecords.containerLines, kCountField);
    int32_t iCount = 0;
    if (!ReadNumber(theLine, GetInt32, iCount)) return false;
    theEntry = FindEntry(theLine, theRecords.containers, true);
    if (theEntry == nullptr) return false;
    theEntry->count = iCount;
  } else if (theLine.Has(".obj")) {
    game::TESForm* theForm = nullptr;
    if (!ReadForm(theLine, theForms, {"form is false | sLine: ", std::nullopt, nullptr, true}, theForm)) return false;
    theEntry = FindEntry(theLine, theRecords.containers);
    if (theEntry == nullptr) return false;
    theEntry->obj = theForm;
    uField = kObjField;
  } else {
    return true;
  }
  MarkFieldLine(theRecords.containerLines, static_cast<std::size_t>(theEntry - theRecords.containers.data()), uField);
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
  bool (*Handle)(const Line& theLine, ShipLayoutRecords& theRecords, FormSource& theForms);
};

const Group kGroups[] = {
    {"BGSAddToInventoryOnDestroy", &HandleAddToInventory},
    {"BGSAnimationGraphComponent", &HandleAnimationGraph},
    {"BGSKeywordForm", &HandleKeywords},
    {"BGSAttachParentArray", &HandleAttachParents},
    {"BGSPropertySheet", &HandlePropertySheet},
    {"BGSSpaceshipAIActor", &HandleAIActor},
    {"BGSLinkedVoiceType", &HandleVoiceType},
    {"BGSSpaceshipWeaponBinding", &HandleWeaponBindings},
    {"BGSStoredTraversalData", &HandleStoredTraversals},
    {"Blueprint", &HandleBlueprint},
    {"TESContainer", &HandleContainer},
    {"DisplayName", &HandleDisplayName},
    {"TESFullName", &HandleFullName},
    {"TESModel", &HandleModel},
};

}  // namespace

bool DispatchLayoutLine(const std::string& sLine, ShipLayoutRecords& theRecords, FormSource& theForms) {
  const Line theLine(sLine);
  // Every key of every group holds one of these texts: a line without any (a decoration line,
  // say) is passed over at once, as the groups would each pass it over.
  if (!theLine.Has("BGS") && !theLine.Has("Blueprint.") && !theLine.Has("TES") && !theLine.Has("DisplayName |")) {
    return true;
  }
  for (const Group& theGroup : kGroups) {
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

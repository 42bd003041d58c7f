#include "interior/DecorPlacement.h"

#include "core/Log.h"
#include "forms/DecorItems.h"
#include "forms/Helpers.h"
#include "forms/ValueParsing.h"
#include "forms/VanillaDecor.h"
#include "game/Game.h"

namespace zorvane {
namespace {

std::string DescribeBase(game::TESForm* theBase) { return GetFormDescription(theBase, true, false, false, false); }

// Places one item; false when the game could not make its reference.
bool PlaceDecorItem(const DecorItem& theItem, game::TESObjectCELL* theCell, game::TESObjectREFR* theWorkshop,
                    game::TESObjectREFR* thePlayer, game::TESWorldSpace* theWorldspace, bool bVerbose) {
  game::NewRefRequestPtr theRequest = game::MakeNewRefRequest();
  if (!theRequest) return Refuse(kImportInteriorFunction, "NewREFRData is nullptr");
  game::FillNewRefRequest(
      theRequest.get(), theItem.base, {theItem.fPosX, theItem.fPosY, theItem.fPosZ},
      {theItem.fRotX * kRadiansPerDegree, theItem.fRotY * kRadiansPerDegree, theItem.fRotZ * kRadiansPerDegree},
      theWorldspace != nullptr ? nullptr : theCell, theWorldspace);
  const uint32_t uHandle = game::CreateRefFromRequest(theRequest.get());
  theRequest.reset();
  if (uHandle == 0) return Refuse(kImportInteriorFunction, "handle is 0");
  game::TESObjectREFR* theRef = game::LookupRefByHandle(uHandle);
  if (theRef == nullptr) {
    return Refuse(kImportInteriorFunction,
                  "CreatedRef is nullptr of base " + GetFormDescription(theItem.base, true, true, false, false));
  }
  const std::string sRef = GetReferenceDescription(theRef);
  LOG_INFO_IN(kImportInteriorFunction,
              "createdRef " + sRef + " |Distance: " + FormatFloat(game::GetRefDistance(thePlayer, theRef)));
  if (!(theItem.fScale == 1.0f)) game::SetRefScale(theRef, theItem.fScale);
  if (!theItem.overrideName.empty()) {
    if (game::GetRefExtraList(theRef) != nullptr) {
      game::SetRefDisplayName(theRef, theItem.overrideName);
    } else {
      LOG_ERROR_IN(kImportInteriorFunction, "extra is nullptr, cannot SetDisplayName of createdRef " + sRef);
    }
  }
  if (theItem.bWorkshopItem) {
    if (bVerbose) {
      LOG_INFO_IN(kImportInteriorFunction,
                  "linking createdRef " + sRef + " to workshop ref " + GetReferenceDescription(theWorkshop));
    }
    game::LinkRef(theRef, game::GetWorkshopLinkKeyword(), theWorkshop);
  }
  return true;
}

}  // namespace

void RemovePlacedDecorItems(game::TESObjectCELL* theCell, const PluginSettings& theSettings) {
  for (game::TESObjectREFR* theRef : game::GetCellRefs(theCell)) {
    game::TESForm* theBase = game::GetRefBaseForm(theRef);
    if (theBase == nullptr) continue;
    const uint8_t uType = game::GetFormType(theBase);
    if (uType != game::kFormTypeMISC && uType != game::kFormTypeALCH) continue;
    const auto DescribeItem = [&] {
      return "Ref " + GetReferenceDescription(theRef) + " of base " + DescribeBase(theBase);
    };
    if (!IsVanillaShipDecorItem(theRef)) {
      LOG_WARNING_IN(kImportInteriorFunction, "removing already placed decor item | " + DescribeItem());
      game::RemoveRef(theRef);
    } else if (theSettings.Logging.bVerboseLogging) {
      LOG_WARNING_IN(kImportInteriorFunction, "excluding already placed vanilla decor item | " + DescribeItem());
    }
  }
}

bool PlaceDecorItems(const std::vector<DecorItem>& theItems, game::TESObjectCELL* theCell,
                     game::TESObjectREFR* theWorkshop, const PluginSettings& theSettings) {
  game::TESObjectREFR* thePlayer = game::GetPlayer();
  game::TESWorldSpace* theWorldspace = game::GetRefWorldspace(thePlayer);
  const bool bVerbose = theSettings.Logging.bVerboseLogging;
  for (const DecorItem& theItem : theItems) {
    if (theItem.base == nullptr) {
      LOG_ERROR_IN(kImportInteriorFunction, "itemBase is nullptr, skipping");
      continue;
    }
    if (!IsDecorTypeKept(game::GetFormType(theItem.base), theSettings.Import)) {
      if (bVerbose) {
        LOG_WARNING_IN(kImportInteriorFunction,
                       "skipping itemBase of unsupported type | Base " + DescribeBase(theItem.base));
      }
      continue;
    }
    if (theSettings.Import.bRestrictDecorationImportToBuildModePlacedItems && !theItem.bWorkshopItem) continue;
    if (!PlaceDecorItem(theItem, theCell, theWorkshop, thePlayer, theWorldspace, bVerbose)) return false;
  }
  return true;
}

}  // namespace zorvane

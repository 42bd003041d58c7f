#include "export/ExportDecor.h"

#include <array>

#include "core/Log.h"
#include "forms/DecorItems.h"
#include "forms/Helpers.h"
#include "forms/VanillaDecor.h"
#include "game/Game.h"
#include "shipfile/ShipFile.h"

namespace zorvane {
namespace {

// Whether a reference of the cell is exported as decoration. The filters are tested in this
// order; with verbose logging the unsupported and the vanilla items are named.
bool IsExportedDecorItem(game::TESObjectREFR* theRef, const DecorKeywords& theKeywords,
                         const PluginSettings& theSettings) {
  game::TESForm* theForm = game::AsForm(theRef);
  if (theRef == nullptr || game::GetFormID(theForm) == game::kPlayerRefFormID ||
      game::GetFormType(theForm) == game::kFormTypeNeverDecoration || !IsRuntimeCreatedForm(theForm)) {
    return false;
  }
  game::TESForm* theBase = game::GetRefBaseForm(theRef);
  if (theBase == nullptr || game::KeywordListContains(theBase, theKeywords.theExcludedBaseKeyword)) {
    return false;
  }
  if (!IsSupportedDecorType(game::GetFormType(theBase), theSettings)) {
    if (theSettings.Logging.bVerboseLogging) {
      LOG_WARNING_IN(kExportFunction, "skipping decor item of unsupported type | Ref " +
                                          GetReferenceDescription(theRef) + " of base " +
                                          GetFormDescription(theBase, true, false, false, false));
    }
    return false;
  }
  if (IsVanillaShipDecorItem(theRef)) {
    if (theSettings.Logging.bVerboseLogging) {
      LOG_WARNING_IN(kExportFunction, "skipping vanilla decor item | Ref " + GetReferenceDescription(theRef) +
                                          " of base " + GetFormDescription(theBase, true, false, false, false));
    }
    return false;
  }
  if (game::HasKeyword(theForm, theKeywords.theExcludedRefKeyword)) {
    return false;
  }
  return !theSettings.Export.bRestrictDecorationExportToBuildModePlacedItems || IsWorkshopItem(theRef);
}

bool ExportDecorItem(ShipFileWriter& theWriter, game::TESObjectREFR* theRef, std::size_t uIndex) {
  game::TESForm* theBase = game::GetRefBaseForm(theRef);
  if (game::GetFormFile(theBase) == nullptr) {
    LOG_ERROR_IN(kExportFunction, "tesfile is nullptr | Ref " + GetReferenceDescription(theRef));
    return false;
  }
  const std::string sEntryKey = FormatIndexedKey(keys::kDecorItem, uIndex);
  const std::array<float, 3> fPosition = game::GetRefPosition(theRef);
  // The float lines in the schema's order: position, rotation in degrees, scale.
  const float fPlacement[] = {fPosition[0],
                              fPosition[1],
                              fPosition[2],
                              GetAngle(theRef, 'x'),
                              GetAngle(theRef, 'y'),
                              GetAngle(theRef, 'z'),
                              static_cast<float>(game::GetRefScale(theRef)) / 100.0f};
  const std::string sOverrideName = GetOverrideName(theRef);
  std::size_t uFloat = 0;
  for (const DecorField& theField : kDecorFields) {
    const std::string sKey = FormatFieldKey(sEntryKey, theField.sKey);
    if (theField.bFlag) {
      if (IsWorkshopItem(theRef)) theWriter.WriteLine(sKey);
    } else if (theField.eKind == FieldKind::kForm) {
      theWriter.WriteForm(sKey, theBase);
    } else if (theField.eKind == FieldKind::kFloat) {
      theWriter.WriteFloat(sKey, fPlacement[uFloat++]);
    } else if (!sOverrideName.empty()) {
      theWriter.WriteValue(sKey, sOverrideName);
    }
  }
  return true;
}

}  // namespace

bool IsSupportedDecorType(uint8_t uFormType, const PluginSettings& theSettings) {
  return IsDecorTypeKept(uFormType, theSettings.Export);
}

bool ExportDecorItems(ShipFileWriter& theWriter, game::TESObjectCELL* theCell, const DecorKeywords& theKeywords,
                      const PluginSettings& theSettings) {
  std::size_t uWritten = 0;
  uint32_t uCount = game::GetCellRefCount(theCell);
  for (uint32_t i = 0; i < uCount; ++i) {
    game::TESObjectREFR* theRef = game::GetCellRefAt(theCell, i);
    if (!IsExportedDecorItem(theRef, theKeywords, theSettings)) continue;
    if (!ExportDecorItem(theWriter, theRef, uWritten)) return false;
    ++uWritten;
  }
  return true;
}

}  // namespace zorvane

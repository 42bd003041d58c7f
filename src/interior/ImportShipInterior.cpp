#include "interior/ImportShipInterior.h"

#include <vector>

#include "core/Log.h"
#include "forms/Helpers.h"
#include "forms/PluginFileIndex.h"
#include "game/Game.h"
#include "interior/DecorDispatch.h"
#include "interior/DecorPlacement.h"
#include "interior/WorkshopSearch.h"
#include "shipfile/ImportFile.h"

namespace zorvane {
namespace {}  // namespace

bool ImportShipInteriorToCell(game::TESObjectCELL* theInteriorCell, std::string sFilePath, std::string sFileName,
                              PluginSettings settings) {
  if (theInteriorCell == nullptr) return Refuse(kImportInteriorFunction, "theInteriorCell is nullptr");
  if (!game::IsCellInterior(theInteriorCell)) return Refuse(kImportInteriorFunction, "theInteriorCell is not interior");
  if (!IsKeyword(game::GetWorkshopKeyword()))
    return Refuse(kImportInteriorFunction, "WorkshopKeyword is missing or not a keyword");
  if (!IsKeyword(game::GetWorkshopLinkKeyword()))
    return Refuse(kImportInteriorFunction, "WorkshopLinkKeyword is missing or not a keyword");
  game::TESObjectREFR* theWorkshop = GetClosestWorkshopRef(game::GetWorkshopKeyword());
  if (theWorkshop == nullptr) return Refuse(kImportInteriorFunction, "ClosestWorkshopRef is nullptr");
  ImportFile theFile;
  if (!theFile.Open(kImportInteriorFunction, sFilePath, sFileName)) return false;

  // The whole file is parsed before the cell changes: a file that cannot be imported never
  // costs the player the decoration already placed.
  // The loaded plugin files do not change while the file is parsed.
  PluginFileIndexScope thePluginFiles;
  std::vector<DecorItem> theItems;
  const bool bParsed = theFile.ForEachLine(
      kImportInteriorFunction, settings.Logging.bVerboseLogging,
      [&theItems](const std::string& sLine) { return DispatchDecorLine(sLine, theItems, GetGameFormSource()); });
  // Nothing is removed for a file that gives nothing whole to place.
  if (!bParsed || !CheckWholeInterior(theItems)) return false;
  if (settings.Import.bRemoveAlreadyPlacedDecorationItemsBeforeImport) {
    RemovePlacedDecorItems(theInteriorCell, settings);
  }
  LOG_INFO_IN(kImportInteriorFunction, "DecorItems.size: " + std::to_string(theItems.size()));
  return PlaceDecorItems(theItems, theInteriorCell, theWorkshop, settings);
}

}  // namespace zorvane

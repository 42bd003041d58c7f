#include "layout/ImportShipLayout.h"

#include "core/Log.h"
#include "forms/PluginFileIndex.h"
#include "game/Game.h"
#include "layout/LayoutApply.h"
#include "layout/LayoutDispatch.h"
#include "shipfile/ImportFile.h"

namespace zorvane {
namespace {}  // namespace

bool ImportShipLayoutToBaseOfRef(game::TESObjectREFR* theShipRef, std::string sFilePath, std::string sFileName,
                                 const PluginSettings* settings, const std::function<bool()>& BeforeChanging) {
  if (theShipRef == nullptr) return Refuse(kImportLayoutFunction, "theShipRef is nullptr");
  game::TESForm* theBase = game::CastToBoundObject(game::GetRefBaseForm(theShipRef));
  if (theBase == nullptr) return Refuse(kImportLayoutFunction, "ShipBase is nullptr or not a bound object");
  if (game::GetFormType(theBase) != game::kFormTypeGenericBaseForm) {
    return Refuse(kImportLayoutFunction,
                  "ShipBase is not BGSGenericBaseForm | FormType: " + std::to_string(game::GetFormType(theBase)));
  }
  ImportFile theFile;
  if (!theFile.Open(kImportLayoutFunction, sFilePath, sFileName)) return false;
  // The loaded plugin files do not change while the file is parsed.
  PluginFileIndexScope thePluginFiles;
  ShipLayoutRecords theRecords;
  const bool bVerbose = settings != nullptr && settings->Logging.bVerboseLogging;
  const bool bParsed = theFile.ForEachLine(kImportLayoutFunction, bVerbose, [&theRecords](const std::string& sLine) {
    return DispatchLayoutLine(sLine, theRecords, GetGameFormSource());
  });
  if (!bParsed || !CheckWholeLayout(theRecords, theFile.HasLoneCRLineEnds())) return false;
  if (BeforeChanging && !BeforeChanging()) return false;
  ApplyShipLayout(theRecords, theBase, theShipRef);
  return true;
}

}  // namespace zorvane

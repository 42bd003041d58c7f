#include "ship/ImportShipLayout.h"

#include "core/Log.h"
#include "game/Game.h"
#include "platform/Platform.h"
#include "ship/LayoutApply.h"
#include "ship/LayoutDispatch.h"
#include "ship/ShipFileName.h"
#include "ship/ShipFileReader.h"

namespace zorvane {
namespace {

bool RefuseImport(const std::string& sWhy) {
  LOG_ERROR_IN(kImportLayoutFunction, sWhy);
  return false;
}

}  // namespace

bool ImportShipLayoutToBaseOfRef(game::TESObjectREFR* theShipRef, std::string sFilePath, std::string sFileName,
                                 const PluginSettings* settings) {
  if (theShipRef == nullptr) return RefuseImport("theShipRef is nullptr");
  game::TESForm* theBase = game::CastToBoundObject(game::GetRefBaseForm(theShipRef));
  if (theBase == nullptr) return RefuseImport("ShipBase is nullptr or not a bound object");
  if (game::GetFormType(theBase) != game::kFormTypeGenericBaseForm) {
    return RefuseImport("ShipBase is not BGSGenericBaseForm | FormType: " + std::to_string(game::GetFormType(theBase)));
  }
  const std::string sPath = sFilePath + sFileName;
  if (!DoesFileExistEx(sFilePath, sFileName)) return RefuseImport("no file exists at [" + sPath + "]");

  ShipFileReader theReader(sPath);
  if (!theReader.IsWritable()) {
    return RefuseImport("the ship file [" + sPath +
                        "] must be writable to be imported: " + platform::DescribeError(theReader.GetError()));
  }
  std::optional<std::vector<std::string>> theLines = theReader.ReadLines();
  if (!theLines) {
    return RefuseImport("the ship file [" + sPath +
                        "] cannot be read: " + platform::DescribeError(theReader.GetError()));
  }

  const bool bVerbose = settings != nullptr && settings->Logging.bVerboseLogging;
  ShipLayoutRecords theRecords;
  for (std::size_t i = 0; i < theLines->size(); ++i) {
    const std::string& sLine = (*theLines)[i];
    const std::string sIndex = "(" + std::to_string(i) + ")";
    if (sLine.empty()) {
      LOG_WARNING_IN(kImportLayoutFunction, sIndex + " empty line");
      continue;
    }
    if (bVerbose) LOG_INFO_IN(kImportLayoutFunction, sIndex + "   [" + sLine + "]");
    if (!DispatchLayoutLine(sLine, theRecords, GetGameFormSource())) return false;
  }
  ApplyShipLayout(theRecords, theBase, theShipRef);
  return true;
}

}  // namespace zorvane

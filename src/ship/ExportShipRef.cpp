#include "ship/ExportShipRef.h"

#include <filesystem>

#include "core/Guard.h"
#include "core/Log.h"
#include "forms/Helpers.h"
#include "game/Game.h"
#include "platform/Platform.h"
#include "ship/BaseFormComponents.h"
#include "ship/ExportComponents.h"
#include "ship/ExportDecor.h"
#include "ship/ShipFileWriter.h"

namespace zorvane {
namespace {

game::TESForm* FindKeyword(uint32_t uFormID) {
  game::TESForm* theForm = game::LookupFormByID(uFormID);
  return game::GetFormType(theForm) == game::kFormTypeKeyword ? theForm : nullptr;
}

bool IsKeyword(game::TESForm* theForm) { return game::GetFormType(theForm) == game::kFormTypeKeyword; }

// The first of ship reference, base form and recorded ship form whose form ID is not
// runtime-created.
std::string GetShipFormIDText(game::TESObjectREFR* theShipRef, game::TESForm* theBase) {
  if (!IsRuntimeCreatedForm(game::AsForm(theShipRef))) return GetHexFormID(game::AsForm(theShipRef));
  if (!IsRuntimeCreatedForm(theBase)) return GetHexFormID(theBase);
  game::TESForm* theRecorded = GetRecordedShipForm(theShipRef);
  if (theRecorded != nullptr && !IsRuntimeCreatedForm(theRecorded)) return GetHexFormID(theRecorded);
  return {};
}

std::string GetShipEditorID(game::TESObjectREFR* theShipRef, game::TESForm* theBase) {
  std::string sEditorID = GetRefEditorIDFromExtra(theShipRef);
  if (sEditorID.empty()) sEditorID = zorvane::GetFormEditorID(theBase);
  if (sEditorID.empty()) sEditorID = zorvane::GetFormEditorID(GetRecordedShipForm(theShipRef));
  return sEditorID;
}

// Closes the file after a stop; the lines written so far stay.
bool StopExport(ShipFileWriter& theWriter) {
  theWriter.Close();
  return false;
}

// The export itself; ExportShipRef keeps whatever it raises from the game's thread.
bool WriteShipFile(game::TESObjectREFR* shipRef, game::TESObjectCELL* interiorCell, std::string folder,
                   std::string fileName, const PluginSettings* settings) {
  game::TESForm* theBase = game::GetRefBaseForm(shipRef);
  if (theBase == nullptr || settings == nullptr || game::CastToGenericBaseForm(theBase) == nullptr ||
      game::GetFormType(theBase) != game::kFormTypeGenericBaseForm) {
    return false;
  }
  DecorKeywords theKeywords = {FindKeyword(game::kExcludedDecorRefKeywordID),
                               FindKeyword(game::kExcludedDecorBaseKeywordID)};
  if (theKeywords.theExcludedRefKeyword == nullptr || theKeywords.theExcludedBaseKeyword == nullptr ||
      !IsKeyword(game::GetWorkshopLinkKeyword()) || !IsKeyword(game::GetWorkshopKeyword())) {
    return false;
  }

  if (interiorCell != nullptr && !game::IsCellInterior(interiorCell)) {
    LOG_ERROR_IN(kExportFunction, "theInteriorCell " +
                                      GetFormDescription(game::AsForm(interiorCell), true, true, true, true) +
                                      " is not interior");
    return false;
  }
  if (interiorCell == nullptr) {
    LOG_WARNING_IN(kExportFunction, "theInteriorCell is nullptr, DecorItems won't be exported");
  }

  fileName = ReplaceForbiddenCharacters(fileName);
  std::string sPath = folder + fileName;
  if (sPath.empty()) {
    sPath = "Ship_" + GetHexFormID(game::AsForm(shipRef)) + ".txt";
  }
  // A ship file is never extended: appending a second ship would leave neither readable.
  std::error_code theError;
  if (std::filesystem::exists(platform::ToFileSystemPath(sPath), theError)) {
    LOG_ERROR_IN(kExportFunction, "file already exists at [" + sPath + "], it is not extended");
    return false;
  }

  ShipFileWriter theWriter(sPath);
  if (!theWriter.GetStream().is_open()) {
    LOG_ERROR_IN(kExportFunction, "std::ofstream error: !log.is_open()");
    return false;
  }
  if (theWriter.GetStream().fail()) {
    LOG_ERROR_IN(kExportFunction, "std::ofstream error: log.fail()");
    return false;
  }
  if (theWriter.GetStream().bad()) {
    LOG_ERROR_IN(kExportFunction, "std::ofstream error: log.bad()");
    return false;
  }

  std::string sShipName = GetReferenceName(shipRef);
  theWriter.WriteLine(
      FormatShipHeader(sShipName, GetShipFormIDText(shipRef, theBase), GetShipEditorID(shipRef, theBase)));
  theWriter.WriteLine(FormatExportTimeLine());
  theWriter.WriteLine(kShipFileVersionLine);
  theWriter.WriteLine("");

  if (!ExportComponentGroups(theWriter, theBase, sShipName)) {
    return StopExport(theWriter);
  }
  if (interiorCell != nullptr && !ExportDecorItems(theWriter, interiorCell, theKeywords, *settings)) {
    return StopExport(theWriter);
  }
  // A full disk or a failed write must not pass for a written ship file.
  if (!theWriter.Close()) {
    LOG_ERROR_IN(kExportFunction, "std::ofstream error: log.fail()");
    return false;
  }
  return true;
}

}  // namespace

std::string ReplaceForbiddenCharacters(std::string sFileName) {
  for (char& ch : sFileName) {
    switch (ch) {
      case '"':
      case '*':
      case '/':
      case '<':
      case '>':
      case '?':
      case '\\':
      case '|': ch = ';'; break;
      default: break;
    }
  }
  return sFileName;
}

bool ExportShipRef(game::TESObjectREFR* shipRef, game::TESObjectCELL* interiorCell, std::string folder,
                   std::string fileName, const PluginSettings* settings) {
  bool bWritten = false;
  RunGuarded(kExportFunction, MessageWithReason("exception while exporting ShipRef"), [&] {
    bWritten = WriteShipFile(shipRef, interiorCell, std::move(folder), std::move(fileName), settings);
  });
  return bWritten;
}

}  // namespace zorvane

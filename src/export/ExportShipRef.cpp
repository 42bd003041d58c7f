#include "export/ExportShipRef.h"

#include <filesystem>

#include "core/Guard.h"
#include "core/Log.h"
#include "export/ExportComponents.h"
#include "export/ExportDecor.h"
#include "forms/Helpers.h"
#include "game/Game.h"
#include "platform/Platform.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileName.h"
#include "shipfile/ShipFileWriter.h"

namespace zorvane {
namespace {

game::TESForm* FindKeyword(uint32_t uFormID) {
  game::TESForm* theForm = game::LookupFormByID(uFormID);
  return game::GetFormType(theForm) == game::kFormTypeKeyword ? theForm : nullptr;
}

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

// The decoration filters' keywords; false, after the error line, when one is missing.
bool FindDecorKeywords(DecorKeywords& theKeywords) {
  theKeywords = {FindKeyword(game::kExcludedDecorRefKeywordID), FindKeyword(game::kExcludedDecorBaseKeywordID)};
  if (theKeywords.theExcludedRefKeyword == nullptr) {
    return Refuse(kExportFunction, "ExcludedDecorRefKeyword [" + GetHexValue(game::kExcludedDecorRefKeywordID) +
                                       "] is missing or not a keyword");
  }
  if (theKeywords.theExcludedBaseKeyword == nullptr) {
    return Refuse(kExportFunction, "ExcludedDecorBaseKeyword [" + GetHexValue(game::kExcludedDecorBaseKeywordID) +
                                       "] is missing or not a keyword");
  }
  if (!IsKeyword(game::GetWorkshopLinkKeyword()))
    return Refuse(kExportFunction, "WorkshopLinkKeyword is missing or not a keyword");
  if (!IsKeyword(game::GetWorkshopKeyword()))
    return Refuse(kExportFunction, "WorkshopKeyword is missing or not a keyword");
  return true;
}

// Makes the ship folder when it is missing. Without it the ship file cannot be opened: the
// open failure's line comes first, as for any file that cannot be opened, then the reason.
bool MakeShipFolder(const std::string& sFolder) {
  std::error_code theError;
  if (!sFolder.empty()) std::filesystem::create_directories(platform::ToFileSystemPath(sFolder), theError);
  if (!theError) return true;
  LOG_ERROR_IN(kExportFunction, "std::ofstream error: !log.is_open()");
  return Refuse(kExportFunction,
                "the ship folder [" + sFolder + "] couldn't be made: " + platform::DescribeError(theError));
}

// Writes the whole file and gives it its name; false, after the error lines, when it could
// not be written or named. Nothing is left behind on any way out.
bool WriteAndNameShipFile(ShipFileWriter& theWriter, const std::string& sPath, game::TESObjectREFR* shipRef,
                          game::TESObjectCELL* interiorCell, const DecorKeywords& theKeywords,
                          const PluginSettings& theSettings) {
  game::TESForm* theBase = game::GetRefBaseForm(shipRef);
  std::string sShipName = GetReferenceName(shipRef);
  theWriter.WriteLine(
      FormatShipHeader(sShipName, GetShipFormIDText(shipRef, theBase), GetShipEditorID(shipRef, theBase)));
  theWriter.WriteLine(FormatExportTimeLine());
  theWriter.WriteLine(kShipFileVersionLine);
  theWriter.WriteLine("");

  if (!ExportComponentGroups(theWriter, theBase, sShipName)) return false;
  if (interiorCell != nullptr && !ExportDecorItems(theWriter, interiorCell, theKeywords, theSettings)) return false;
  switch (theWriter.Commit()) {
    case ShipFileWriter::CommitResult::kDone: return true;
    case ShipFileWriter::CommitResult::kWriteFailed:
      // A full disk or a failed write must not pass for a written ship file.
      LOG_ERROR_IN(kExportFunction, "std::ofstream error: log.fail()");
      return Refuse(kExportFunction, "the ship file [" + sPath +
                                         "] couldn't be written: " + platform::DescribeError(theWriter.GetError()));
    case ShipFileWriter::CommitResult::kNameTaken:
      return Refuse(kExportFunction, "file already exists at [" + sPath + "], it is not extended");
    case ShipFileWriter::CommitResult::kRenameFailed:
      return Refuse(kExportFunction, "the ship file [" + sPath + "] couldn't be given its name: " +
                                         platform::DescribeError(theWriter.GetError()));
  }
  return false;
}

// The export itself; ExportShipRef keeps whatever it raises from the game's thread.
bool WriteShipFile(game::TESObjectREFR* shipRef, game::TESObjectCELL* interiorCell, std::string folder,
                   std::string fileName, const PluginSettings* settings) {
  if (settings == nullptr) return Refuse(kExportFunction, "settings is nullptr");
  if (shipRef == nullptr) return Refuse(kExportFunction, "shipRef is nullptr");
  game::TESForm* theBase = game::GetRefBaseForm(shipRef);
  if (theBase == nullptr) return Refuse(kExportFunction, "ShipBase is nullptr");
  if (game::CastToGenericBaseForm(theBase) == nullptr || game::GetFormType(theBase) != game::kFormTypeGenericBaseForm) {
    return Refuse(kExportFunction,
                  "ShipBase is not BGSGenericBaseForm | FormType: " + std::to_string(game::GetFormType(theBase)));
  }
  DecorKeywords theKeywords;
  if (!FindDecorKeywords(theKeywords)) return false;

  if (interiorCell != nullptr && !game::IsCellInterior(interiorCell)) {
    return Refuse(kExportFunction, "theInteriorCell " +
                                       GetFormDescription(game::AsForm(interiorCell), true, true, true, true) +
                                       " is not interior");
  }
  if (interiorCell == nullptr) {
    LOG_WARNING_IN(kExportFunction, "theInteriorCell is nullptr, DecorItems won't be exported");
  }

  fileName = ReplaceForbiddenCharacters(fileName);
  std::string sPath = folder + fileName;
  if (sPath.empty()) {
    sPath = "Ship_" + GetHexFormID(game::AsForm(shipRef)) + ".txt";
  }
  // A ship file is never extended, nor anything else that stands under its name replaced.
  if (IsAnyEntryAt(sPath)) return Refuse(kExportFunction, "file already exists at [" + sPath + "], it is not extended");
  if (!MakeShipFolder(folder)) return false;

  ShipFileWriter theWriter(sPath);
  const std::string sCreateFailed = "the ship file [" + sPath + "] couldn't be created: ";
  if (!theWriter.GetStream().is_open()) {
    LOG_ERROR_IN(kExportFunction, "std::ofstream error: !log.is_open()");
    return Refuse(kExportFunction, sCreateFailed + platform::DescribeError(theWriter.GetError()));
  }
  if (theWriter.GetStream().fail()) {
    LOG_ERROR_IN(kExportFunction, "std::ofstream error: log.fail()");
    return Refuse(kExportFunction, sCreateFailed + platform::DescribeError(theWriter.GetError()));
  }
  if (theWriter.GetStream().bad()) {
    LOG_ERROR_IN(kExportFunction, "std::ofstream error: log.bad()");
    return Refuse(kExportFunction, sCreateFailed + platform::DescribeError(theWriter.GetError()));
  }
  return WriteAndNameShipFile(theWriter, sPath, shipRef, interiorCell, theKeywords, *settings);
}

}  // namespace

bool ExportShipRef(game::TESObjectREFR* shipRef, game::TESObjectCELL* interiorCell, std::string folder,
                   std::string fileName, const PluginSettings* settings) {
  bool bWritten = false;
  RunGuarded(kExportFunction, MessageWithReason("exception while exporting ShipRef"), [&] {
    bWritten = WriteShipFile(shipRef, interiorCell, std::move(folder), std::move(fileName), settings);
  });
  return bWritten;
}

}  // namespace zorvane

#include "ship/ShipFileWriter.h"

#include "forms/Helpers.h"
#include "forms/ValueParsing.h"
#include "game/Game.h"
#include "platform/Platform.h"
#include "plugin/Log.h"
#include "ship/BaseFormComponents.h"

namespace zorvane {

ShipFileWriter::ShipFileWriter(const std::string& sPath)
    : theFile(platform::ToFileSystemPath(sPath), std::ios::out | std::ios::app) {}

void ShipFileWriter::WriteLine(const std::string& sLine) { theFile << platform::ToTextFileBytes(sLine + '\n'); }

void ShipFileWriter::WriteValue(const std::string& sKey, const std::string& sValue) {
  WriteLine(FormatShipLine(sKey, sValue));
}

void ShipFileWriter::WriteFloat(const std::string& sKey, float fValue) { WriteValue(sKey, FormatFloat(fValue)); }

void ShipFileWriter::WriteText(const std::string& sKey, const game::BSFixedString& theString) {
  WriteValue(sKey, game::GetStringText(&theString));
}

bool ShipFileWriter::WriteForm(const std::string& sKey, game::TESForm* theForm) {
  game::TESFile* theTESFile = game::GetFormFile(theForm);
  if (theTESFile == nullptr) {
    LOG_ERROR_IN(kExportFunction, "tesfile is nullptr");
    return false;
  }
  WriteValue(sKey,
             FormatFormReference(GetLocalHexFormID(theForm, GetPluginType(theTESFile)), game::GetFileName(theTESFile)));
  return true;
}

void ShipFileWriter::WritePropertyForm(const std::string& sKey, game::TESForm* theForm) {
  game::TESFile* theTESFile = game::GetFormFile(theForm);
  if (theTESFile == nullptr) {
    WriteValue(sKey, FormatFormReference(GetLocalHexFormID(theForm, kPluginTypeFull), "Starfield.esm"));
    return;
  }
  WriteValue(sKey,
             FormatFormReference(GetLocalHexFormID(theForm, GetPluginType(theTESFile)), game::GetFileName(theTESFile)));
}

bool ShipFileWriter::Close() {
  bool bWritten = !theFile.fail();
  theFile.close();
  return bWritten && !theFile.fail();
}

}  // namespace zorvane

#include "ship/ShipFileWriter.h"

#include <cstring>

#include "core/Log.h"
#include "forms/Helpers.h"
#include "forms/ValueParsing.h"
#include "game/Game.h"
#include "platform/Platform.h"
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

namespace {

template <typename T>
T LoadField(const void* theElement, const ElementField& theField) {
  T theValue;
  std::memcpy(&theValue, static_cast<const char*>(theElement) + theField.uOffset, sizeof(T));
  return theValue;
}

}  // namespace

bool ShipFileWriter::WriteElement(const std::string& sEntryKey, const void* theElement,
                                  std::span<const ElementField> theFields) {
  for (const ElementField& theField : theFields) {
    const std::string sKey = FormatFieldKey(sEntryKey, theField.sKey);
    switch (theField.eKind) {
      case FieldKind::kFloat: WriteFloat(sKey, LoadField<float>(theElement, theField)); break;
      case FieldKind::kUInt8: WriteValue(sKey, FormatByte(LoadField<uint8_t>(theElement, theField))); break;
      case FieldKind::kUInt32: WriteValue(sKey, FormatUInt32(LoadField<uint32_t>(theElement, theField))); break;
      case FieldKind::kInt32: WriteValue(sKey, FormatInt32(LoadField<int32_t>(theElement, theField))); break;
      case FieldKind::kUInt64: WriteValue(sKey, FormatUInt64(LoadField<uint64_t>(theElement, theField))); break;
      case FieldKind::kByteBlock:
        WriteValue(sKey, FormatByteBlock(static_cast<const uint8_t*>(theElement) + theField.uOffset, kByteBlockSize));
        break;
      case FieldKind::kAddress: WriteValue(sKey, FormatAddress(LoadField<const void*>(theElement, theField))); break;
      case FieldKind::kString: WriteText(sKey, LoadField<game::BSFixedString>(theElement, theField)); break;
      case FieldKind::kForm: {
        auto* theForm = LoadField<game::TESForm*>(theElement, theField);
        if (theForm == nullptr && theField.sMissingFormError != nullptr) {
          LOG_ERROR_IN(kExportFunction, theField.sMissingFormError);
        }
        if (!WriteForm(sKey, theForm)) return false;
        break;
      }
      case FieldKind::kPropertyForm: WritePropertyForm(sKey, LoadField<game::TESForm*>(theElement, theField)); break;
      case FieldKind::kOptionalPropertyForm:
        if (auto* theForm = LoadField<game::TESForm*>(theElement, theField)) WritePropertyForm(sKey, theForm);
        break;
    }
  }
  return true;
}

bool ShipFileWriter::Close() {
  bool bWritten = !theFile.fail();
  theFile.close();
  return bWritten && !theFile.fail();
}

}  // namespace zorvane

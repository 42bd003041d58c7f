#include "shipfile/ShipFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/Log.h"
#include "forms/Helpers.h"
#include "forms/ValueParsing.h"
#include "game/Game.h"
#include "platform/FileFaults.h"
#include "platform/Platform.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileName.h"

namespace zorvane {

namespace {

// The name a ship file has while it is written: never a ship file's (those end in ".txt"),
// and never that of anything already there, which may be the player's own file or what an
// export that could not clean up left behind: the first of "X.txt.tmp", "X.txt.1.tmp", ...
// under which nothing stands. Empty when all of them are taken.
std::string FindTemporaryPath(const std::string& sPath) {
  constexpr int kAttempts = 100;
  for (int i = 0; i < kAttempts; ++i) {
    std::string sCandidate = sPath + (i == 0 ? "" : "." + std::to_string(i)) + ".tmp";
    if (!IsAnyEntryAt(sCandidate)) return sCandidate;
  }
  return "";
}

}  // namespace

ShipFileWriter::ShipFileWriter(const std::string& sPath)
    : sPath(sPath),
      sTemporaryPath(FindTemporaryPath(sPath)),
      theTemporaryFile(platform::ToFileSystemPath(sTemporaryPath)) {
  const std::filesystem::path& theTemporary = theTemporaryFile;
  if (sTemporaryPath.empty()) {
    theError = std::make_error_code(std::errc::file_exists);
    return;
  }
  if (std::error_code theFault = platform::GetInjectedFault(platform::FileOperation::kOpen, theTemporary)) {
    theError = theFault;
    return;
  }
  errno = 0;
  theFile.open(theTemporary, std::ios::out | std::ios::trunc);
  bCreated = theFile.is_open();
  if (!theFile.is_open() || !theFile) NoteError(errno);
}

ShipFileWriter::~ShipFileWriter() {
  if (bCommitted || !bCreated) return;
  if (theFile.is_open()) theFile.close();
  std::error_code theIgnored;
  if (!platform::ShouldFileOperationFail(platform::FileOperation::kRemove, theTemporaryFile)) {
    std::filesystem::remove(theTemporaryFile, theIgnored);
  }
}

void ShipFileWriter::NoteError(int iErrno) {
  if (!theError) theError = std::error_code(iErrno != 0 ? iErrno : EIO, std::generic_category());
}

void ShipFileWriter::WriteLine(const std::string& sLine) { WritePieces({sLine}); }

void ShipFileWriter::WriteValue(const std::string& sKey, const std::string& sValue) {
  WritePieces({sKey, kValueSeparator, sValue});
}

// One line made of the pieces, straight into the stream. A game text never breaks a line: a
// CR or LF in it becomes a blank, so no text can forge lines an import would read.
void ShipFileWriter::WritePieces(std::initializer_list<std::string_view> thePieces) {
  if (std::error_code theFault = platform::GetInjectedFault(platform::FileOperation::kWrite, theTemporaryFile)) {
    theFile.setstate(std::ios::badbit);
    if (!theError) theError = theFault;
    return;
  }
  errno = 0;
  for (std::string_view sPiece : thePieces) {
    if (sPiece.find_first_of("\r\n") == std::string_view::npos) {
      theFile.write(sPiece.data(), static_cast<std::streamsize>(sPiece.size()));
      continue;
    }
    std::string sBlanked(sPiece);
    std::replace_if(
        sBlanked.begin(), sBlanked.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    theFile << sBlanked;
  }
  theFile << platform::GetTextFileLineEnd();
  if (!theFile) NoteError(errno);
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
  // "E.f" for each field f, made in one buffer.
  std::string sKey = FormatFieldKey(sEntryKey, "");
  const std::size_t uFieldStart = sKey.size();
  for (const ElementField& theField : theFields) {
    sKey.resize(uFieldStart);
    sKey += theField.sKey;
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

ShipFileWriter::CommitResult ShipFileWriter::Commit() {
  errno = 0;
  bool bWritten = !theFile.fail();
  theFile.close();
  bWritten = bWritten && !theFile.fail();
  if (std::error_code theFault = platform::GetInjectedFault(platform::FileOperation::kClose, theTemporaryFile)) {
    bWritten = false;
    if (!theError) theError = theFault;
  }
  if (!bWritten) {
    NoteError(errno);
    return CommitResult::kWriteFailed;
  }
  std::error_code theRenamed =
      platform::GetInjectedFault(platform::FileOperation::kRename, platform::ToFileSystemPath(sPath));
  if (!theRenamed) theRenamed = platform::RenameWithoutReplacing(sTemporaryPath, sPath);
  if (theRenamed) {
    theError = theRenamed;
    return theRenamed == std::errc::file_exists ? CommitResult::kNameTaken : CommitResult::kRenameFailed;
  }
  bCommitted = true;
  return CommitResult::kDone;
}

}  // namespace zorvane

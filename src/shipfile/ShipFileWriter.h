#pragma once
// Writes the lines of one ship file. The lines go to a temporary file in the same folder,
// which takes the ship file's name only when everything was written and closed without
// error; otherwise it is removed, so a failed export leaves nothing behind that could pass
// for a ship. Lines end in CR LF on disk, as a Windows text-mode stream writes them. A text
// of the game never breaks a line: every CR and LF inside a line is written as a blank.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "game/Types.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane {

// The function field of the export's log lines.
inline constexpr const char* kExportFunction = "ExportShipRef";

class ShipFileWriter {
 public:
  // Opens a new temporary file beside `sPath` for the ship file `sPath`.
  explicit ShipFileWriter(const std::string& sPath);
  // Removes the temporary file unless the ship file was made from it.
  ~ShipFileWriter();
  ShipFileWriter(const ShipFileWriter&) = delete;
  ShipFileWriter& operator=(const ShipFileWriter&) = delete;

  std::ofstream& GetStream() { return theFile; }
  // Why the temporary file could not be made or written, in the operating system's words.
  std::error_code GetError() const { return theError; }

  void WriteLine(const std::string& sLine);
  void WriteValue(const std::string& sKey, const std::string& sValue);
  void WriteFloat(const std::string& sKey, float fValue);
  void WriteText(const std::string& sKey, const game::BSFixedString& theString);

  // The form as a form reference. False, after the error line "tesfile is nullptr", when no
  // plugin file defines the form (or there is no form): the export stops there.
  bool WriteForm(const std::string& sKey, game::TESForm* theForm);
  // A property entry's form: one without plugin file is written as a form of Starfield.esm.
  void WritePropertyForm(const std::string& sKey, game::TESForm* theForm);

  // The lines of one element, "sEntryKey.<field> |value" for each field of `theFields` in
  // order. False when a form field stopped the export (WriteForm).
  bool WriteElement(const std::string& sEntryKey, const void* theElement, std::span<const ElementField> theFields);

  enum class CommitResult { kDone, kWriteFailed, kNameTaken, kRenameFailed };
  // Closes the temporary file and gives it the ship file's name, never replacing anything that
  // stands there meanwhile. On every result but kDone the temporary file is gone.
  CommitResult Commit();

 private:
  void WritePieces(std::initializer_list<std::string_view> thePieces);
  void NoteError(int iErrno);

  std::string sPath;
  std::string sTemporaryPath;
  std::filesystem::path theTemporaryFile;
  std::ofstream theFile;
  std::error_code theError;
  bool bCommitted = false;
  bool bCreated = false;  // the temporary file is this writer's own, to be removed on failure
};

}  // namespace zorvane

#pragma once
// Writes the lines of one ship file. Lines end in CR LF on disk, as a Windows text-mode
// stream writes them.

#include <fstream>
#include <span>
#include <string>

#include "game/Types.h"
#include "ship/ElementFields.h"

namespace zorvane {

// The function field of the export's log lines.
inline constexpr const char* kExportFunction = "ExportShipRef";

class ShipFileWriter {
 public:
  // Opens `sPath` for appending, creating the file.
  explicit ShipFileWriter(const std::string& sPath);

  std::ofstream& GetStream() { return theFile; }

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

  // Closes the file; false when any write or the close failed.
  bool Close();

 private:
  std::ofstream theFile;
};

}  // namespace zorvane

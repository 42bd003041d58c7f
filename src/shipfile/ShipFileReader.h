#pragma once
// Reading a ship file for an import: every byte of it, line by line. A line ends at a line
// feed; one carriage return before it is not part of the line; a 0x1A byte is an ordinary
// byte (not an end of file, as a Windows text-mode stream would take it); a last line without
// a line feed counts.

#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zorvane {

// The lines of a ship file's bytes, as the imports read them: views into `sBytes`, or copies.
std::vector<std::string_view> SplitShipFileLineViews(const std::string& sBytes);
std::vector<std::string> SplitShipFileLines(const std::string& sBytes);

// What a reader takes of the line numbered `uLine` (from 0): the text before a NUL byte, where
// the game's texts end anyway. Only the first line can be the header ("Ship: ..."), which
// names the ship in the player's own words: no reader takes it for a key, while a later line
// that begins so is read as any other.
struct ShipFileLineText {
  std::string_view sText;
  bool bCutAtNul = false;  // the line held a NUL byte
  bool bHeader = false;
};
ShipFileLineText ReadShipFileLine(std::size_t uLine, std::string_view sLine);
// The warning a line cut at a NUL byte gives, followed by the text before it.
inline constexpr const char* kNulByteWarning = "NUL byte in the line, the text after it is dropped | sLine: ";

// A file with CR bytes and no LF: saved with the line ends of old Macintosh editors, which no
// reader splits, so the whole file is one line.
bool HasLoneCRLineEnds(std::string_view sBytes);

class ShipFileReader {
 public:
  // Opens `sPath` for reading and writing, without creating it, and keeps it open while the
  // reader lives: a file that cannot be written (read-only, or locked by another program)
  // cannot be imported.
  explicit ShipFileReader(const std::string& sPath);

  bool IsWritable() const { return theWritable.is_open(); }
  // Why the file could not be opened or read, in the operating system's words.
  std::error_code GetError() const { return theError; }

  // Every byte of the file; nothing when it cannot be read.
  std::optional<std::string> ReadBytes();

 private:
  std::string sPath;
  std::fstream theWritable;
  std::error_code theError;
};

}  // namespace zorvane

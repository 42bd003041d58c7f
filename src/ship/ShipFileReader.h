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

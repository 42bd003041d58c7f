#pragma once
// A ship file read for an import, with the messages both imports give about it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "shipfile/ShipFileReader.h"

namespace zorvane {

// The error both imports log for a ship file they cannot open for writing (`theError`): a
// read-only file, or one another program holds.
std::string FormatNotWritableError(const std::string& sPath, const std::error_code& theError);

class ImportFile {
 public:
  // Finds the file `sFilePath` + `sFileName`, opens it for reading and writing (and keeps it
  // so while the import runs: a read-only or locked file cannot be imported) and reads every
  // line. False, after one error line under `sFunction` naming why, when there is no file or
  // it cannot be opened so or read.
  bool Open(const char* sFunction, const std::string& sFilePath, const std::string& sFileName);

  // Hands every non-empty line but the header to `Handle`, in order; the lines are numbered
  // from 0, empty ones included. A line ends at a NUL byte, after the warning that says so. An
  // empty line gives the warning "(n) empty line"; with `bVerbose` every other line is echoed
  // as "(n)   [line]". False as soon as `Handle` answers false.
  bool ForEachLine(const char* sFunction, bool bVerbose, const std::function<bool(const std::string&)>& Handle) const;

  // The file's lines end with CR alone, so that it reads as one line.
  bool HasLoneCRLineEnds() const { return zorvane::HasLoneCRLineEnds(sBytes); }

 private:
  std::optional<ShipFileReader> theReader;
  std::string sBytes;
  std::vector<std::string_view> theLines;  // into sBytes
};

}  // namespace zorvane

#pragma once
// A ship file opened as the imports open it: for reading and writing, so that a read-only file
// (or one another program holds) is one both imports refuse before they read a line. The
// checker still reads such a file, to tell what else the imports would say once it is writable.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "checker/Checker.h"

namespace zorvane::shipfile {

struct ShipFileInput {
  std::vector<std::string> theLines;
  std::string sNotWritable;  // the error both imports log when they cannot open it so; empty when they can
};

// Nothing, after a line on `theErrors` naming the file and why, when it cannot be read at all.
std::optional<ShipFileInput> ReadShipFileInput(const std::string& sPath, std::ostream& theErrors);

// `sNotWritable` as the stop at which both imports end, before every other finding, which
// becomes one they would meet once the file is writable.
void AddNotWritableStops(CheckReport& theReport, const std::string& sNotWritable);

}  // namespace zorvane::shipfile

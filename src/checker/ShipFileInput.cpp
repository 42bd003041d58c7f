#include "checker/ShipFileInput.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "checker/Printable.h"
#include "platform/Platform.h"
#include "shipfile/ImportFile.h"
#include "shipfile/ShipFileReader.h"

namespace zorvane::shipfile {

std::optional<ShipFileInput> ReadShipFileInput(const std::string& sPath, std::ostream& theErrors) {
  const std::filesystem::path thePath = platform::ToFileSystemPath(sPath);
  std::error_code theError;
  if (std::filesystem::is_directory(thePath, theError)) {
    theErrors << "zorvane-shipfile: " << MakePrintable(sPath) << " is a folder, not a ship file\n";
    return std::nullopt;
  }
  ShipFileInput theInput;
  std::optional<std::string> theBytes;
  {
    ShipFileReader theReader(sPath);
    if (theReader.IsWritable()) {
      theBytes = theReader.ReadBytes();
    } else {
      theInput.sNotWritable = FormatNotWritableError(sPath, theReader.GetError());
    }
    theError = theReader.GetError();
  }
  if (!theBytes && !theInput.sNotWritable.empty()) {
    // Read only, as far as it can be read at all.
    std::ifstream theFile(thePath, std::ios::binary);
    std::string sBytes;
    if (theFile.is_open()) {
      theFile.seekg(0, std::ios::end);
      sBytes.resize(static_cast<std::size_t>(std::max<std::streamoff>(theFile.tellg(), 0)));
      theFile.seekg(0, std::ios::beg);
      theFile.read(sBytes.data(), static_cast<std::streamsize>(sBytes.size()));
      sBytes.resize(static_cast<std::size_t>(theFile.gcount()));
      if (!theFile.bad()) theBytes = std::move(sBytes);
    }
  }
  if (!theBytes) {
    theErrors << "zorvane-shipfile: " << MakePrintable(sPath)
              << " cannot be read: " << MakePrintable(platform::DescribeError(theError)) << "\n";
    return std::nullopt;
  }
  theInput.theLines = SplitShipFileLines(*theBytes);
  return theInput;
}

void AddNotWritableStops(CheckReport& theReport, const std::string& sNotWritable) {
  for (Finding& theStop : theReport.theStops) theStop.bFirst = false;
  std::vector<Finding> theStops;
  for (const char* sImport : {kLayout, kInterior}) {
    Finding theStop;
    theStop.sImport = sImport;
    theStop.sMessage = sNotWritable;
    theStop.bFirst = true;
    theStop.bOpening = true;
    theStops.push_back(theStop);
  }
  theStops.insert(theStops.end(), theReport.theStops.begin(), theReport.theStops.end());
  theReport.theStops = std::move(theStops);
}

}  // namespace zorvane::shipfile

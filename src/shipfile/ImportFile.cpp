#include "shipfile/ImportFile.h"

#include "core/Log.h"
#include "platform/Platform.h"
#include "shipfile/ShipFileName.h"

namespace zorvane {

std::string FormatNotWritableError(const std::string& sPath, const std::error_code& theError) {
  return "the ship file [" + sPath + "] must be writable to be imported: " + platform::DescribeError(theError);
}

bool ImportFile::Open(const char* sFunction, const std::string& sFilePath, const std::string& sFileName) {
  const std::string sPath = sFilePath + sFileName;
  if (!DoesFileExistEx(sFilePath, sFileName)) {
    LOG_ERROR_IN(sFunction, "no file exists at [" + sPath + "]");
    return false;
  }
  theReader.emplace(sPath);
  if (!theReader->IsWritable()) {
    LOG_ERROR_IN(sFunction, FormatNotWritableError(sPath, theReader->GetError()));
    return false;
  }
  std::optional<std::string> theRead = theReader->ReadBytes();
  if (!theRead) {
    LOG_ERROR_IN(sFunction,
                 "the ship file [" + sPath + "] cannot be read: " + platform::DescribeError(theReader->GetError()));
    return false;
  }
  sBytes = std::move(*theRead);
  theLines = SplitShipFileLineViews(sBytes);
  return true;
}

bool ImportFile::ForEachLine(const char* sFunction, bool bVerbose,
                             const std::function<bool(const std::string&)>& Handle) const {
  std::string sLine;
  for (std::size_t i = 0; i < theLines.size(); ++i) {
    const ShipFileLineText theText = ReadShipFileLine(i, theLines[i]);
    sLine.assign(theText.sText);
    if (theText.bCutAtNul) LOG_WARNING_IN(sFunction, kNulByteWarning + sLine);
    if (sLine.empty()) {
      LOG_WARNING_IN(sFunction, "(" + std::to_string(i) + ") empty line");
      continue;
    }
    if (bVerbose) LOG_INFO_IN(sFunction, "(" + std::to_string(i) + ")   [" + sLine + "]");
    if (!theText.bHeader && !Handle(sLine)) return false;
  }
  return true;
}

}  // namespace zorvane

#include "ship/ShipFileReader.h"

#include <cerrno>
#include <iterator>

#include "platform/FileFaults.h"
#include "platform/Platform.h"

namespace zorvane {
namespace {

std::error_code GetErrnoError() { return std::error_code(errno != 0 ? errno : EIO, std::generic_category()); }

}  // namespace

ShipFileReader::ShipFileReader(const std::string& sPath) : sPath(sPath) {
  const auto thePath = platform::ToFileSystemPath(sPath);
  if ((theError = platform::GetInjectedFault(platform::FileOperation::kOpen, thePath))) return;
  errno = 0;
  theWritable.open(thePath, std::ios::in | std::ios::out | std::ios::binary);
  if (!theWritable.is_open()) theError = GetErrnoError();
}

std::optional<std::vector<std::string>> ShipFileReader::ReadLines() {
  const auto thePath = platform::ToFileSystemPath(sPath);
  if ((theError = platform::GetInjectedFault(platform::FileOperation::kRead, thePath))) return std::nullopt;
  errno = 0;
  std::ifstream theFile(thePath, std::ios::binary);
  if (!theFile.is_open()) {
    theError = GetErrnoError();
    return std::nullopt;
  }
  const std::string sText((std::istreambuf_iterator<char>(theFile)), std::istreambuf_iterator<char>());
  if (theFile.bad()) {
    theError = GetErrnoError();
    return std::nullopt;
  }
  return SplitShipFileLines(sText);
}

std::vector<std::string> SplitShipFileLines(const std::string& sBytes) {
  std::vector<std::string> theLines;
  std::size_t uStart = 0;
  while (uStart < sBytes.size()) {
    std::size_t uEnd = sBytes.find('\n', uStart);
    const bool bLineFeed = uEnd != std::string::npos;
    if (!bLineFeed) uEnd = sBytes.size();
    std::size_t uLineEnd = uEnd;
    if (bLineFeed && uLineEnd > uStart && sBytes[uLineEnd - 1] == '\r') --uLineEnd;
    theLines.push_back(sBytes.substr(uStart, uLineEnd - uStart));
    uStart = uEnd + 1;
  }
  return theLines;
}

}  // namespace zorvane

#include "shipfile/ShipFileReader.h"

#include <cerrno>

#include "platform/FileFaults.h"
#include "platform/Platform.h"
#include "shipfile/ShipFile.h"

namespace zorvane {
namespace {

std::error_code GetErrnoError() { return std::error_code(errno != 0 ? errno : EIO, std::generic_category()); }

}  // namespace

ShipFileReader::ShipFileReader(const std::string& sPath) : sPath(sPath) {
  const auto thePath = platform::ToFileSystemPath(sPath);
  if ((theError = platform::GetInjectedFault(platform::FileOperation::kOpen, thePath))) return;
  if (platform::IsReadOnlyFile(thePath)) {
    theError = std::make_error_code(std::errc::permission_denied);
    return;
  }
  errno = 0;
  theWritable.open(thePath, std::ios::in | std::ios::out | std::ios::binary);
  if (!theWritable.is_open()) theError = GetErrnoError();
}

std::optional<std::string> ShipFileReader::ReadBytes() {
  const auto thePath = platform::ToFileSystemPath(sPath);
  if ((theError = platform::GetInjectedFault(platform::FileOperation::kRead, thePath))) return std::nullopt;
  // Through the handle already held: the whole file in one read, which takes no time even for
  // a ship file of tens of thousands of lines.
  std::fstream& theFile = theWritable;
  if (!theFile.is_open()) {
    theError = std::make_error_code(std::errc::bad_file_descriptor);
    return std::nullopt;
  }
  errno = 0;
  std::string sText;
  theFile.seekg(0, std::ios::end);
  const std::streamoff iSize = theFile.tellg();
  theFile.seekg(0, std::ios::beg);
  if (iSize > 0) {
    sText.resize(static_cast<std::size_t>(iSize));
    theFile.read(sText.data(), iSize);
    sText.resize(static_cast<std::size_t>(theFile.gcount()));
  }
  if (theFile.bad()) {
    theError = GetErrnoError();
    return std::nullopt;
  }
  return sText;
}

std::vector<std::string_view> SplitShipFileLineViews(const std::string& sBytes) {
  std::vector<std::string_view> theLines;
  const std::string_view sAll(sBytes);
  std::size_t uStart = 0;
  while (uStart < sAll.size()) {
    std::size_t uEnd = sAll.find('\n', uStart);
    const bool bLineFeed = uEnd != std::string_view::npos;
    if (!bLineFeed) uEnd = sAll.size();
    std::size_t uLineEnd = uEnd;
    if (bLineFeed && uLineEnd > uStart && sAll[uLineEnd - 1] == '\r') --uLineEnd;
    theLines.push_back(sAll.substr(uStart, uLineEnd - uStart));
    uStart = uEnd + 1;
  }
  return theLines;
}

ShipFileLineText ReadShipFileLine(std::size_t uLine, std::string_view sLine) {
  ShipFileLineText theText;
  const std::size_t uNul = sLine.find('\0');
  theText.bCutAtNul = uNul != std::string_view::npos;
  theText.sText = sLine.substr(0, uNul);
  theText.bHeader = uLine == 0 && theText.sText.starts_with(kShipHeaderStart);
  return theText;
}

bool HasLoneCRLineEnds(std::string_view sBytes) {
  return sBytes.find('\r') != std::string_view::npos && sBytes.find('\n') == std::string_view::npos;
}

std::vector<std::string> SplitShipFileLines(const std::string& sBytes) {
  const std::vector<std::string_view> theViews = SplitShipFileLineViews(sBytes);
  return std::vector<std::string>(theViews.begin(), theViews.end());
}

}  // namespace zorvane

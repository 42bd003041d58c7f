#include "checker/Arguments.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "checker/Printable.h"
#include "core/Text.h"
#include "platform/Platform.h"

namespace zorvane::shipfile {
namespace {

// The .txt files of a folder, sorted by name; false when it cannot be listed.
bool ListFolder(const std::filesystem::path& theFolder, std::vector<std::string>& theFiles, std::error_code& theError) {
  std::vector<std::pair<std::string, std::string>> theFound;  // name, path
  std::filesystem::directory_iterator itEntry(theFolder, theError);
  for (; !theError && itEntry != std::filesystem::directory_iterator(); itEntry.increment(theError)) {
    std::error_code theEntryError;
    if (!itEntry->is_regular_file(theEntryError)) continue;
    const std::string sName = platform::FromFileSystemPath(itEntry->path().filename());
    if (sName.size() > 4 && ToLowerAscii(sName.substr(sName.size() - 4)) == ".txt") {
      theFound.emplace_back(sName, platform::FromFileSystemPath(itEntry->path()));
    }
  }
  if (theError) return false;
  // By name as Explorer lists them, letter case aside.
  std::sort(theFound.begin(), theFound.end(), [](const auto& theLeft, const auto& theRight) {
    return std::make_pair(ToLowerAscii(theLeft.first), theLeft.first) <
           std::make_pair(ToLowerAscii(theRight.first), theRight.first);
  });
  for (const auto& [sName, sPath] : theFound) theFiles.push_back(sPath);
  return true;
}

}  // namespace

ShipFileList ListShipFiles(const std::vector<std::string>& thePaths, std::ostream& theErrors) {
  ShipFileList theList;
  for (const std::string& sPath : thePaths) {
    const std::filesystem::path thePath = platform::ToFileSystemPath(sPath);
    std::error_code theError;
    if (!std::filesystem::is_directory(thePath, theError)) {
      theList.theFiles.push_back(sPath);
      continue;
    }
    const std::size_t uBefore = theList.theFiles.size();
    if (!ListFolder(thePath, theList.theFiles, theError)) {
      theErrors << "zorvane-shipfile: the folder " << MakePrintable(sPath)
                << " cannot be listed: " << MakePrintable(platform::DescribeError(theError)) << "\n";
      theList.bFailed = true;
    } else if (theList.theFiles.size() == uBefore) {
      theErrors << "zorvane-shipfile: the folder " << MakePrintable(sPath) << " holds no .txt file\n";
      theList.bFailed = true;
    }
  }
  return theList;
}

}  // namespace zorvane::shipfile

#pragma once
// The ship files a command line names: a folder stands for the .txt files in it.

#include <iosfwd>
#include <string>
#include <vector>

namespace zorvane::shipfile {

struct ShipFileList {
  std::vector<std::string> theFiles;
  bool bFailed = false;  // a folder could not be listed or held no .txt file
};

// `thePaths` in order, each folder replaced by its .txt files (any letter case), sorted by name
// (letter case aside),
// without those of its subfolders. A folder that cannot be listed or holds none is named on
// `theErrors`.
ShipFileList ListShipFiles(const std::vector<std::string>& thePaths, std::ostream& theErrors);

}  // namespace zorvane::shipfile

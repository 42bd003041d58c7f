#include "shipfile/ShipFileName.h"

#include <filesystem>

#include "core/Text.h"
#include "platform/Platform.h"

namespace zorvane {

std::string ReplaceForbiddenCharacters(std::string sFileName) {
  for (char& ch : sFileName) {
    switch (ch) {
      case '"':
      case '*':
      case '/':
      case '<':
      case '>':
      case '?':
      case '\\':
      case '|': ch = ';'; break;
      default: break;
    }
  }
  return sFileName;
}

bool IsReservedDeviceName(const std::string& sFileName) {
  // Windows reads the name up to its first dot or colon, without the blanks that end it.
  std::string sBase = sFileName.substr(0, sFileName.find_first_of(".:"));
  while (!sBase.empty() && sBase.back() == ' ') sBase.pop_back();
  sBase = ToLowerAscii(sBase);
  if (sBase == "con" || sBase == "prn" || sBase == "aux" || sBase == "nul") return true;
  return sBase.size() == 4 && (sBase.starts_with("com") || sBase.starts_with("lpt")) && sBase[3] >= '1' &&
         sBase[3] <= '9';
}

bool DoesFileExistEx(std::string sFolder, std::string sFileName) {
  if (sFolder.empty() || sFileName.empty()) {
    return false;
  }
  std::error_code theError;
  if (!std::filesystem::exists(platform::ToFileSystemPath(sFolder), theError)) {
    return false;
  }
  return std::filesystem::is_regular_file(platform::ToFileSystemPath(sFolder + sFileName), theError);
}

bool IsAnyEntryAt(const std::string& sPath) { return platform::IsAnyEntryAt(platform::ToFileSystemPath(sPath)); }

}  // namespace zorvane

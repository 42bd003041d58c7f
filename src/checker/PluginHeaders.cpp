#include "checker/PluginHeaders.h"

#include "platform/Platform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>

#include "core/Text.h"

namespace zorvane::shipfile {
namespace {

constexpr uint32_t kSmallFlag = 0x100;
constexpr uint32_t kMediumFlag = 0x400;

}  // namespace

const char* GetKindName(PluginKind eKind) {
  switch (eKind) {
    case PluginKind::kSmall: return "small";
    case PluginKind::kMedium: return "medium";
    default: return "full";
  }
}

const PluginFile* PluginCatalog::Find(const std::string& sName) const {
  const auto IsSameLetter = [](char chLeft, char chRight) { return ToLowerAscii(chLeft) == ToLowerAscii(chRight); };
  for (const PluginFile& theFile : theFiles) {
    if (std::equal(theFile.sName.begin(), theFile.sName.end(), sName.begin(), sName.end(), IsSameLetter)) {
      return &theFile;
    }
  }
  return nullptr;
}

std::optional<PluginKind> ReadPluginKind(const std::filesystem::path& thePath, std::string& sProblem) {
  std::ifstream theFile(thePath, std::ios::binary);
  char theHeader[12] = {};
  if (!theFile.read(theHeader, sizeof(theHeader))) {
    sProblem = theFile.is_open() ? "too short to be a plugin file" : "cannot be read";
    return std::nullopt;
  }
  if (std::memcmp(theHeader, "TES4", 4) != 0) {
    sProblem = "not a plugin file (it does not start with a TES4 record)";
    return std::nullopt;
  }
  uint32_t uFlags = 0;
  std::memcpy(&uFlags, theHeader + 8, sizeof(uFlags));
  if (uFlags & kSmallFlag) return PluginKind::kSmall;
  if (uFlags & kMediumFlag) return PluginKind::kMedium;
  return PluginKind::kFull;
}

PluginCatalog ReadDataFolder(const std::filesystem::path& theFolder) {
  PluginCatalog theCatalog;
  std::error_code theError;
  for (const auto& theEntry : std::filesystem::directory_iterator(theFolder, theError)) {
    const std::string sExtension = ToLowerAscii(platform::FromFileSystemPath(theEntry.path().extension()));
    if (sExtension != ".esm" && sExtension != ".esp" && sExtension != ".esl") continue;
    const std::string sName = platform::FromFileSystemPath(theEntry.path().filename());
    std::string sProblem;
    if (std::optional<PluginKind> eKind = ReadPluginKind(theEntry.path(), sProblem)) {
      theCatalog.theFiles.push_back({sName, *eKind});
    } else {
      theCatalog.theProblems.push_back(sName + ": " + sProblem);
    }
  }
  std::sort(theCatalog.theFiles.begin(), theCatalog.theFiles.end(),
            [](const PluginFile& theLeft, const PluginFile& theRight) { return theLeft.sName < theRight.sName; });
  std::sort(theCatalog.theProblems.begin(), theCatalog.theProblems.end());
  return theCatalog;
}

}  // namespace zorvane::shipfile

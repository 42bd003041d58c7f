#include "checker/PluginHeaders.h"

#include "platform/Platform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>

#include "checker/PluginFileReader.h"
#include "core/Text.h"

namespace zorvane::shipfile {
namespace {

constexpr std::size_t kHeaderSize = 24;
constexpr uint32_t kMaxHeaderSize = 1 << 20;  // a header record lists masters, not megabytes

uint32_t ReadU32(const char* theBytes) {
  uint32_t uValue = 0;
  std::memcpy(&uValue, theBytes, sizeof(uValue));
  return uValue;
}

}  // namespace

const char* GetKindName(PluginKind eKind) {
  switch (eKind) {
    case PluginKind::kSmall: return "small";
    case PluginKind::kMedium: return "medium";
    default: return "full";
  }
}

const PluginFile* PluginCatalog::Find(const std::string& sName) const {
  if (uIndexed != theFiles.size()) {
    theIndex.clear();
    for (std::size_t i = 0; i < theFiles.size(); ++i) theIndex.emplace(ToLowerAscii(theFiles[i].sName), i);
    uIndexed = theFiles.size();
  }
  const auto itFile = theIndex.find(ToLowerAscii(sName));
  return itFile == theIndex.end() ? nullptr : &theFiles[itFile->second];
}

std::optional<PluginFile> ReadPluginHeader(const std::filesystem::path& thePath, std::string& sProblem) {
  std::ifstream theFile(thePath, std::ios::binary);
  char theHeader[kHeaderSize] = {};
  if (!theFile.is_open()) {
    sProblem = "cannot be read";
    return std::nullopt;
  }
  theFile.read(theHeader, sizeof(theHeader));
  const std::streamsize iRead = theFile.gcount();
  if (iRead >= 4 && std::memcmp(theHeader, "TES4", 4) != 0) {
    sProblem = "not a plugin file (it does not start with a TES4 record)";
    return std::nullopt;
  }
  if (iRead < static_cast<std::streamsize>(kHeaderSize)) {
    sProblem = "too short to be a plugin file";
    return std::nullopt;
  }
  // The header record's fields as the reader of whole files reads them.
  const uint32_t uSize = ReadU32(theHeader + 4);
  std::string sBytes(theHeader, kHeaderSize);
  sBytes.resize(kHeaderSize + std::min<uint32_t>(uSize, kMaxHeaderSize));
  if (uSize > kMaxHeaderSize || !theFile.read(sBytes.data() + kHeaderSize, uSize)) {
    sProblem = "its TES4 record of " + std::to_string(uSize) + " bytes runs past the end of the file (at byte 0)";
    return std::nullopt;
  }
  const PluginFileContents theContents =
      ReadPluginHeaderBytes(sBytes, platform::FromFileSystemPath(thePath.filename()));
  if (theContents.theError) {
    sProblem = theContents.theError->sWhat + " (at byte " + std::to_string(theContents.theError->uOffset) + ")";
    return std::nullopt;
  }
  PluginFile thePlugin;
  thePlugin.eKind = theContents.eKind;
  thePlugin.theMasters = theContents.theMasters;
  thePlugin.thePath = thePath;
  return thePlugin;
}

PluginCatalog ReadDataFolder(const std::filesystem::path& theFolder) {
  PluginCatalog theCatalog;
  std::error_code theError;
  for (const auto& theEntry : std::filesystem::directory_iterator(theFolder, theError)) {
    const std::string sExtension = ToLowerAscii(platform::FromFileSystemPath(theEntry.path().extension()));
    if (sExtension != ".esm" && sExtension != ".esp" && sExtension != ".esl") continue;
    const std::string sName = platform::FromFileSystemPath(theEntry.path().filename());
    std::string sProblem;
    if (std::optional<PluginFile> theFile = ReadPluginHeader(theEntry.path(), sProblem)) {
      theFile->sName = sName;
      theCatalog.theFiles.push_back(std::move(*theFile));
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

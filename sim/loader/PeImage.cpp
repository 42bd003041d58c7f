#include "PeImage.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace sim {
namespace {

class ImageBytes {
 public:
  explicit ImageBytes(std::vector<uint8_t> theBytes) : theBytes(std::move(theBytes)) {}

  template <typename T>
  bool Read(std::size_t uOffset, T& theValue) const {
    if (uOffset > theBytes.size() || theBytes.size() - uOffset < sizeof(T)) return false;
    std::memcpy(&theValue, theBytes.data() + uOffset, sizeof(T));
    return true;
  }

  bool ReadString(std::size_t uOffset, std::string& sText) const {
    sText.clear();
    for (; uOffset < theBytes.size(); ++uOffset) {
      if (theBytes[uOffset] == 0) return true;
      sText += static_cast<char>(theBytes[uOffset]);
    }
    return false;
  }

  const std::vector<uint8_t>& Bytes() const { return theBytes; }

 private:
  std::vector<uint8_t> theBytes;
};

struct Section {
  uint32_t uVirtualAddress;
  uint32_t uVirtualSize;
  uint32_t uRawOffset;
  uint32_t uRawSize;
};

std::optional<std::size_t> RvaToOffset(const std::vector<Section>& theSections, uint32_t uRva) {
  for (const Section& theSection : theSections) {
    uint32_t uSpan = std::max(theSection.uVirtualSize, theSection.uRawSize);
    if (uRva >= theSection.uVirtualAddress && uRva - theSection.uVirtualAddress < uSpan) {
      uint32_t uDelta = uRva - theSection.uVirtualAddress;
      if (uDelta >= theSection.uRawSize) return std::nullopt;  // not backed by the file
      return static_cast<std::size_t>(theSection.uRawOffset) + uDelta;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadPeExportBytes(const std::string& sPath, const std::string& sName,
                                                      std::size_t uSize) {
  std::ifstream theFile(sPath, std::ios::binary);
  if (!theFile.is_open()) return std::nullopt;
  ImageBytes theImage(std::vector<uint8_t>(std::istreambuf_iterator<char>(theFile), {}));

  uint16_t uMagic = 0;
  uint32_t uNtOffset = 0, uSignature = 0;
  if (!theImage.Read(0, uMagic) || uMagic != 0x5A4D || !theImage.Read(0x3C, uNtOffset) ||
      !theImage.Read(uNtOffset, uSignature) || uSignature != 0x00004550) {
    return std::nullopt;
  }
  const std::size_t uFileHeader = uNtOffset + 4;
  uint16_t uSectionCount = 0, uOptionalSize = 0, uOptionalMagic = 0;
  if (!theImage.Read(uFileHeader + 2, uSectionCount) || !theImage.Read(uFileHeader + 16, uOptionalSize)) {
    return std::nullopt;
  }
  const std::size_t uOptional = uFileHeader + 20;
  if (!theImage.Read(uOptional, uOptionalMagic) || uOptionalMagic != 0x20B) return std::nullopt;  // PE32+
  uint32_t uExportRva = 0;
  if (!theImage.Read(uOptional + 112, uExportRva) || uExportRva == 0) return std::nullopt;

  std::vector<Section> theSections;
  for (std::size_t i = 0, uAt = uOptional + uOptionalSize; i < uSectionCount; ++i, uAt += 40) {
    Section theSection = {};
    if (!theImage.Read(uAt + 12, theSection.uVirtualAddress) || !theImage.Read(uAt + 8, theSection.uVirtualSize) ||
        !theImage.Read(uAt + 16, theSection.uRawSize) || !theImage.Read(uAt + 20, theSection.uRawOffset)) {
      return std::nullopt;
    }
    theSections.push_back(theSection);
  }

  auto uExport = RvaToOffset(theSections, uExportRva);
  uint32_t uNameCount = 0, uFunctionsRva = 0, uNamesRva = 0, uOrdinalsRva = 0;
  if (!uExport || !theImage.Read(*uExport + 24, uNameCount) || !theImage.Read(*uExport + 28, uFunctionsRva) ||
      !theImage.Read(*uExport + 32, uNamesRva) || !theImage.Read(*uExport + 36, uOrdinalsRva)) {
    return std::nullopt;
  }
  auto uNames = RvaToOffset(theSections, uNamesRva);
  auto uOrdinals = RvaToOffset(theSections, uOrdinalsRva);
  auto uFunctions = RvaToOffset(theSections, uFunctionsRva);
  if (!uNames || !uOrdinals || !uFunctions) return std::nullopt;

  for (uint32_t i = 0; i < uNameCount; ++i) {
    uint32_t uNameRva = 0;
    uint16_t uOrdinal = 0;
    uint32_t uTargetRva = 0;
    std::string sExport;
    auto uNameAt = theImage.Read(*uNames + 4 * i, uNameRva) ? RvaToOffset(theSections, uNameRva) : std::nullopt;
    if (!uNameAt || !theImage.ReadString(*uNameAt, sExport) || sExport != sName) continue;
    if (!theImage.Read(*uOrdinals + 2 * i, uOrdinal) || !theImage.Read(*uFunctions + 4 * uOrdinal, uTargetRva)) {
      return std::nullopt;
    }
    auto uTarget = RvaToOffset(theSections, uTargetRva);
    if (!uTarget || *uTarget + uSize > theImage.Bytes().size()) return std::nullopt;
    return std::vector<uint8_t>(theImage.Bytes().begin() + *uTarget, theImage.Bytes().begin() + *uTarget + uSize);
  }
  return std::nullopt;
}

}  // namespace sim

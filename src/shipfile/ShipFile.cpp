#include "shipfile/ShipFile.h"

#include <cinttypes>
#include <cstdio>
#include <regex>

#include "core/Log.h"
#include "forms/Helpers.h"

namespace zorvane {

namespace {

constexpr const char* kFormIDStart = " [FormID: ";
constexpr const char* kEditorIDStart = "] [EditorID: ";
constexpr const char* kHeaderEnd = "] ";

}  // namespace

std::string FormatShipHeader(const std::string& sShipName, const std::string& sFormID, const std::string& sEditorID) {
  return kShipHeaderStart + sShipName + kFormIDStart + sFormID + kEditorIDStart + sEditorID + kHeaderEnd;
}

std::optional<std::string> ReadShipHeaderName(const std::string& sLine) {
  // The name may hold anything, brackets too: the form ID and editor ID are the last ones.
  static const std::regex kHeader("^" + std::string(kShipHeaderStart) +
                                  R"((.*) \[FormID: [^\]]*\] \[EditorID: [^\]]*\] $)");
  std::smatch theMatch;
  if (!std::regex_match(sLine, theMatch, kHeader)) return std::nullopt;
  return theMatch[1].str();
}

std::string FormatExportTimeLine() { return kExportTimeStart + GetTimestamp(); }

std::string FormatIndexedKey(const std::string& sPrefix, std::size_t uIndex) {
  return sPrefix + kIndexOpen + std::to_string(uIndex) + kIndexClose;
}

std::string_view GetComponentPart(std::string_view sKey) {
  const std::size_t uPoint = sKey.find(kFieldSeparator);
  return uPoint == std::string_view::npos ? sKey : sKey.substr(0, uPoint + 1);
}

std::string FormatFieldKey(const std::string& sEntryKey, const char* sField) {
  return sEntryKey + kFieldSeparator + sField;
}

std::string FormatUInt32(uint32_t uValue) { return std::to_string(uValue); }
std::string FormatInt32(int32_t iValue) { return std::to_string(iValue); }
std::string FormatUInt64(uint64_t uValue) { return std::to_string(uValue); }
std::string FormatByte(uint8_t uValue) { return std::to_string(static_cast<unsigned>(uValue)); }

std::string FormatByteBlock(const uint8_t* theBytes, std::size_t uCount) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string sBlock;
  sBlock.reserve(uCount * 2);
  for (std::size_t i = 0; i < uCount; ++i) {
    if (theBytes[i] >= 0x10) sBlock += kDigits[theBytes[i] >> 4];
    sBlock += kDigits[theBytes[i] & 0xF];
  }
  return sBlock;
}

std::string FormatAddress(const void* theObject) {
  if (theObject == nullptr) {
    return "?";
  }
  return GetHexAddress(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(theObject)));
}

std::string FormatFormReference(const std::string& sLocalHexFormID, const std::string& sPluginName) {
  return sLocalHexFormID + "|" + sPluginName;
}

}  // namespace zorvane

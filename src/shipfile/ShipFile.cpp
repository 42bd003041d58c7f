#include "shipfile/ShipFile.h"

#include <cinttypes>
#include <cstdio>

#include "core/Log.h"
#include "forms/Helpers.h"

namespace zorvane {

std::string FormatShipHeader(const std::string& sShipName, const std::string& sFormID, const std::string& sEditorID) {
  return kShipHeaderStart + sShipName + " [FormID: " + sFormID + "] [EditorID: " + sEditorID + "] ";
}

std::string FormatExportTimeLine() { return "Export time: " + GetTimestamp(); }

std::string FormatIndexedKey(const std::string& sPrefix, std::size_t uIndex) {
  return sPrefix + "[" + std::to_string(uIndex) + "]";
}

std::string FormatFieldKey(const std::string& sEntryKey, const char* sField) { return sEntryKey + "." + sField; }

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

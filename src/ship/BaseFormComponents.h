#pragma once
// The ship file: its header, its line shape (key + " |" + value) and the encoding of every
// kind of value. The export writes ship files only through these; the importers read the
// same keys.

#include <cstdint>
#include <string>

namespace zorvane {

inline constexpr const char* kShipFileVersionLine = "Version: 1.00";
inline constexpr std::size_t kByteBlockSize = 80;

// Header line 1: "Ship: " + name + " [FormID: " + ID + "] [EditorID: " + editor ID + "] ".
std::string FormatShipHeader(const std::string& sShipName, const std::string& sFormID, const std::string& sEditorID);
// Header line 2, in the log's timestamp layout.
std::string FormatExportTimeLine();

// key + " |" + value.
std::string FormatShipLine(const std::string& sKey, const std::string& sValue);
// "P[n" for a key prefix P and an index n; the caller adds "]." and the field.
std::string FormatIndexedKey(const std::string& sPrefix, std::size_t uIndex);

std::string FormatUInt32(uint32_t uValue);
std::string FormatInt32(int32_t iValue);
std::string FormatUInt64(uint64_t uValue);
std::string FormatByte(uint8_t uValue);
// Each byte in upper-case hexadecimal without a leading zero, concatenated.
std::string FormatByteBlock(const uint8_t* theBytes, std::size_t uCount);
// An object's address in upper-case hexadecimal, or "?" for none.
std::string FormatAddress(const void* theObject);
// The local form ID, a bar and the plugin file name.
std::string FormatFormReference(const std::string& sLocalHexFormID, const std::string& sPluginName);

}  // namespace zorvane

#pragma once
// Reads a data export out of a PE image file without loading it, as the script extender
// reads a plugin's version record: no code of the module runs.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// The bytes of the export `sName`, `uSize` bytes long, or nothing when the file is not a
// 64-bit PE image with such an export.
std::optional<std::vector<uint8_t>> ReadPeExportBytes(const std::string& sPath, const std::string& sName,
                                                      std::size_t uSize);

}  // namespace sim

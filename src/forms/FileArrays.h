#pragma once
// The walk over the data handler's plugin file arrays, as LookupTESFileByName and the plugin
// file index share it: the arrays' order and kinds, and the lines the walk writes.

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/Codes.h"

namespace zorvane::formlookup_detail {

// The three arrays in walk order: full, small, medium files.
inline constexpr std::size_t kFileArrayCount = 3;
game::FileArrayKind GetArrayKind(std::size_t uArray);
uint32_t GetPluginTypeOfArray(std::size_t uArray);

void ReportEmptyArray(std::size_t uArray);
void ReportNullFile(uint32_t uIndex);
void ReportNotFound(const std::string& sName);

}  // namespace zorvane::formlookup_detail

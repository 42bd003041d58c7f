#pragma once
// Reading values out of ship file lines ("key |value"). The readers take whole lines and
// pick out the value text themselves. A value text that does not convert raises
// std::invalid_argument or std::out_of_range with the conversion's own texts ("invalid stof
// argument", "stoul argument out of range", ...); the importers catch them per group.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// Everything after the last bar of the line; empty for a line without one.
std::string GetValueText(const std::string& sLine);

// Each returns false (leaving the output alone) for an empty value text; a value text with
// "inf" or "nan" in it gives 0 after an error line; otherwise the converted number (base 10).
bool GetFloat(const std::string& sLine, float& fValue);
bool GetInt32(const std::string& sLine, int32_t& iValue);
bool GetUInt32(const std::string& sLine, uint32_t& uValue);
bool GetUInt64(const std::string& sLine, uint64_t& uValue);

// The number in the line's first (GetIndex) or last (GetIndex2) bracket pair; -1 when there
// is none or it is empty.
int32_t GetIndex(std::string_view sLine);
int32_t GetIndex2(std::string_view sLine);
// The same without raising: nothing when the bracket text does not convert or the index is
// not below `uSize`.
std::optional<std::size_t> FindIndexBelow(std::string_view sLine, std::size_t uSize);
std::optional<std::size_t> FindIndex2Below(std::string_view sLine, std::size_t uSize);

// A float as the ship file writes it: printf's "%f" of the value widened to double.
std::string FormatFloat(float fValue);

}  // namespace zorvane

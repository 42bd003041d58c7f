#pragma once
// A record's data: its decompression, and the fields it holds walked one by one with the
// XXXX field giving the size of the next.

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane::shipfile {

// The most bytes a record's data may have, stored or decompressed: no form a ship file names
// comes near it, and a size above it is not allocated.
inline constexpr uint64_t kMaxRecordData = 64ull << 20;

inline uint16_t GetU16(const char* theBytes) {
  uint16_t uValue = 0;
  std::memcpy(&uValue, theBytes, sizeof(uValue));
  return uValue;
}
inline uint32_t GetU32(const char* theBytes) {
  uint32_t uValue = 0;
  std::memcpy(&uValue, theBytes, sizeof(uValue));
  return uValue;
}

// A record type or field type as a text: printable letters as they are, others as \xNN.
std::string DescribeType(std::string_view sType);

// What a compressed record's data (a u32 size, then a zlib stream, at most kMaxRecordData
// bytes in all) holds, in `sFields`; the reason it cannot be had otherwise.
std::optional<std::string> DecompressRecordData(std::string_view sData, std::string& sFields);

// Why a record's fields cannot be walked, and where in its data.
struct FieldProblem {
  uint64_t uOffset = 0;
  std::string sWhat;
};

// Calls Visit(type, data) for each field of `sData`; Visit gives a reason to stop, or nothing.
template <typename Fn>
std::optional<FieldProblem> ForEachField(std::string_view sData, Fn Visit) {
  std::size_t uPos = 0;
  std::optional<uint32_t> uNextSize;  // from a XXXX field
  while (uPos < sData.size()) {
    if (sData.size() - uPos < 6) {
      return FieldProblem{uPos, "a field header runs past the end of the record"};
    }
    const std::string_view sType = sData.substr(uPos, 4);
    const uint64_t uSize = uNextSize ? *uNextSize : GetU16(sData.data() + uPos + 4);
    uNextSize.reset();
    if (uSize > sData.size() - uPos - 6) {
      return FieldProblem{uPos, "field " + DescribeType(sType) + " of " + std::to_string(uSize) +
                                    " bytes runs past the end of the record"};
    }
    const std::string_view sField = sData.substr(uPos + 6, static_cast<std::size_t>(uSize));
    if (sType == "XXXX") {
      if (uSize != 4) return FieldProblem{uPos, "field XXXX holds " + std::to_string(uSize) + " bytes, not 4"};
      uNextSize = GetU32(sField.data());
    } else if (std::optional<std::string> sProblem = Visit(sType, sField)) {
      return FieldProblem{uPos, *sProblem};
    }
    uPos += 6 + static_cast<std::size_t>(uSize);
  }
  if (uNextSize) return FieldProblem{uPos, "field XXXX is not followed by the field it gives the size of"};
  return std::nullopt;
}

// A text field's text: up to its terminating zero (or its end when it has none).
inline std::string GetFieldText(std::string_view sField) { return std::string(sField.substr(0, sField.find('\0'))); }

}  // namespace zorvane::shipfile

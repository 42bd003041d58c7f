#pragma once
// Text-to-number conversions with the standard library's acceptance rules and error texts,
// identical in every build whatever the width of `long` or the runtime library's own
// messages. Each reads leading white space, an optional sign and as many digits as form a
// number, and ignores the rest of the text. Failures raise std::invalid_argument ("invalid
// <name> argument") when nothing converts and std::out_of_range ("<name> argument out of
// range") when the number does not fit.

#include <cstdint>
#include <string>

namespace zorvane {

// strtof rules, base 10 or hexadecimal floating text.
float ConvertToFloat(const std::string& sText);
// strtol rules into 32 bits, base 10.
int32_t ConvertToInt32(const std::string& sText);
// strtoul rules with a 32-bit unsigned long, base 10: a minus sign negates modulo 2^32.
uint32_t ConvertToUInt32(const std::string& sText);
// strtoull rules, base 10: a minus sign negates modulo 2^64.
uint64_t ConvertToUInt64(const std::string& sText);
// strtoul rules with a 32-bit unsigned long, base 16 with an optional "0x" prefix.
uint32_t ConvertHexToUInt32(const std::string& sText);

// A float truncated toward zero as the x86 truncating conversions do it, defined for every
// float: to unsigned 32 bits, the low 32 bits of a 64-bit truncation; to 8 bits, the low 8
// bits of a 32-bit truncation. Infinities, NaN and values out of the truncation's range give
// its "integer indefinite" value, whose kept low bits are 0.
uint32_t TruncateToUInt32(float fValue);
uint8_t TruncateToUInt8(float fValue);

}  // namespace zorvane

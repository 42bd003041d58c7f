#pragma once
// Texts of ship files shown on a terminal: a ship file is bytes, and the bytes of a binary file
// would ring the bell, move the cursor or garble the console's code page.

#include <cstddef>
#include <string>
#include <string_view>

namespace zorvane::shipfile {

// `sText` with valid UTF-8 kept as it is and every other byte escaped: a tab as "\t", a control
// character (C0, DEL, C1) or a byte that is no part of valid UTF-8 as "\xNN". A backslash stays
// as it is, since Windows paths are full of them.
std::string MakePrintable(std::string_view sText);

// The same, of at most `uMaxBytes` bytes of `sText` (cut at a character's start), followed by
// " ... (N more bytes)" when it is longer: one line of a binary file can be megabytes.
std::string MakePrintableShort(std::string_view sText, std::size_t uMaxBytes);

}  // namespace zorvane::shipfile

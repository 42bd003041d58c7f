#pragma once
// The plugin's texts are UTF-8. What comes from elsewhere in another encoding is turned into
// UTF-8 once, where it enters.

#include <string>
#include <string_view>

namespace platform {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values above
// U+10FFFF).
bool IsValidUtf8(std::string_view sText);

// The bytes of the well-formed UTF-8 sequence at `sText[uPos]`; 0 when none starts there (nor
// when one is cut off by the text's end).
std::size_t MeasureUtf8Sequence(std::string_view sText, std::size_t uPos);

// A text cut to a number of bytes without a part of its last character: the bytes of an
// incomplete UTF-8 sequence at its end are dropped.
std::string DropCutCharacter(std::string sText);

// Windows-1252 as UTF-8: the native build's stand-in for the system code page, which it is
// on Wine and on an English or Western European Windows. Each of its five unassigned bytes
// becomes the control character of the same number, as Windows maps them.
std::string ConvertWindows1252ToUtf8(std::string_view sText);

}  // namespace platform

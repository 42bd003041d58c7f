#pragma once
// How the console turns the words after a command name into the parameter data that the
// command's handler reads. Only text parameters are compiled.
//
// Compiled data (the layout the handlers rely on):
//   00  uint16  number of compiled parameters (0 or 1)
//   02  4 bytes zero
//   06  uint8   length of the text (so a text has at most 255 characters)
//   07  1 byte  zero
//   08  the text's characters, without a terminating zero
// The buffer holds exactly these bytes: a handler that reads past the text reads past it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

inline constexpr std::size_t kMaxParameterTextLength = 255;

// The text parameter as the game's console reads it from what follows the command name:
// blanks and tabs before it are passed over; a text that starts with a double quote runs to
// the next double quote (or to the end of the line when none follows) and may hold blanks;
// otherwise the text is the first word alone, and the words after it are not read. Nothing
// gives the empty text.
std::string ReadTextArgument(const std::string& sRest);

// The data of a command without parameters.
std::vector<uint8_t> CompileNoParameters();

// The data of a command with one text parameter; `sText` holds at most 255 characters.
std::vector<uint8_t> CompileTextParameter(const std::string& sText);

}  // namespace sim

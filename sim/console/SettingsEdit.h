#pragma once
// What a player does to a settings file in a text editor: one key of one section set to a
// value, every other line kept as it was.

#include <string>

namespace sim {

// Sets `sKey` in the section `sSection` of the file at `sPath` (names compared ignoring
// case): the key's first line in the section is replaced, or a line is added at the section's
// end, or the section is added at the file's end. Lines end with CR LF. False when the file
// cannot be read or written.
bool EditSettingsFile(const std::string& sPath, const std::string& sSection, const std::string& sKey,
                      const std::string& sValue);

}  // namespace sim

#pragma once
// One line of a ship file as the imports read it. Keys count only in the key part, the text up
// to and including the first bar (the whole line without one), so a name or path in the value
// can never pass for a key; bracket indices are read from the key part too. Values are read
// from the whole line.

#include <string>
#include <string_view>

namespace zorvane {

struct ShipFileLine {
  explicit ShipFileLine(const std::string& sLine)
      : sLine(sLine), sKeyPart(std::string_view(sLine).substr(0, sLine.find('|') + 1)) {
    if (sLine.find('|') == std::string::npos) sKeyPart = sLine;
  }
  bool Has(std::string_view sKey) const { return sKeyPart.find(sKey) != std::string_view::npos; }
  std::string GetKeyPart() const { return std::string(sKeyPart); }

  const std::string& sLine;
  std::string_view sKeyPart;  // into sLine
};

}  // namespace zorvane

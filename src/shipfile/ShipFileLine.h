#pragma once
// One line of a ship file as the imports read it. Keys count only in the key part, the text up
// to and including the first bar (the whole line without one), so a name or path in the value
// can never pass for a key; bracket indices are read from the key part too. Values are read
// from the whole line.

#include <string>
#include <string_view>

namespace zorvane {

struct ShipFileLine {
  explicit ShipFileLine(const std::string& sLine) : sLine(sLine), sKeyPart(GetKeyPartOf(sLine)) {}
  bool Has(std::string_view sKey) const { return sKeyPart.find(sKey) != std::string_view::npos; }
  std::string GetKeyPart() const { return std::string(sKeyPart); }

  static std::string_view GetKeyPartOf(std::string_view sLine) {
    const std::size_t uBar = sLine.find('|');
    return uBar == std::string_view::npos ? sLine : sLine.substr(0, uBar + 1);
  }

  const std::string& sLine;
  std::string_view sKeyPart;  // into sLine
};

}  // namespace zorvane

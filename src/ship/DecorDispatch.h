#pragma once
// The decoration lines of a ship file ("DecorItem[n].field |value"), parsed into one record
// per item before anything in the game changes. The parse reaches the game only through a
// FormSource (FormSource.h).

#include <string>
#include <vector>

#include "game/Types.h"
#include "ship/FormSource.h"

namespace zorvane {

// The function field of the interior import's log lines.
inline constexpr const char* kImportInteriorFunction = "ImportShipInteriorToCell";

// One decoration item of the file; its index is the number in the brackets of its lines.
struct DecorItem {
  game::TESForm* base = nullptr;  // a bound object
  float fPosX = 0.0f;
  float fPosY = 0.0f;
  float fPosZ = 0.0f;
  float fRotX = 0.0f;  // degrees
  float fRotY = 0.0f;
  float fRotZ = 0.0f;
  // An item whose lines give no scale keeps its base's size (a scale of 0 would hide it).
  float fScale = 1.0f;
  std::string overrideName;  // empty: none
  bool bWorkshopItem = false;
};

// Handles one non-empty line; lines without a decoration key pass. False after a stopping
// failure (an unresolved form, an empty value, an index out of range), which logged its one
// error naming the line. A value or index that does not convert skips only its line, with
// the error "exception while parsing DecorItems | sLine: " and the line.
bool DispatchDecorLine(const std::string& sLine, std::vector<DecorItem>& theItems, FormSource& theForms);

}  // namespace zorvane

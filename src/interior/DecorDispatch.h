#pragma once
// The decoration lines of a ship file ("DecorItem[n].field |value"), parsed into one record
// per item before anything in the game changes. The parse reaches the game only through a
// FormSource (FormSource.h).

#include <cstdint>
#include <string>
#include <vector>

#include "game/Types.h"
#include "shipfile/FormSource.h"

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
  // The lines the file gave the item, bit i for the i-th of the schema's kDecorFields: an item
  // without its position is refused before anything changes.
  uint32_t uFieldLines = 0;
};

// Handles one non-empty line; lines without a decoration key pass. False after a stopping
// failure (an unresolved form, an empty value, an index out of range), which logged its one
// error naming the line. A value or index that does not convert skips only its line, with
// the error "exception while parsing DecorItems | sLine: " and the line. A scale the game
// cannot hold (not finite, not above 0, or above 655.35, its 16-bit percentage) gives 1.0
// after a warning.
bool DispatchDecorLine(const std::string& sLine, std::vector<DecorItem>& theItems, FormSource& theForms);

// After the last line: false, after its one error line, when the file gave nothing whole to
// place: no item at all, or an item without one of its three position lines. (Its other
// lines may be missing: the defaults stand.)
bool CheckWholeInterior(const std::vector<DecorItem>& theItems);

}  // namespace zorvane

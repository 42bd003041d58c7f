// A placed reference's rotation about one axis, in degrees.
#include <bit>
#include <cstdint>

#include "core/Log.h"
#include "forms/Helpers.h"
#include "forms/ValueParsing.h"
#include "game/Game.h"

namespace zorvane {
namespace {

static_assert(std::bit_cast<uint32_t>(kRadiansPerDegree) == 0x3C8EFA35u);

}  // namespace

float GetAngle(game::TESObjectREFR* theRef, char chAxis) {
  if (theRef == nullptr) return 0.0f;
  float fRadians = 0.0f;
  try {
    int iAxis = 0;
    switch (chAxis) {
      case 'x': iAxis = 0; break;
      case 'y': iAxis = 1; break;
      case 'z': iAxis = 2; break;
      default: LOG_ERROR("unknown chAxis [" + std::string(1, chAxis) + "], cannot GetAngle"); return 0.0f;
    }
    fRadians = game::GetRefRotation(theRef)[iAxis];
    return fRadians / kRadiansPerDegree;
  } catch (...) {
    try {
      LOG_ERROR("exception when getting angle '" + std::string(1, chAxis) + "' for actor [" +
                GetHexAddress(reinterpret_cast<uintptr_t>(theRef)) + "] for angle [" + FormatFloat(fRadians) + "]");
    } catch (...) {
      // Not even the error line could be built; the angle is still 0.
    }
    return 0.0f;
  }
}

}  // namespace zorvane

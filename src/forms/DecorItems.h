#pragma once
// What makes a placed reference decoration, for the export and the interior import alike: the
// kinds the settings keep, and the items placed in build mode.

#include <cstdint>

#include "core/Settings.h"
#include "game/Types.h"

namespace zorvane {

// True for the base form types that may be decoration, unless the skip setting of the type is
// on (the Export or the Import settings); one type has no such setting.
bool IsDecorTypeKept(uint8_t uFormType, const DecorSkipSettings& theSkips);

// True when the reference is linked along the workshop link keyword to a reference that has
// the workshop keyword: an item placed in build mode.
bool IsWorkshopItem(game::TESObjectREFR* theRef);

}  // namespace zorvane

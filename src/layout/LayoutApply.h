#pragma once
// Writing a parsed layout record set into the components of a ship's base form, component
// after component, each replaced whole; then the reference's display name.

#include "game/Types.h"
#include "layout/LayoutRecords.h"

namespace zorvane {

// Each step looks its component up and does nothing when the base form has none; an error
// raised inside a step is logged as "exception while importing " and the component's name
// and the next step runs. The display-name step has no guard of its own.
void ApplyShipLayout(const ShipLayoutRecords& theRecords, game::TESForm* theBase, game::TESObjectREFR* theShipRef);

}  // namespace zorvane

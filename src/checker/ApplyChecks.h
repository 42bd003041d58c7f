#pragma once
// What the imports check once their parse has passed, as far as plugin files can tell: the
// layout import adds the ship registration entry only when the game's registration actor
// value is one, and the interior import places only items whose base is of a kind decoration
// can be (with the settings as they are by default).

#include <string>
#include <vector>

#include "checker/Checker.h"
#include "checker/GameData.h"
#include "checker/OfflineGame.h"
#include "interior/DecorDispatch.h"

namespace zorvane::shipfile {

// The form the layout import looks up by itself.
FormKey GetRegistrationKey();

// Adds to the report's passed-over findings what the layout import's writing would log.
void CheckRegistration(const ShipForms& theForms, CheckReport& theReport);

// Adds the decoration items the interior import would pass over for their base's kind.
void CheckDecorKinds(const std::vector<DecorItem>& theItems, const std::vector<std::string>& theLines,
                     const OfflineGame& theGame, CheckReport& theReport);

}  // namespace zorvane::shipfile

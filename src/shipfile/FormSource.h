#pragma once
// Where the readers of ship files get their forms: the running game, or, for a ship-file
// checker without the game, forms of its own. The parse of ship file lines reaches the game
// only through this seam.

#include <cstdint>
#include <optional>
#include <string>

#include "game/Types.h"

namespace zorvane {

class FormSource {
 public:
  virtual ~FormSource() = default;
  // The form a line's form reference names (the ID between its last two bars, the plugin
  // file after the last); null, after the resolution's own log lines, when there is none.
  virtual game::TESForm* ResolveFormRef(const std::string& sLine) = 0;
  // The form's type code; nothing when it cannot be known.
  virtual std::optional<uint8_t> GetFormType(game::TESForm* theForm) = 0;
  // The game's checked cast to a bound object.
  virtual game::TESForm* CastToBoundObject(game::TESForm* theForm) = 0;
};

// The forms of the running game.
FormSource& GetGameFormSource();

}  // namespace zorvane

#pragma once
// The layout line dispatch: what one line of a ship file says, checked and stored in the
// layout record set. It reaches the game only through a FormSource, the seam where a
// ship-file checker without the game puts forms of its own.

#include <cstdint>
#include <optional>
#include <string>

#include "game/Types.h"
#include "ship/LayoutRecords.h"

namespace zorvane {

// The function field of the layout import's log lines.
inline constexpr const char* kImportLayoutFunction = "ImportShipLayoutToBaseOfRef";

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

// Handles one non-empty line: every group whose keys it carries reads, checks and stores its
// value. False after a failed check, which logged its one error naming the problem and the
// line: the import then ends without changing the game. An error raised inside a group is
// logged with the group's name and the line, and the next group goes on.
bool DispatchLayoutLine(const std::string& sLine, ShipLayoutRecords& theRecords, FormSource& theForms);

}  // namespace zorvane

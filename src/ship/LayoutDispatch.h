#pragma once
// The layout line dispatch: what one line of a ship file says, checked and stored in the
// layout record set. It reaches the game only through a FormSource (FormSource.h).

#include <string>

#include "ship/FormSource.h"
#include "ship/LayoutRecords.h"

namespace zorvane {

// The function field of the layout import's log lines.
inline constexpr const char* kImportLayoutFunction = "ImportShipLayoutToBaseOfRef";

// Handles one non-empty line: every group whose keys it carries reads, checks and stores its
// value. False after a failed check, which logged its one error naming the problem and the
// line: the import then ends without changing the game. An error raised inside a group is
// logged with the group's name and the line, and the next group goes on.
bool DispatchLayoutLine(const std::string& sLine, ShipLayoutRecords& theRecords, FormSource& theForms);

}  // namespace zorvane

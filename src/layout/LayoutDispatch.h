#pragma once
// The layout line dispatch: what one line of a ship file says, checked and stored in the
// layout record set. It reaches the game only through a FormSource (FormSource.h).

#include <string>

#include "layout/LayoutRecords.h"
#include "shipfile/FormSource.h"

namespace zorvane {

// The function field of the layout import's log lines.
inline constexpr const char* kImportLayoutFunction = "ImportShipLayoutToBaseOfRef";

// Handles one non-empty line: every group whose keys it carries reads, checks and stores its
// value. False after a failed check, which logged its one error naming the problem and the
// line: the import then ends without changing the game. An error raised inside a group is
// logged with the group's name and the line, and the next group goes on.
bool DispatchLayoutLine(const std::string& sLine, ShipLayoutRecords& theRecords, FormSource& theForms);

// After the last line: false, after its error line, when the records are no whole ship: no
// module at all (with `bLoneCRLineEnds`, a second line says why the file read as one line),
// or an entry without one of the field lines the export writes for each ("incomplete entry |
// Blueprint.data[2]: no .item line").
bool CheckWholeLayout(const ShipLayoutRecords& theRecords, bool bLoneCRLineEnds);

}  // namespace zorvane

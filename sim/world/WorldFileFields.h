#pragma once
// The fields of game structures as world files name them: each field is read from the
// member of its name into the structure's memory at its offset, and written back the same
// way. Element fields come from the ship file's field tables (shipfile/ShipFileSchema.h), so a
// world file names every field exactly as a ship file does.

#include <span>
#include <vector>

#include "WorldFileJson.h"
#include "shipfile/ShipFileSchema.h"

namespace sim::worldfile {

using zorvane::ElementField;
using zorvane::FieldKind;
using Fields = std::span<const ElementField>;

// Reads the members of `theValue` named by `theFields` into the object at `theObject`; the
// object may have `theOthers` as further members, which the caller reads. Fields a file
// leaves out keep their value. A form is given as a form ID or null; an address field as
// true or false (whether the game's object exists).
void ReadFields(World& theWorld, void* theObject, const json& theValue, const Where& theWhere, Fields theFields,
                std::vector<const char*> theOthers = {});

// Every field of the object, as ReadFields reads it.
json DumpFields(const void* theObject, Fields theFields);

}  // namespace sim::worldfile

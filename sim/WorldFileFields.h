#pragma once
// The fields of game structures as world files name them: each field is read from the
// member of its name into the structure's memory at its offset, and written back the same
// way, so one list per structure serves both directions.

#include <cstddef>
#include <vector>

#include "WorldFileJson.h"

namespace sim::worldfile {

enum class FieldKind {
  kFloat,
  kByte,
  kUInt32,
  kInt32,
  kUInt64,
  kForm,    // a form pointer, given as a form ID or null
  kString,  // an interned string (ReadString)
  kBlock,   // 80 bytes: 160 hexadecimal digits or a list of 80 bytes
};

struct Field {
  const char* sName;
  std::size_t uOffset;
  FieldKind eKind;
};

using Fields = std::vector<Field>;

// Reads the members of `theValue` named by `theFields` into the object at `theObject`; the
// object may have `theOthers` as further members, which the caller reads. Fields a file
// leaves out keep their value.
void ReadFields(World& theWorld, void* theObject, const json& theValue, const Where& theWhere, const Fields& theFields,
                std::vector<const char*> theOthers = {});

// Every field of the object, as ReadFields reads it.
json DumpFields(const void* theObject, const Fields& theFields);

}  // namespace sim::worldfile

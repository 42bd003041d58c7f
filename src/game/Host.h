#pragma once
// The table through which the plugin reaches the game, made from the operation list
// (HostOperations.h). Entries are plain C function pointers so the table means the same bytes
// on both sides of the module boundary, whichever compiler built each side.
//
// Component lookup (GetComponentByTypeName): the address returned for a base form and a
// component type name (Components.h) is the address of that component's own data inside the
// form, the first byte of the struct Components.h declares for it; null when the form has no
// component of that type, or fewer than `uIndex` + 1 of them.

#include <cstddef>
#include <cstdint>

#include "game/HostOperations.h"

namespace game {

extern "C" {

struct Host {
  uint32_t uVersion;  // kHostVersion
  uint32_t uSize;     // sizeof(Host) as the game built it
#define ZV_HOST_ENTRY(uOffset, Result, Name, Parameters, Arguments) Result(*Name) Parameters;
  ZV_HOST_OPERATIONS(ZV_HOST_ENTRY)
#undef ZV_HOST_ENTRY
};
static_assert(offsetof(Host, uVersion) == 0x00);
static_assert(offsetof(Host, uSize) == 0x04);

}  // extern "C"

// Every entry stands where the list says: a list edited in the wrong place fails here.
#define ZV_HOST_OFFSET(uOffset, Result, Name, Parameters, Arguments) \
  static_assert(offsetof(Host, Name) == (uOffset), "host entry " #Name " is out of place");
ZV_HOST_OPERATIONS(ZV_HOST_OFFSET)
#undef ZV_HOST_OFFSET

inline constexpr uint32_t kHostVersion = 5;

// The name under which the game image exports its table.
inline constexpr const char* kHostExportName = "ZorvaneGameHost";

}  // namespace game

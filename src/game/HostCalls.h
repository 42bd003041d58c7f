#pragma once
// The plugin's calls through the bound table: one function per operation of the list, taking
// the entry's own parameters. Only the area wrappers (Files.h, Forms.h, References.h, ...)
// call them; everything else uses the wrappers, which answer for null objects.

#include "game/HostOperations.h"

namespace game::host {

#define ZV_HOST_CALL(uOffset, Result, Name, Parameters, Arguments) Result Name Parameters;
ZV_HOST_OPERATIONS(ZV_HOST_CALL)
#undef ZV_HOST_CALL

}  // namespace game::host

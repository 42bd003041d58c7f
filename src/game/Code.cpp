#include "game/Code.h"

#include "game/HostCalls.h"

namespace game {

uintptr_t GetPilotingCallSite() { return host::GetPilotingCallSite(); }
PilotingCheck GetPilotingCheck() { return reinterpret_cast<PilotingCheck>(host::GetPilotingCheck()); }

}  // namespace game

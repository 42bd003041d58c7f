// The simulated game's operation table, made from the operation list: each entry tells the
// current world which operation runs (so a test can make it fail) and calls the operation of
// the same name (HostOperations.h).
#include <stdexcept>

#include "HostOperations.h"

namespace sim {
namespace {

World* gWorld = nullptr;
void (*gConsoleSink)(const std::string&) = nullptr;

}  // namespace

World* GetCurrentWorld() { return gWorld; }
void SetCurrentWorld(World* theWorld) { gWorld = theWorld; }
void SetConsoleSink(void (*OnLine)(const std::string& sLine)) { gConsoleSink = OnLine; }

namespace host {

World& GetWorld() {
  if (gWorld == nullptr) throw std::logic_error("the game's operations were called without a current world");
  return *gWorld;
}

void PrintToConsoleSink(const std::string& sText) {
  if (gConsoleSink != nullptr) gConsoleSink(sText);
}

}  // namespace host
}  // namespace sim

// The game image exports its table under this name; the plugin binds to it at load.
#if defined(_WIN32)
#define SIM_EXPORT __declspec(dllexport)
#else
#define SIM_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
SIM_EXPORT extern game::Host ZorvaneGameHost;

using namespace game;  // the operation list names the game's types unqualified

// Not constant: a session or test may take an operation out to see the plugin refuse a
// table that lacks it (RemoveHostOperation).
game::Host ZorvaneGameHost = {.uVersion = game::kHostVersion,
                              .uSize = sizeof(game::Host),
#define ZV_SIM_ENTRY(uOffset, Result, Name, Parameters, Arguments) \
  .Name = [] Parameters -> Result {                                \
    sim::host::GetWorld().EnterOperation(#Name);                   \
    return sim::host::Name Arguments;                              \
  },
                              ZV_HOST_OPERATIONS(ZV_SIM_ENTRY)
#undef ZV_SIM_ENTRY
};
}

namespace sim {
namespace {

const game::Host kCompleteHost = ZorvaneGameHost;

}  // namespace

const game::Host& GetHostTable() { return ZorvaneGameHost; }

bool RemoveHostOperation(const std::string& sName) {
#define ZV_SIM_REMOVE(uOffset, Result, Name, Parameters, Arguments) \
  if (sName == #Name) {                                             \
    ZorvaneGameHost.Name = nullptr;                                 \
    return true;                                                    \
  }
  ZV_HOST_OPERATIONS(ZV_SIM_REMOVE)
#undef ZV_SIM_REMOVE
  return false;
}

void RestoreHostOperations() { ZorvaneGameHost = kCompleteHost; }

}  // namespace sim

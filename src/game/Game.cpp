#include "game/Game.h"

#include <cstddef>

#include "platform/Platform.h"

namespace game {
namespace {

const Host* gHost = nullptr;

// The entry `field` of the bound table, or null when the table is unbound, the game built
// a shorter table or left the entry empty.
template <typename Fn>
Fn GetEntry(Fn Host::*field, std::size_t uOffset) {
  if (gHost == nullptr || uOffset + sizeof(Fn) > gHost->uSize) {
    return nullptr;
  }
  return gHost->*field;
}

#define ZORVANE_HOST_ENTRY(name) GetEntry(&Host::name, offsetof(Host, name))

}  // namespace

bool BindHostFromImage(uintptr_t uImageBase) {
  auto* theHost = static_cast<const Host*>(platform::FindImageExport(uImageBase, kHostExportName));
  if (theHost == nullptr || theHost->uVersion != kHostVersion || theHost->uSize < offsetof(Host, GetDataHandler)) {
    return false;
  }
  gHost = theHost;
  return true;
}

void BindHost(const Host* theHost) { gHost = theHost; }

const Host* GetHost() { return gHost; }

TESDataHandler* GetDataHandler() {
  auto fn = ZORVANE_HOST_ENTRY(GetDataHandler);
  return fn ? fn() : nullptr;
}

TESForm* LookupFormByID(uint32_t uFormID) {
  auto fn = ZORVANE_HOST_ENTRY(LookupFormByID);
  return fn ? fn(uFormID) : nullptr;
}

TESForm** GetPilotingPerkSlot() {
  auto fn = ZORVANE_HOST_ENTRY(GetPilotingPerkSlot);
  return fn ? fn() : nullptr;
}

ConsoleLog* GetConsoleLog() {
  auto fn = ZORVANE_HOST_ENTRY(GetConsoleLog);
  return fn ? fn() : nullptr;
}

void PrintConsoleLine(ConsoleLog* theConsole, const std::string& sText) {
  auto fn = ZORVANE_HOST_ENTRY(PrintConsoleLine);
  if (fn != nullptr && theConsole != nullptr) {
    fn(theConsole, sText.c_str());
  }
}

}  // namespace game

#include "game/Binding.h"

#include <stdexcept>

#include "game/HostCalls.h"
#include "platform/Platform.h"

namespace game {
namespace {

const Host* gHost = nullptr;

// The bound table. The plugin refuses to load without one, so only a test that forgot to bind
// reaches the throw; it is not a way of answering "nothing".
const Host& GetBoundHost() {
  if (gHost == nullptr) throw std::logic_error("the game interface is not bound");
  return *gHost;
}

}  // namespace

bool IsCompleteHost(const Host& theHost) {
  if (theHost.uVersion != kHostVersion || theHost.uSize != sizeof(Host)) return false;
#define ZV_HOST_PRESENT(uOffset, Result, Name, Parameters, Arguments) \
  if (theHost.Name == nullptr) return false;
  ZV_HOST_OPERATIONS(ZV_HOST_PRESENT)
#undef ZV_HOST_PRESENT
  return true;
}

bool BindHost(const Host* theHost) {
  if (theHost != nullptr && !IsCompleteHost(*theHost)) return false;
  gHost = theHost;
  return true;
}

bool BindHostFromImage(uintptr_t uImageBase) {
  const auto* theHost = static_cast<const Host*>(platform::FindImageExport(uImageBase, kHostExportName));
  return theHost != nullptr && BindHost(theHost);
}

namespace host {

#define ZV_HOST_CALL(uOffset, Result, Name, Parameters, Arguments) \
  Result Name Parameters { return GetBoundHost().Name Arguments; }
ZV_HOST_OPERATIONS(ZV_HOST_CALL)
#undef ZV_HOST_CALL

}  // namespace host
}  // namespace game

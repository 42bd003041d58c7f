// The simulated game's heap: a free of a block it never gave, or of one already freed, is
// reported and ignored.
#include <new>

#include "HostOperations.h"

namespace sim::host {

void* HeapAllocate(uint64_t uSize) {
  try {
    return GetWorld().theHeap.Allocate(static_cast<std::size_t>(uSize));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void HeapFree(void* theBlock) {
  World& theWorld = GetWorld();
  if (theBlock == nullptr) return;
  switch (theWorld.theHeap.Free(theBlock)) {
    case GameHeap::FreeResult::kFreed: break;
    case GameHeap::FreeResult::kNotFromHeap:
      theWorld.ReportViolation(std::string(__func__) + " freed memory the game heap never gave out");
      break;
    case GameHeap::FreeResult::kFreedTwice:
      theWorld.ReportViolation(std::string(__func__) + " freed a block of the game heap twice");
      break;
  }
}

}  // namespace sim::host

#include "game/Memory.h"

#include "game/HostCalls.h"

namespace game {

void* AllocateGameMemory(std::size_t uSize) {
  void* theBlock = host::HeapAllocate(uSize);
  if (theBlock == nullptr) throw std::bad_alloc();
  return theBlock;
}

void FreeGameMemory(void* theBlock) {
  if (theBlock != nullptr) host::HeapFree(theBlock);
}

}  // namespace game

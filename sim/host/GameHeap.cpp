#include "GameHeap.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace sim {

GameHeap::~GameHeap() {
  for (auto& [theBlock, uSize] : theBlocks) std::free(theBlock);
}

void* GameHeap::Allocate(std::size_t uSize) {
  void* theBlock = std::malloc(uSize == 0 ? 1 : uSize);
  if (theBlock == nullptr) throw std::bad_alloc();
  std::memset(theBlock, kPoison, uSize == 0 ? 1 : uSize);
  theBlocks[theBlock] = uSize;
  theFreed.erase(reinterpret_cast<uintptr_t>(theBlock));
  return theBlock;
}

GameHeap::FreeResult GameHeap::Free(void* theBlock) {
  const auto uAddress = reinterpret_cast<uintptr_t>(theBlock);
  auto it = theBlocks.find(theBlock);
  if (it == theBlocks.end()) {
    return theFreed.count(uAddress) != 0 ? FreeResult::kFreedTwice : FreeResult::kNotFromHeap;
  }
  theBlocks.erase(it);
  theFreed.insert(uAddress);
  std::free(theBlock);
  return FreeResult::kFreed;
}

}  // namespace sim

#pragma once
// The game heap and the game's dynamic arrays (GameArray, Types.h), whose storage lives on
// that heap: the plugin grows them the way the game does, and frees only what the game heap
// gave.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <type_traits>

#include "game/Types.h"

namespace game {

// A block of the game heap, its bytes not cleared; raises std::bad_alloc when the heap is
// exhausted, so a failed allocation can never pass for storage.
void* AllocateGameMemory(std::size_t uSize);
// Gives a block back to the game heap; nothing for null.
void FreeGameMemory(void* theBlock);

// Empties the array and keeps its storage; nothing the old elements held is released.
template <typename T>
void Clear(GameArray<T>& theArray) {
  theArray.uCount = 0;
}

// Copies `theItem` behind the last element. When the array is full, its storage first grows
// to max(count + 1, 2 x capacity) elements, taken from the game heap; the elements move over
// and the old storage goes back to the game heap.
template <typename T>
void Append(GameArray<T>& theArray, const T& theItem) {
  static_assert(std::is_trivially_copyable_v<T>, "game elements are plain data");
  // The item may be an element of this very array, whose storage is about to move.
  const T theCopy = theItem;
  if (theArray.uCount >= theArray.uCapacity) {
    if (theArray.uCount == UINT32_MAX) throw std::length_error("game array is full");
    const uint64_t uGrown = std::max<uint64_t>(uint64_t{theArray.uCount} + 1, uint64_t{theArray.uCapacity} * 2);
    const uint32_t uCapacity = static_cast<uint32_t>(std::min<uint64_t>(uGrown, UINT32_MAX));
    T* theStorage = static_cast<T*>(AllocateGameMemory(sizeof(T) * uCapacity));
    if (theArray.uCount != 0) std::memcpy(theStorage, theArray.theData, sizeof(T) * theArray.uCount);
    FreeGameMemory(theArray.theData);
    theArray.theData = theStorage;
    theArray.uCapacity = uCapacity;
  }
  std::memcpy(static_cast<void*>(theArray.theData + theArray.uCount), &theCopy, sizeof(T));
  ++theArray.uCount;
}

}  // namespace game

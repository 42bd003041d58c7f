#pragma once
// The game's heap. It hands out poisoned memory, as a real heap hands out whatever was there
// before, so code that reads memory it never wrote sees garbage here too; it knows every live
// block, so freeing a block it never gave, or freeing one twice, is seen instead of
// corrupting memory.

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace sim {

class GameHeap {
 public:
  // The byte every new block is filled with.
  static constexpr uint8_t kPoison = 0xBD;

  enum class FreeResult { kFreed, kNotFromHeap, kFreedTwice };

  GameHeap() = default;
  GameHeap(const GameHeap&) = delete;
  GameHeap& operator=(const GameHeap&) = delete;
  ~GameHeap();

  // A block of `uSize` bytes, each kPoison; std::bad_alloc when the system has no memory.
  void* Allocate(std::size_t uSize);
  FreeResult Free(void* theBlock);

  bool Owns(const void* theBlock) const { return theBlocks.count(const_cast<void*>(theBlock)) != 0; }
  // The live blocks, by address, with their sizes. A block the game itself would leak is no
  // misuse of the plugin's, so this is information, not a failure.
  const std::map<void*, std::size_t>& GetLiveBlocks() const { return theBlocks; }

  // The game making an object of its own: constructed, so every field has its value.
  template <typename T>
  T* New() {
    static_assert(std::is_trivially_copyable_v<T>, "game objects are plain data");
    return new (Allocate(sizeof(T))) T{};
  }
  template <typename T>
  T* NewArray(std::size_t uCount) {
    static_assert(std::is_trivially_copyable_v<T>, "game objects are plain data");
    T* theItems = static_cast<T*>(Allocate(sizeof(T) * uCount));
    for (std::size_t i = 0; i < uCount; ++i) new (theItems + i) T{};
    return theItems;
  }

 private:
  std::map<void*, std::size_t> theBlocks;
  // Addresses of freed blocks not handed out again (kept as numbers: a freed pointer is never
  // used, only compared).
  std::set<uintptr_t> theFreed;
};

}  // namespace sim

#pragma once
// The game's heap: every block it hands out is tracked, so a session can tell what is still
// allocated and a free of memory it never gave out is caught.

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <type_traits>

namespace sim {

class GameHeap {
 public:
  GameHeap() = default;
  GameHeap(const GameHeap&) = delete;
  GameHeap& operator=(const GameHeap&) = delete;
  ~GameHeap() {
    for (auto& [theBlock, uSize] : theBlocks) std::free(theBlock);
  }

  // Zero-filled memory of `uSize` bytes.
  void* Allocate(std::size_t uSize) {
    void* theBlock = std::calloc(1, uSize == 0 ? 1 : uSize);
    if (theBlock == nullptr) throw std::bad_alloc();
    theBlocks[theBlock] = uSize;
    return theBlock;
  }

  // False when the block did not come from this heap (and nothing is freed).
  bool Free(void* theBlock) {
    if (theBlock == nullptr) return true;
    auto it = theBlocks.find(theBlock);
    if (it == theBlocks.end()) return false;
    std::free(theBlock);
    theBlocks.erase(it);
    return true;
  }

  bool Owns(const void* theBlock) const { return theBlocks.count(const_cast<void*>(theBlock)) != 0; }
  std::size_t GetLiveCount() const { return theBlocks.size(); }

  // Game objects are plain data: zero-filled memory is a valid value of each.
  template <typename T>
  T* New() {
    static_assert(std::is_trivially_copyable_v<T>);
    return static_cast<T*>(Allocate(sizeof(T)));
  }
  template <typename T>
  T* NewArray(std::size_t uCount) {
    static_assert(std::is_trivially_copyable_v<T>);
    return static_cast<T*>(Allocate(sizeof(T) * uCount));
  }

 private:
  std::map<void*, std::size_t> theBlocks;
};

}  // namespace sim

#include "AllocationCounter.h"

#if defined(ZORVANE_COUNT_ALLOCATIONS)
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> gHeld{0};
std::atomic<std::size_t> gPeak{0};
std::size_t gBase = 0;

void* Allocate(std::size_t uSize) {
  void* theBlock = std::malloc(uSize == 0 ? 1 : uSize);
  if (theBlock == nullptr) throw std::bad_alloc();
  const std::size_t uHeld = gHeld += malloc_usable_size(theBlock);
  std::size_t uPeak = gPeak;
  while (uHeld > uPeak && !gPeak.compare_exchange_weak(uPeak, uHeld)) {
  }
  return theBlock;
}

void Release(void* theBlock) noexcept {
  if (theBlock == nullptr) return;
  gHeld -= malloc_usable_size(theBlock);
  std::free(theBlock);
}

}  // namespace

void* operator new(std::size_t uSize) { return Allocate(uSize); }
void* operator new[](std::size_t uSize) { return Allocate(uSize); }
void operator delete(void* theBlock) noexcept { Release(theBlock); }
void operator delete[](void* theBlock) noexcept { Release(theBlock); }
void operator delete(void* theBlock, std::size_t) noexcept { Release(theBlock); }
void operator delete[](void* theBlock, std::size_t) noexcept { Release(theBlock); }

namespace sim {

bool IsCountingAllocations() { return true; }
void ResetAllocationPeak() { gPeak = gBase = gHeld; }
std::size_t GetAllocationPeakAbove() { return gPeak - gBase; }

}  // namespace sim
#else
namespace sim {

bool IsCountingAllocations() { return false; }
void ResetAllocationPeak() {}
std::size_t GetAllocationPeakAbove() { return 0; }

}  // namespace sim
#endif

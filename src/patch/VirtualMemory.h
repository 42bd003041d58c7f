#pragma once
// The virtual memory the branch trampoline works in: the game image's base, the regions below
// it, executable memory placed there, and the protection of the game's code. The system's
// memory is one; tests hand the trampoline a memory map of their own.

#include <cstddef>
#include <cstdint>

#include "platform/Platform.h"

namespace zorvane {

class VirtualMemory {
 public:
  virtual ~VirtualMemory() = default;
  virtual uintptr_t GetImageBase() = 0;
  // The region that holds `uAddress`; false, with the system's error code, when it cannot be
  // asked.
  virtual bool Query(uintptr_t uAddress, platform::MemoryRegion& theRegion, uint32_t& uError) = 0;
  // `uSize` bytes reserved and committed, readable, writable and executable, at `uAddress` as
  // the system places them; null, with the system's error code, on failure.
  virtual void* Allocate(uintptr_t uAddress, std::size_t uSize, uint32_t& uError) = 0;
  virtual bool Protect(void* theMemory, std::size_t uSize, platform::Protection eProtection,
                       platform::Protection* ePrevious) = 0;
};

// The process's own memory, through the platform.
VirtualMemory& GetSystemMemory();

}  // namespace zorvane

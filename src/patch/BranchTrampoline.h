#pragma once
// Redirecting a 5-byte relative call of the game's code to a function of the plugin, which
// may lie anywhere in the address space: the call goes to a 14-byte thunk in a pool of
// executable memory within reach below the game image, and the thunk jumps on through a 64-bit
// address. Diagnostics go to standard output; misuse ends the process (an assertion).

#include <cstddef>
#include <cstdint>

#include "patch/VirtualMemory.h"

namespace zorvane {

class BranchTrampoline {
 public:
  static constexpr std::size_t kPoolSize = 256;
  static constexpr std::size_t kThunkSize = 14;

  explicit BranchTrampoline(VirtualMemory& theMemory) : theMemory(theMemory) {}

  // Takes the highest free 256 bytes below the game image, at most 2 GiB - 128 MiB below it,
  // walking down region by region. Nothing when the pool exists already. Whether it exists.
  bool CreatePool();
  // 14 fresh bytes of the pool.
  void* AllocateThunk();
  // A thunk to `uTarget`, and the call at `uCallSite` turned to it. False, with the game's code
  // untouched, when the call site cannot be made writable.
  bool WriteCallToThunk(uintptr_t uCallSite, uintptr_t uTarget);

  void* GetBase() const { return m_base; }
  std::size_t GetUsed() const { return uUsed; }

 private:
  VirtualMemory& theMemory;
  void* m_base = nullptr;
  std::size_t uSize = 0;
  std::size_t uUsed = 0;
};

// The process's one pool, in the process's own memory.
BranchTrampoline& GetBranchTrampoline();

// A diagnostic line on standard output, formatted printf-style (at most 8191 characters).
void PrintDiagnostic(const char* sFormat, ...);

}  // namespace zorvane

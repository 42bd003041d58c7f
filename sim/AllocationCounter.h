#pragma once
// The bytes the process holds on the C++ heap, counted by the simulated game's executable
// (natively, where it can replace the allocation functions for the plugin too): what a
// command needs beyond what was there before it.

#include <cstddef>

namespace sim {

// False where the counting is not built in (the Windows build, the sanitizer build).
bool IsCountingAllocations();
// Starts a new peak at the bytes held now; the peak's height above them.
void ResetAllocationPeak();
std::size_t GetAllocationPeakAbove();

}  // namespace sim

#include "patch/BranchTrampoline.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace zorvane {
namespace {

// The lowest address a pool may have: 2 GiB - 128 MiB below the image, leaving room for the
// image itself within the reach of a 32-bit displacement.
constexpr uintptr_t kMaxDistance = 0x78000000;
constexpr uintptr_t kPageSize = 0x1000;  // of x64 code pages, on Windows and Linux alike

class SystemMemory final : public VirtualMemory {
 public:
  uintptr_t GetImageBase() override { return platform::GetGameImageBase(); }
  bool Query(uintptr_t uAddress, platform::MemoryRegion& theRegion, uint32_t& uError) override {
    if (platform::QueryMemory(uAddress, theRegion)) return true;
    uError = platform::GetLastSystemError();
    return false;
  }
  void* Allocate(uintptr_t uAddress, std::size_t uSize, uint32_t& uError) override {
    void* theMemory = platform::AllocateMemory(uAddress, uSize, platform::Protection::kReadWriteExecute);
    if (theMemory == nullptr) uError = platform::GetLastSystemError();
    return theMemory;
  }
  bool Protect(void* theMemory, std::size_t uSize, platform::Protection eProtection,
               platform::Protection* ePrevious) override {
    return platform::ProtectMemory(theMemory, uSize, eProtection, ePrevious);
  }
};

[[noreturn]] void FailAssertion(const char* sFile, int iLine, const char* sExpression) {
  PrintDiagnostic("Assertion failed in %s (%d): %s", sFile, iLine, sExpression);
  __builtin_trap();
}

#define ZV_ASSERT(bCondition) ZV_ASSERT_TEXT(bCondition, #bCondition)
#define ZV_ASSERT_TEXT(bCondition, sExpression) \
  if (!(bCondition)) FailAssertion(__FILE__, __LINE__, sExpression)

}  // namespace

void PrintDiagnostic(const char* sFormat, ...) {
  static char sBuffer[8192];
  va_list theArguments;
  va_start(theArguments, sFormat);
  std::vsnprintf(sBuffer, sizeof(sBuffer) - 1, sFormat, theArguments);
  va_end(theArguments);
  std::strcat(sBuffer, "\n");
  std::fputs(sBuffer, stdout);
  std::fflush(stdout);
}

VirtualMemory& GetSystemMemory() {
  static SystemMemory theMemory;
  return theMemory;
}

bool BranchTrampoline::CreatePool() {
  const uintptr_t uBase = theMemory.GetImageBase();
  const uintptr_t uLowest = uBase >= kMaxDistance ? uBase - kMaxDistance : 0;
  uintptr_t uAddress = uBase - 1;
  while (m_base == nullptr) {
    platform::MemoryRegion theRegion;
    uint32_t uError = 0;
    if (!theMemory.Query(uAddress, theRegion, uError)) {
      PrintDiagnostic("VirtualQuery failed: %08X", uError);
      break;
    }
    if (theRegion.bFree && theRegion.uSize >= kPoolSize) {
      // The top of the free region.
      uAddress = theRegion.uBase + theRegion.uSize - kPoolSize;
      m_base = theMemory.Allocate(uAddress, kPoolSize, uError);
      if (m_base != nullptr) {
        uSize = kPoolSize;
        uUsed = 0;
      } else {
        // The Windows runtime's 64-bit format, made the same everywhere.
        PrintDiagnostic("trampoline alloc %016llXx%016llX failed (%08X)", static_cast<unsigned long long>(uAddress),
                        static_cast<unsigned long long>(kPoolSize), uError);
      }
    }
    if (m_base == nullptr) {
      uAddress = theRegion.uBase - 1;
      if (theRegion.uBase == 0 || uAddress < uLowest) {
        PrintDiagnostic("couldn't allocate trampoline, no free space before image");
        break;
      }
    }
  }
  return m_base != nullptr;
}

void* BranchTrampoline::AllocateThunk() {
  ZV_ASSERT(m_base);
  void* result = uSize - uUsed >= kThunkSize ? static_cast<uint8_t*>(m_base) + uUsed : nullptr;
  ZV_ASSERT(result);
  uUsed += kThunkSize;
  return result;
}

bool BranchTrampoline::WriteCallToThunk(uintptr_t uCallSite, uintptr_t uTarget) {
  auto* theThunk = static_cast<uint8_t*>(AllocateThunk());
  // jmp qword ptr [rip + 0], then the target's address.
  const uint8_t kJump[6] = {0xFF, 0x25, 0x00, 0x00, 0x00, 0x00};
  std::memcpy(theThunk, kJump, sizeof(kJump));
  std::memcpy(theThunk + sizeof(kJump), &uTarget, sizeof(uTarget));

  const int64_t trampolineDispl = static_cast<int64_t>(reinterpret_cast<uintptr_t>(theThunk) - uCallSite - 5);
  ZV_ASSERT_TEXT((trampolineDispl >= INT32_MIN) && (trampolineDispl <= INT32_MAX),
                 "(trampolineDispl >= _I32_MIN) && (trampolineDispl <= _I32_MAX)");
  // The five bytes may straddle two pages whose protections differ: each page is made writable
  // on its own, and given its own protection back.
  struct Span {
    uint8_t* theStart;
    std::size_t uSize;
    platform::Protection eOld;
  };
  const uintptr_t uSecondPage = (uCallSite + 4) & ~(kPageSize - 1);
  Span theSpans[2] = {
      {reinterpret_cast<uint8_t*>(uCallSite), 5, platform::Protection::kReadExecute},
      {reinterpret_cast<uint8_t*>(uSecondPage), uCallSite + 5 - uSecondPage, platform::Protection::kReadExecute}};
  const std::size_t uSpans = uSecondPage > uCallSite ? 2 : 1;
  if (uSpans == 2) theSpans[0].uSize = uSecondPage - uCallSite;
  for (std::size_t i = 0; i < uSpans; ++i) {
    if (!theMemory.Protect(theSpans[i].theStart, theSpans[i].uSize, platform::Protection::kReadWriteExecute,
                           &theSpans[i].eOld)) {
      while (i-- > 0) theMemory.Protect(theSpans[i].theStart, theSpans[i].uSize, theSpans[i].eOld, nullptr);
      return false;
    }
  }
  // call rel32: the opcode and three displacement bytes in one store, then the last byte.
  auto* theSite = reinterpret_cast<uint8_t*>(uCallSite);
  const auto uDisplacement = static_cast<uint32_t>(trampolineDispl);
  const uint32_t uFirst = 0xE8u | (uDisplacement << 8);
  std::memcpy(theSite, &uFirst, sizeof(uFirst));
  theSite[4] = static_cast<uint8_t>(uDisplacement >> 24);
  for (std::size_t i = 0; i < uSpans; ++i) {
    theMemory.Protect(theSpans[i].theStart, theSpans[i].uSize, theSpans[i].eOld, nullptr);
  }
  // The processor may hold the old instruction bytes.
  platform::FlushInstructionCache(theSite, 5);
  return true;
}

BranchTrampoline& GetBranchTrampoline() {
  static BranchTrampoline theTrampoline(GetSystemMemory());
  return theTrampoline;
}

}  // namespace zorvane

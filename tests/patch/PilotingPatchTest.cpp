// The branch trampoline against memory maps made up here: where the pool goes, what it says
// when it cannot, the thunk and call bytes, and the misuse that ends the process; and the
// piloting patch's installation over it. (Every settings load applying the setting to the
// perk pointer, Func answering by the live setting, and the patch at work are shown by the
// piloting-patch, piloting-off-at-startup and piloting-perk-restore sessions.)
#include "patch/BranchTrampoline.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "core/Log.h"
#include "patch/PilotingSkill.h"
#include "support/PluginFixture.h"

#if defined(_WIN32)
#include <io.h>
#define dup2 _dup2
#else
#include <unistd.h>
#endif

namespace zorvane::test {
namespace {

// A memory map laid out downward from the image base: each region given by its size and
// whether it is free. Queries outside it fail with the error 0x57; allocations at the
// addresses in `theRefused` fail with 0x1E7; others succeed at the address asked for, or in
// `theBacking` when a test needs memory it can write.
class FakeMemory final : public VirtualMemory {
 public:
  FakeMemory(uintptr_t uBase, std::vector<std::pair<std::size_t, bool>> theLayout) : uBase(uBase) {
    uintptr_t uTop = uBase;
    for (const auto& [uSize, bFree] : theLayout) {
      uTop -= uSize;
      theRegions.push_back({uTop, uSize, bFree});
    }
  }
  uintptr_t GetImageBase() override { return uBase; }
  bool Query(uintptr_t uAddress, platform::MemoryRegion& theRegion, uint32_t& uError) override {
    ++iQueries;
    for (const platform::MemoryRegion& theOne : theRegions) {
      if (uAddress >= theOne.uBase && uAddress - theOne.uBase < theOne.uSize) {
        theRegion = theOne;
        return true;
      }
    }
    uError = 0x57;
    return false;
  }
  void* Allocate(uintptr_t uAddress, std::size_t, uint32_t& uError) override {
    theAllocations.push_back(uAddress);
    if (theRefused.count(uAddress) != 0) {
      uError = 0x1E7;
      return nullptr;
    }
    return theBacking != nullptr ? theBacking : reinterpret_cast<void*>(uAddress);
  }
  // A page's protection is kReadExecute unless `thePages` says otherwise.
  bool Protect(void* theStart, std::size_t uSize, platform::Protection eProtection,
               platform::Protection* ePrevious) override {
    theProtections.push_back(eProtection);
    const uintptr_t uPage = reinterpret_cast<uintptr_t>(theStart) & ~uintptr_t{0xFFF};
    theProtectedSpans.emplace_back(reinterpret_cast<uintptr_t>(theStart), uSize);
    if (ePrevious != nullptr)
      *ePrevious = thePages.count(uPage) != 0 ? thePages[uPage] : platform::Protection::kReadExecute;
    if (bProtectable) thePages[uPage] = eProtection;
    return bProtectable;
  }

  uintptr_t uBase;
  std::vector<platform::MemoryRegion> theRegions;
  std::map<uintptr_t, bool> theRefused;
  void* theBacking = nullptr;
  bool bProtectable = true;
  int iQueries = 0;
  std::vector<uintptr_t> theAllocations;
  std::vector<platform::Protection> theProtections;
  std::vector<std::pair<uintptr_t, std::size_t>> theProtectedSpans;
  std::map<uintptr_t, platform::Protection> thePages;
};

constexpr uintptr_t kBase = 0x140000000;

// The pool's base and the diagnostics its creation printed.
std::pair<uintptr_t, std::string> MakePool(FakeMemory& theMemory) {
  BranchTrampoline theTrampoline(theMemory);
  ::testing::internal::CaptureStdout();
  const bool bMade = theTrampoline.CreatePool();
  const std::string sPrinted = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(bMade, theTrampoline.GetBase() != nullptr);
  return {reinterpret_cast<uintptr_t>(theTrampoline.GetBase()), sPrinted};
}

TEST(BranchTrampolineTest, ThePoolTakesTheTopOfTheHighestFreeRegionLargeEnough) {
  // Below the image: a busy page, 255 free bytes, a busy page, exactly 256 free bytes.
  FakeMemory theMemory(kBase, {{0x1000, false}, {255, true}, {0x1000, false}, {256, true}});
  EXPECT_EQ(MakePool(theMemory), std::make_pair(kBase - 0x2000 - 255 - 256, std::string()));
  EXPECT_EQ(theMemory.theAllocations, std::vector<uintptr_t>{kBase - 0x2000 - 255 - 256});
}

TEST(BranchTrampolineTest, AFailedAllocationIsToldAndTheSearchGoesOn) {
  FakeMemory theMemory(kBase, {{0x10000, true}, {0x1000, false}, {0x10000, true}});
  theMemory.theRefused[kBase - 256] = true;
  EXPECT_EQ(MakePool(theMemory),
            std::make_pair(kBase - 0x11000 - 256,
                           std::string("trampoline alloc 000000013FFFFF00x0000000000000100 failed (000001E7)\n")));
}

TEST(BranchTrampolineTest, AnImageBelowTheReachIsSearchedDownToZero) {
  FakeMemory theMemory(0x10000000, {{0x10000000 - 0x1000, false}, {0x1000, true}});
  EXPECT_EQ(MakePool(theMemory).first, 0x1000u - 256);
  FakeMemory theFull(0x10000000, {{0x10000000, false}});
  EXPECT_EQ(MakePool(theFull),
            std::make_pair(uintptr_t{0}, std::string("couldn't allocate trampoline, no free space before image\n")));
}

TEST(BranchTrampolineTest, NoFreeSpaceWithinReachOrAFailedQueryMakesNoPool) {
  FakeMemory theFull(kBase, {{0x40000000, false}, {0x40000000, false}, {0x1000, true}});
  EXPECT_EQ(MakePool(theFull),
            std::make_pair(uintptr_t{0}, std::string("couldn't allocate trampoline, no free space before image\n")));
  EXPECT_TRUE(theFull.theAllocations.empty());
  FakeMemory theUnknown(kBase, {{0x1000, false}});
  EXPECT_EQ(MakePool(theUnknown), std::make_pair(uintptr_t{0}, std::string("VirtualQuery failed: 00000057\n")));
}

class ThunkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    theMemory.theBacking = thePool;
    ASSERT_TRUE(theTrampoline.CreatePool());
  }
  alignas(16) uint8_t thePool[BranchTrampoline::kPoolSize] = {};
  alignas(8) uint8_t theSite[5] = {0x90, 0x90, 0x90, 0x90, 0x90};
  alignas(0x1000) uint8_t theCode[0x2000] = {};  // two pages, near the pool
  FakeMemory theMemory{kBase, {{0x1000, true}}};
  BranchTrampoline theTrampoline{theMemory};
};

TEST_F(ThunkTest, TheCallGoesToAThunkThatJumpsAnywhere) {
  const uintptr_t kTargets[] = {0, 0x00007FF6A1B2C3D4, 0x8000000000000000, UINT64_MAX};
  const auto uSite = reinterpret_cast<uintptr_t>(theSite);
  for (std::size_t i = 0; i < std::size(kTargets); ++i) {
    ASSERT_TRUE(theTrampoline.WriteCallToThunk(uSite, kTargets[i]));
    const uint8_t* theThunk = thePool + i * BranchTrampoline::kThunkSize;
    uint8_t theExpected[14] = {0xFF, 0x25, 0, 0, 0, 0};
    std::memcpy(theExpected + 6, &kTargets[i], 8);
    EXPECT_EQ(std::vector<uint8_t>(theThunk, theThunk + 14), std::vector<uint8_t>(theExpected, theExpected + 14));
    const auto iDisplacement = static_cast<int32_t>(reinterpret_cast<uintptr_t>(theThunk) - uSite - 5);
    uint8_t theCall[5] = {0xE8};
    std::memcpy(theCall + 1, &iDisplacement, 4);
    EXPECT_EQ(std::vector<uint8_t>(theSite, theSite + 5), std::vector<uint8_t>(theCall, theCall + 5));
  }
  // A second pool request changes nothing: no search, the same pool, the thunks kept.
  const int iQueries = theMemory.iQueries;
  ASSERT_TRUE(theTrampoline.CreatePool());
  EXPECT_EQ(theMemory.iQueries, iQueries);
  EXPECT_EQ(theTrampoline.GetBase(), static_cast<void*>(thePool));
  EXPECT_EQ(thePool[0], 0xFF);
  // Made writable for the write, then given its old protection back.
  EXPECT_EQ(theMemory.theProtections.size(), 2 * std::size(kTargets));
  EXPECT_EQ(theMemory.theProtections[0], platform::Protection::kReadWriteExecute);
  EXPECT_EQ(theMemory.theProtections[1], platform::Protection::kReadExecute);
}

// Five bytes on two pages: each page is made writable apart and given back its own protection.
TEST_F(ThunkTest, ACallSiteOnTwoPagesKeepsEachPagesProtection) {
  const auto uPage2 = reinterpret_cast<uintptr_t>(theCode) + 0x1000;
  theMemory.thePages[uPage2] = platform::Protection::kReadOnly;
  ASSERT_TRUE(theTrampoline.WriteCallToThunk(uPage2 - 2, 0x1234));
  EXPECT_EQ(theMemory.theProtectedSpans, (std::vector<std::pair<uintptr_t, std::size_t>>{
                                             {uPage2 - 2, 2}, {uPage2, 3}, {uPage2 - 2, 2}, {uPage2, 3}}));
  EXPECT_EQ(theMemory.thePages[uPage2 - 0x1000], platform::Protection::kReadExecute);
  EXPECT_EQ(theMemory.thePages[uPage2], platform::Protection::kReadOnly);
  EXPECT_EQ(theCode[0xFFE], 0xE8);
}

TEST_F(ThunkTest, ACallSiteThatCannotBeMadeWritableIsLeftAlone) {
  theMemory.bProtectable = false;
  EXPECT_FALSE(theTrampoline.WriteCallToThunk(reinterpret_cast<uintptr_t>(theSite), 0x1234));
  EXPECT_EQ(std::vector<uint8_t>(theSite, theSite + 5), std::vector<uint8_t>(5, 0x90));
}

using ThunkDeathTest = ThunkTest;

// Misuse ends the process after the assertion's line (sent to standard error here).
TEST_F(ThunkDeathTest, MisuseEndsTheProcess) {
  const std::string sWhere = "Assertion failed in .*BranchTrampoline.cpp \\(.*\\): ";
  FakeMemory theNoMemory(kBase, {});
  BranchTrampoline theWithoutPool(theNoMemory);
  EXPECT_DEATH((dup2(2, 1), theWithoutPool.AllocateThunk()), sWhere + "m_base");
  EXPECT_DEATH(
      {
        dup2(2, 1);
        for (int i = 0; i < 19; ++i) theTrampoline.AllocateThunk();
      },
      sWhere + "result");
  const uintptr_t uFar = reinterpret_cast<uintptr_t>(thePool) + 0x100000000;
  EXPECT_DEATH((dup2(2, 1), theTrampoline.WriteCallToThunk(uFar, 0)),
               sWhere + "\\(trampolineDispl >= _I32_MIN\\) && \\(trampolineDispl <= _I32_MAX\\)");
}

class PilotingInstallDeathTest : public PluginFixture {
 protected:
  void SetUp() override {
    PluginFixture::SetUp();
    OpenLog();
  }
};

// A memory without room for the pool, or a call site that cannot be made writable: the game
// ends at the box after the error line, and the perk pointer is not touched.
TEST_F(PilotingInstallDeathTest, AnInstallationThatCannotBeMadeEndsTheGame) {
  OnBoxShown = [this](const Box& theBox) {
    std::fprintf(stderr, "%s | box: %s\n", ReadLogMessages().back().c_str(), theBox.sText.c_str());
  };
  theInterceptors.OnExit = [](int iCode) { std::_Exit(iCode); };
  game::TESForm* thePerk = theWorld->thePilotingPerk;
  alignas(16) static uint8_t thePool[BranchTrampoline::kPoolSize];  // within reach of the game's call site
  FakeMemory theFull(kBase, {{0x1000, false}});
  FakeMemory theLocked(kBase, {{0x1000, true}});
  theLocked.theBacking = thePool;
  theLocked.bProtectable = false;
  for (FakeMemory* theMemory : {&theFull, &theLocked}) {
    BranchTrampoline theTrampoline(*theMemory);
    EXPECT_EXIT(InstallNoPilotingSkillRequirement(theTrampoline), ::testing::ExitedWithCode(0),
                std::string(theMemory == &theFull ? "alloc error" : "write error") + " \\| box: INSTALLATION ERROR");
  }
  EXPECT_EQ(theWorld->thePilotingPerk, thePerk);
}

// A made installation clears the perk pointer itself, whatever a settings load did before it.
// (Run apart: the game's call site stays redirected.)
TEST_F(PilotingInstallDeathTest, AMadeInstallationClearsThePerkPointer) {
  EXPECT_EXIT(
      {
        InstallNoPilotingSkillRequirement(GetBranchTrampoline());
        const bool bDone = theWorld->thePilotingPerk == nullptr && ReadLogMessages().back() == "complete";
        std::_Exit(bDone ? 3 : 1);
      },
      ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace zorvane::test

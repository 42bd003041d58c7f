// The typed helpers for writing into the game: arrays grown through the game heap by the
// game's own rule, and interned strings whose references are all given back. The simulated
// game checks every heap block and reference count, so a helper that leaked or freed wrongly
// fails the fixture's misuse check.
#include <gtest/gtest.h>

#include "game/Memory.h"
#include "game/Strings.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

using GameMemoryTest = PluginFixture;

TEST_F(GameMemoryTest, AppendGrowsToTwiceTheCapacityThroughTheGameHeap) {
  game::GameArray<uint32_t> theArray = {0, 0, nullptr};
  std::vector<uint32_t> theCapacities;
  for (uint32_t i = 0; i < 5; ++i) {
    game::Append(theArray, i * 10);
    theCapacities.push_back(theArray.uCapacity);
  }
  EXPECT_EQ(theCapacities, (std::vector<uint32_t>{1, 2, 4, 4, 8}));
  EXPECT_EQ(std::vector<uint32_t>(theArray.theData, theArray.theData + theArray.uCount),
            (std::vector<uint32_t>{0, 10, 20, 30, 40}));
  // Only the newest storage is alive: every older one went back to the heap.
  EXPECT_EQ(theWorld->theHeap.GetLiveBlocks().size(), 1u);
  EXPECT_TRUE(theWorld->theHeap.Owns(theArray.theData));

  // An element of the array itself survives the move of the storage it lives in.
  game::Clear(theArray);
  EXPECT_EQ(theArray.uCount, 0u);
  for (uint32_t i = 0; i < 9; ++i) game::Append(theArray, i == 0 ? 7u : theArray.theData[0]);
  EXPECT_EQ(theArray.theData[8], 7u);
  EXPECT_EQ(theArray.uCapacity, 16u);
  game::FreeGameMemory(theArray.theData);
}

TEST_F(GameMemoryTest, InternedStringsTakeAndGiveBackOneReferenceEach) {
  game::BSFixedString theGameHeld = theWorld->MakeString("Old Name");
  {
    game::InternedString theName("New Name");
    game::InternedString theCopy = theName;
    EXPECT_EQ(theCopy.GetText(), "New Name");
    EXPECT_EQ(theName.GetHandle().theEntry->uRefCount, 2u);
    theName.AssignTo(theGameHeld);
    EXPECT_EQ(theCopy.GetHandle().theEntry->uRefCount, 3u);
    EXPECT_EQ(game::GetStringText(&theGameHeld), "New Name");
    game::InternedString theEmpty;
    theEmpty = theCopy;
    theEmpty = game::InternedString();
    EXPECT_TRUE(theEmpty.IsEmpty());
  }
  // The game's handle holds the only reference left; the old entry was released.
  EXPECT_EQ(theGameHeld.theEntry->uRefCount, 1u);
  EXPECT_EQ(theWorld->GetViolations(), std::vector<std::string>{});
  // The test, standing in for the game, gives its own reference back.
  theWorld->theStrings.Release(&theGameHeld, "test");
}

}  // namespace
}  // namespace zorvane::test

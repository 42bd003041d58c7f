// Telling the decoration a ship's modules bring along from what the player placed.
#include <gtest/gtest.h>

#include "forms/VanillaDecor.h"
#include "ship/ShipTest.h"

namespace zorvane::test {
namespace {

class VanillaDecorTest : public ShipTest {
 protected:
  game::TESObjectREFR* AddItemWithKinds(uint32_t uFormID, std::initializer_list<uint32_t> theKinds) {
    game::TESObjectREFR* theRef = theShip->AddDecorItem(uFormID, theShip->theShipBase);
    for (uint32_t uKind : theKinds) theWorld->AddExtraData(theRef, uKind);
    return theRef;
  }
};

TEST_F(VanillaDecorTest, NeedsAllThreeModuleKindsAndNoNonEmptyCountedList) {
  EXPECT_TRUE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000301, {221, 218, 212})));
  EXPECT_TRUE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000302, {212, 221, 218})));
  EXPECT_FALSE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000303, {221, 218})));
  EXPECT_FALSE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000304, {218, 212})));
  EXPECT_TRUE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000305, {221, 218, 212, 128})));
  game::TESObjectREFR* thePlayerItem = AddItemWithKinds(0xFF000306, {221, 218, 212});
  theWorld->AddExtraData(thePlayerItem, game::kExtraCountedList).uListCount = 1;
  EXPECT_FALSE(IsVanillaShipDecorItem(thePlayerItem));
  EXPECT_EQ(GetTimeline(), std::vector<std::string>{});
}

TEST_F(VanillaDecorTest, WithoutExtraDataLogsAndIsNotVanilla) {
  EXPECT_FALSE(IsVanillaShipDecorItem(theShip->theShipRef));
  EXPECT_FALSE(IsVanillaShipDecorItem(nullptr));
  EXPECT_EQ(GetTimeline(), std::vector<std::string>{"info:       -->   has no extra"});
}

}  // namespace
}  // namespace zorvane::test

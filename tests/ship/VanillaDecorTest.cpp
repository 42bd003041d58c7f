// Telling the decoration a ship's modules bring along from what the player placed.
#include <gtest/gtest.h>

#include "ship/VanillaDecor.h"
#include "support/ExportFixture.h"

namespace zorvane::test {
namespace {

class VanillaDecorTest : public ExportFixture {
 protected:
  game::TESObjectREFR* AddItemWithKinds(uint32_t uFormID, std::initializer_list<uint32_t> theKinds) {
    game::TESObjectREFR* theRef =
        theShip.AddDecorItem(uFormID, theShip.AddForm(uFormID & 0xFFFFFF, 40, theShip.theMaster));
    for (uint32_t uKind : theKinds) {
      auto theEntry = std::make_unique<game::BSExtraData>();
      theEntry->uKind = uKind;
      theRef->theExtra->theEntries.push_back(std::move(theEntry));
    }
    return theRef;
  }

  void SetListCount(game::TESObjectREFR* theRef, uint32_t uCount) {
    auto theEntry = std::make_unique<game::BSExtraData>();
    theEntry->uKind = game::kExtraCountedList;
    theEntry->uListCount = uCount;
    theRef->theExtra->theEntries.push_back(std::move(theEntry));
  }
};

TEST_F(VanillaDecorTest, NeedsAllThreeModuleKinds) {
  EXPECT_TRUE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000301, {221, 218, 212})));
  EXPECT_TRUE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000302, {212, 221, 218})));
  EXPECT_FALSE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000303, {221, 218})));
  EXPECT_FALSE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000304, {218, 212})));
  EXPECT_FALSE(IsVanillaShipDecorItem(AddItemWithKinds(0xFF000305, {})));
  EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{});
}

TEST_F(VanillaDecorTest, NonEmptyCountedListMakesAPlayerItem) {
  game::TESObjectREFR* theEmptyList = AddItemWithKinds(0xFF000301, {221, 218, 212});
  SetListCount(theEmptyList, 0);
  EXPECT_TRUE(IsVanillaShipDecorItem(theEmptyList));
  game::TESObjectREFR* theOneEntry = AddItemWithKinds(0xFF000302, {221, 218, 212});
  SetListCount(theOneEntry, 1);
  EXPECT_FALSE(IsVanillaShipDecorItem(theOneEntry));
}

TEST_F(VanillaDecorTest, WithoutExtraDataLogsAndIsNotVanilla) {
  game::TESObjectREFR* theRef = AddItemWithKinds(0xFF000301, {});
  theRef->theExtra.reset();
  EXPECT_FALSE(IsVanillaShipDecorItem(theRef));
  EXPECT_FALSE(IsVanillaShipDecorItem(nullptr));
  EXPECT_EQ(ReadMessagesAfterStart(), std::vector<std::string>{"      -->   has no extra"});
}

}  // namespace
}  // namespace zorvane::test

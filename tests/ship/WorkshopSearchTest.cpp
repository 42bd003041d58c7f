// Finding the ship's workshop again: the cells around the player, and the nearest reference
// with the workshop keyword among them.
#include <gtest/gtest.h>

#include <functional>

#include "interior/WorkshopSearch.h"
#include "ship/ShipTest.h"

namespace zorvane::test {
namespace {

class WorkshopSearchTest : public ShipTest {
 protected:
  // A workshop (a reference of the scene's workbench) at (x, 0, 0) in the cell; the player
  // stands at the origin.
  game::TESObjectREFR* AddWorkshop(uint32_t uFormID, game::TESObjectCELL* theCell, float fX) {
    game::TESObjectREFR* theRef = theWorld->AddReference(uFormID, theShip->theWorkshop->theBase, theCell);
    theRef->fPosition[0] = fX;
    return theRef;
  }
  game::CellManager& UseCellManager() {
    theWorld->bHasCellManager = true;
    return theWorld->theCellManager;
  }
  static std::vector<game::TESObjectCELL*> Sorted(std::vector<game::TESObjectCELL*> theCells) {
    std::sort(theCells.begin(), theCells.end(), std::less<>());
    return theCells;
  }
};

TEST_F(WorkshopSearchTest, TheNearestWinsAndOfTwoAtOneDistanceTheEarlier) {
  game::TESObjectCELL* theOther = theWorld->AddCell(0xFF000101);
  UseCellManager().theEntries = {{game::CellManager::Entry::kCell, theOther}};
  AddWorkshop(0xFF000301, theShip->theCell, 5.0f);
  game::TESObjectREFR* theNear = AddWorkshop(0xFF000302, theShip->theCell, -3.0f);
  AddWorkshop(0xFF000303, theShip->theCell, 3.0f);
  EXPECT_EQ(GetClosestWorkshopRef(nullptr), theNear);
  // At one distance in two cells: the one in the cell that comes first by address.
  game::TESObjectREFR* theOtherNear = AddWorkshop(0xFF000304, theOther, 3.0f);
  EXPECT_EQ(GetClosestWorkshopRef(theWorld->theWorkshopKeyword),
            std::less<>()(theOther, theShip->theCell) ? theOtherNear : theNear);
  EXPECT_EQ(GetClosestWorkshopRef(theShip->theExcludedRefKeyword), nullptr);
}

TEST_F(WorkshopSearchTest, CandidateCellsComeFromEverySourceOnceInAddressOrder) {
  game::TESWorldSpace* theWorldspace = theWorld->AddWorldspace(0x0000A000);
  game::TESObjectCELL* theExterior = theWorld->AddCell(0x0000A001, false);
  game::TESObjectCELL* thePersistent = theWorld->AddCell(0x0000A002, false);
  game::TESObjectCELL* theListed = theWorld->AddCell(0x0000A003);
  game::TESObjectCELL* theRefused = theWorld->AddCell(0x0000A004);
  game::TESObjectCELL* theLoaded = theWorld->AddCell(0x0000A005);
  theExterior->theWorldspace = theWorldspace;
  theWorldspace->thePersistentCell = thePersistent;
  theRefused->bAdmitted = false;
  theShip->thePlayer->theParentCell = theExterior;
  theWorld->GetOrAddCellList(theShip->thePlayer).theIDs = {0x0000A003, 0x0000A004, 0x0000C0DE, 0x12345678};
  game::CellManager& theManager = UseCellManager();
  theManager.theCurrentCell = theExterior;
  theManager.theEntries = {{game::CellManager::Entry::kCell, thePersistent},
                           {game::CellManager::Entry::kNull, nullptr},
                           {game::CellManager::Entry::kInvalid, nullptr},
                           {game::CellManager::Entry::kCell, theLoaded}};
  EXPECT_EQ(GetCandidateCells(nullptr), Sorted({theExterior, thePersistent, theListed, theLoaded}));
  // A persistent cell the game does not admit is left out.
  thePersistent->bAdmitted = false;
  theManager.theEntries.clear();
  EXPECT_EQ(GetCandidateCells(theShip->thePlayer), Sorted({theExterior, theListed}));
}

TEST_F(WorkshopSearchTest, OnlyTheManagersFirstFiftyEntriesCount) {
  game::TESObjectCELL* theLoaded = theWorld->AddCell(0xFF000101);
  game::TESObjectREFR* theWorkshop = AddWorkshop(0xFF000301, theLoaded, 1.0f);
  game::CellManager& theManager = UseCellManager();
  for (int i = 0; i < 49; ++i) {
    theManager.theEntries.push_back(
        {i % 2 == 0 ? game::CellManager::Entry::kInvalid : game::CellManager::Entry::kNull});
  }
  theManager.theEntries.push_back({game::CellManager::Entry::kCell, theLoaded});
  EXPECT_EQ(GetClosestWorkshopRef(nullptr), theWorkshop);
  theManager.theEntries.insert(theManager.theEntries.begin(), {game::CellManager::Entry::kNull});
  EXPECT_EQ(GetClosestWorkshopRef(nullptr), nullptr);
}

TEST_F(WorkshopSearchTest, APlayerWithoutCellsFindsNone) {
  AddWorkshop(0xFF000301, theShip->theCell, 1.0f);
  theShip->thePlayer->theParentCell = nullptr;
  EXPECT_EQ(GetCandidateCells(nullptr), std::vector<game::TESObjectCELL*>{});
  EXPECT_EQ(GetClosestWorkshopRef(nullptr), nullptr);
}

}  // namespace
}  // namespace zorvane::test

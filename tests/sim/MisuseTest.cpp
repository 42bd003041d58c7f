// The simulated game names every misuse the real game would not survive, each proven here by
// a deliberately wrong call through the game's table.
#include <gtest/gtest.h>

#include <cstdio>

#include "Console.h"
#include "World.h"

namespace zorvane::test {
namespace {

class MisuseTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::SetCurrentWorld(&theWorld); }
  void TearDown() override { sim::SetCurrentWorld(nullptr); }

  static std::string Address(const void* theObject) {
    char sText[32];
    std::snprintf(sText, sizeof(sText), "%p", theObject);
    return sText;
  }

  const game::Host& theHost = sim::GetHostTable();
  sim::World theWorld;
  game::TESObjectREFR* theRef = theWorld.AddReference(0xFF000001, nullptr, theWorld.AddCell(0xFF000002));
};

using Reports = std::vector<std::string>;

TEST_F(MisuseTest, StringReleasedTooOftenUsedAfterReleaseOverwrittenOrNeverGivenBack) {
  game::BSFixedString& theHeld = theWorld.AddExtraData(theRef, game::kExtraDisplayName).theString;
  theHeld = theWorld.MakeString("Name");
  game::BSFixedString theStale = theHeld;  // a copy that took no reference
  theHost.ReleaseString(&theStale);
  theHost.LockExtraListRead(&theWorld.GetOrAddExtraList(theRef));
  EXPECT_EQ(theHost.GetStringText(&theHeld), nullptr);
  theHost.UnlockExtraListRead(&theWorld.GetOrAddExtraList(theRef));
  theStale = theHeld;
  theHost.ReleaseString(&theStale);
  game::BSFixedString theKept = {nullptr};
  theHost.MakeString(&theKept, "Kept");
  // Held twice by the world, copied over a held one (whose reference is lost), given back twice.
  game::BSFixedString& theFirst = theWorld.AddExtraData(theRef, game::kExtraEditorID).theString;
  game::BSFixedString& theSecond =
      theWorld.AddExtraData(theWorld.AddReference(0xFF000003, nullptr, theRef->theParentCell), game::kExtraEditorID)
          .theString;
  theFirst = theWorld.MakeString("Twice");
  theHost.CopyString(&theSecond, &theFirst);
  theHost.CopyString(&theSecond, &theFirst);
  for (int i = 0; i < 2; ++i) {
    theStale = theFirst;
    theHost.ReleaseString(&theStale);
  }
  theWorld.CheckStrings();

  EXPECT_EQ(theWorld.GetViolations(),
            (Reports{"GetStringText used the released string \"Name\"",
                     "ReleaseString released the string \"Name\" below zero references",
                     "CopyString copied into a handle that still holds a string",
                     "the world still holds the released string \"Name\"",
                     "the string \"Kept\" has 1 references but the world holds 0: a reference was never given back",
                     "the string \"Twice\" has 1 references but the world holds 2: a reference was given back too "
                     "often"}));
}

TEST_F(MisuseTest, HeapGivesPoisonAndRefusesForeignAndDoubleFrees) {
  auto* theBlock = static_cast<uint8_t*>(theHost.HeapAllocate(16));
  EXPECT_EQ(std::vector<uint8_t>(theBlock, theBlock + 16), std::vector<uint8_t>(16, sim::GameHeap::kPoison));
  EXPECT_TRUE(theWorld.theHeap.GetLiveBlocks().count(theBlock));
  theHost.HeapFree(theBlock);
  theHost.HeapFree(theBlock);
  uint64_t uNotFromTheHeap = 0;
  theHost.HeapFree(&uNotFromTheHeap);

  EXPECT_EQ(theWorld.GetViolations(), (Reports{"HeapFree freed a block of the game heap twice",
                                               "HeapFree freed memory the game heap never gave out"}));
}

// The contents of an entry too: another of the game's threads may change them.
TEST_F(MisuseTest, ExtraDataWithoutTheLockOrUnderAHeldLock) {
  game::BSExtraData* theEntry = &theWorld.AddExtraData(theRef, game::kExtraDisplayName);
  game::ExtraDataList* theList = &theWorld.GetOrAddExtraList(theRef);
  theHost.LookupExtraData(theList, game::kExtraEditorID);
  theHost.GetStringText(theHost.GetExtraDataString(theEntry));
  theHost.GetExtraDataFormID(theEntry);
  theHost.GetExtraDataListCount(theEntry);
  theHost.UnlockExtraListRead(theList);
  theHost.LockExtraListRead(theList);
  theHost.LockExtraListWrite(theList);
  theHost.UnlockExtraListWrite(theList);
  theHost.UnlockExtraListRead(theList);
  theHost.UnlockExtraListWrite(theList);

  const std::string sEntry = " an extra-data entry of kind 150 without its list's lock";
  EXPECT_EQ(
      theWorld.GetViolations(),
      (Reports{"LookupExtraData read extra data of kind 6 without the list's lock", "GetExtraDataString read" + sEntry,
               "GetStringText read the text of" + sEntry, "GetExtraDataFormID read" + sEntry,
               "GetExtraDataListCount read" + sEntry, "UnlockExtraListRead released a read lock that was not held",
               "LockExtraListWrite waits for a lock its own thread holds",
               "UnlockExtraListWrite released a write lock that was not held"}));
}

TEST_F(MisuseTest, LockHeldAfterAConsoleCommand) {
  static game::ExtraDataList* theList = nullptr;
  theList = &theWorld.GetOrAddExtraList(theRef);
  theWorld.theConsoleCommands[0].theExecute = [](const game::CommandParam*, const uint8_t*, game::TESObjectREFR*,
                                                 game::TESObjectREFR*, void*, void*, float*, uint32_t*) {
    sim::GetHostTable().LockExtraListRead(theList);
    return true;
  };
  sim::Console theConsole;
  theConsole.RunLine("ToggleGodMode");
  theConsole.RunLine("tgm");

  const std::string sReport = "the extra-data list of 0xFF000001 is still read-locked after the command \"";
  EXPECT_EQ(theWorld.GetViolations(), (Reports{sReport + "ToggleGodMode\"", sReport + "tgm\""}));
}

TEST_F(MisuseTest, InventedWrongKindAndNullObjects) {
  uint64_t uInvented = 0;
  auto* theInvented = reinterpret_cast<game::TESForm*>(&uInvented);
  EXPECT_EQ(theHost.GetFormID(theInvented), 0u);
  EXPECT_EQ(theHost.GetRefBaseForm(reinterpret_cast<game::TESObjectREFR*>(theRef->theParentCell)), nullptr);
  EXPECT_EQ(theHost.GetCellRefCount(nullptr), 0u);
  EXPECT_EQ(theHost.GetFileName(reinterpret_cast<game::TESFile*>(theRef)), nullptr);

  EXPECT_EQ(
      theWorld.GetViolations(),
      (Reports{"GetFormID called with " + Address(theInvented) + ", which is no object of the game",
               "GetRefBaseForm called with a cell where a reference belongs", "GetCellRefCount called with a null cell",
               "GetFileName called with a reference where a plugin file belongs"}));
}

// A new reference needs a request filled with a bound base and one place, and given back.
TEST_F(MisuseTest, NewReferenceRequestsMisusedAndAReferenceRemovedTwice) {
  game::TESForm* theBase = theWorld.AddForm(0x00000100, game::kFormTypeMISC);
  const float fZero[3] = {0.0f, 0.0f, 0.0f};
  game::NewRefRequest* theRequest = theHost.MakeNewRefRequest();
  EXPECT_EQ(theHost.CreateRefFromRequest(&theWorld.theDataHandler, theRequest), 0u);
  theHost.FillNewRefRequest(theRequest, theBase, fZero, fZero, nullptr, nullptr);
  theHost.FillNewRefRequest(theRequest, theWorld.AddForm(0x00000101, game::kFormTypeKeyword), fZero, fZero,
                            theRef->theParentCell, nullptr);
  theHost.ReleaseNewRefRequest(theRequest);
  theHost.ReleaseNewRefRequest(theRequest);
  theHost.MakeNewRefRequest();
  theWorld.CheckRequestsReleased("Place");
  theHost.RemoveRef(theRef);
  theHost.RemoveRef(theRef);

  EXPECT_EQ(theWorld.GetViolations(),
            (Reports{"CreateRefFromRequest called with a request that was never filled",
                     "FillNewRefRequest needs exactly one place, a cell or a worldspace",
                     "FillNewRefRequest called with a base that is no bound object",
                     "ReleaseNewRefRequest called with " + Address(theRequest) + ", which is no object of the game",
                     "1 new-reference request(s) still held after the command \"Place\"",
                     "RemoveRef called on a reference already removed"}));
}

}  // namespace
}  // namespace zorvane::test

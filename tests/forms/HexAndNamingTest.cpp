// Hexadecimal texts, plugin types, local form IDs and names where the sessions do not reach:
// zero, null and unknown values. The usual ones (form IDs, the local IDs of full, small and
// medium files, names, editor IDs and display-name overrides read under the extra data's
// lock) are in the sessions' ship files and logs.
#include <gtest/gtest.h>

#include "forms/FormsTest.h"
#include "forms/Helpers.h"

namespace zorvane::test {
namespace {

using HexAndNamingTest = FormsTest;

TEST_F(HexAndNamingTest, HexTextsHaveFixedWidthOrNoLeadingZeros) {
  EXPECT_EQ(GetHexFormID(AddForm(0)), "00000000");
  EXPECT_EQ(GetHexFormID(nullptr), "");
  EXPECT_EQ(GetHexValue(0x14), "00000014");
  EXPECT_EQ(GetHexValue(0), "");
  EXPECT_EQ(GetHexAddress(0x1F2A), "1F2A");
  EXPECT_EQ(GetHexAddress(0x100), "100");
  EXPECT_EQ(GetHexAddress(0xFFFFFFFFFFFFFFFFull), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(GetHexAddress(0), "");
}

TEST_F(HexAndNamingTest, PluginTypeLocalIDAndRuntimeCreation) {
  for (uint8_t uIndex : {0x00, 0x01, 0xFC, 0xFF}) {
    EXPECT_EQ(GetPluginType(AddFile(game::kFullFiles, "F" + std::to_string(uIndex), uIndex)), 1u);
  }
  EXPECT_EQ(GetPluginType(nullptr), kPluginTypeNone);

  game::TESForm* theMedium = AddForm(0xFD01002A);
  EXPECT_EQ(GetLocalHexFormID(theMedium, kPluginTypeNone), "");
  EXPECT_EQ(GetLocalHexFormID(theMedium, 4), "");
  EXPECT_EQ(GetLocalHexFormID(nullptr, kPluginTypeFull), "");

  EXPECT_TRUE(IsRuntimeCreatedForm(AddForm(0xFF000001)));
  EXPECT_FALSE(IsRuntimeCreatedForm(AddForm(0xFE0FFFFF)));
  EXPECT_FALSE(IsRuntimeCreatedForm(nullptr));
}

// A display-name entry without a text is no override.
TEST_F(HexAndNamingTest, ADisplayNameEntryWithoutTextLeavesTheBaseName) {
  game::TESObjectREFR* theRef = theWorld->AddReference(0x20, AddForm(0x10, 4, "", "Base Name"));
  theWorld->AddExtraData(theRef, game::kExtraDisplayName);
  EXPECT_EQ(GetReferenceName(theRef), "Base Name");
  EXPECT_EQ(GetOverrideName(theRef), "");
  EXPECT_EQ(GetRefEditorIDFromExtra(nullptr), "");
  EXPECT_EQ(ReadFormsLog(), "");
}

TEST_F(HexAndNamingTest, NullReferencesAndMissingBaseFormsAreLogged) {
  EXPECT_EQ(GetReferenceName(nullptr), "");
  EXPECT_EQ(GetOverrideName(nullptr), "");
  EXPECT_EQ(GetReferenceName(theWorld->AddReference(0x20, nullptr)), "");
  EXPECT_EQ(zorvane::GetFormEditorID(nullptr), "");
  EXPECT_EQ(ReadFormsLog(), MakeLogLine("error", "FormNames.cpp", "GetReferenceName", "theRef is nullptr") +
                                MakeLogLine("error", "FormNames.cpp", "GetOverrideName", "theRef is nullptr") +
                                MakeLogLine("error", "FormNames.cpp", "GetTESFullNameNative", "theForm is nullptr"));
}

TEST_F(HexAndNamingTest, RecordedShipFormIsLookedUpByTheStoredID) {
  game::TESForm* theShip = AddForm(0xFF000123);
  game::TESObjectREFR* theRef = theWorld->AddReference(0x20, nullptr);
  EXPECT_EQ(GetRecordedShipForm(theRef), nullptr);  // no extra data
  AddForm(0);                                       // found if the ID 0 were ever looked up
  game::BSExtraData& theEntry = theWorld->AddExtraData(theRef, game::kExtraShipFormID);
  EXPECT_EQ(GetRecordedShipForm(theRef), nullptr);
  theEntry.uFormID = 0xFF000124;  // not loaded
  EXPECT_EQ(GetRecordedShipForm(theRef), nullptr);
  theEntry.uFormID = 0xFF000123;
  EXPECT_EQ(GetRecordedShipForm(theRef), theShip);
  EXPECT_EQ(GetRecordedShipForm(nullptr), nullptr);
  EXPECT_EQ(theRef->theExtra->iReadLocks, 0);
}

}  // namespace
}  // namespace zorvane::test

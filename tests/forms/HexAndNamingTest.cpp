// Hexadecimal texts, plugin types and local form IDs; editor IDs, names and display-name
// overrides read from forms and from a reference's extra data.
#include <gtest/gtest.h>

#include "forms/FormsTest.h"
#include "forms/Helpers.h"

namespace zorvane::test {
namespace {

using HexAndNamingTest = FormsTest;

TEST_F(HexAndNamingTest, HexTextsHaveFixedWidthOrNoLeadingZeros) {
  EXPECT_EQ(GetHexFormID(AddForm(0x14)), "00000014");
  EXPECT_EQ(GetHexFormID(AddForm(0xABCDEF12)), "ABCDEF12");
  EXPECT_EQ(GetHexFormID(AddForm(0)), "00000000");
  EXPECT_EQ(GetHexFormID(nullptr), "");
  EXPECT_EQ(GetHexValue(0x14), "00000014");
  EXPECT_EQ(GetHexValue(0xdeadbeef), "DEADBEEF");
  EXPECT_EQ(GetHexValue(0), "");
  EXPECT_EQ(GetHexAddress(0x1F2A), "1F2A");
  EXPECT_EQ(GetHexAddress(0x100), "100");
  EXPECT_EQ(GetHexAddress(0xFFFFFFFFFFFFFFFFull), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(GetHexAddress(0), "");
}

TEST_F(HexAndNamingTest, PluginTypeLocalIDAndRuntimeCreation) {
  EXPECT_EQ(GetPluginType(AddFile(game::kSmallFiles, "S.esm", 0xFE)), kPluginTypeSmall);
  EXPECT_EQ(GetPluginType(AddFile(game::kMediumFiles, "M.esm", 0xFD)), kPluginTypeMedium);
  for (uint8_t uIndex : {0x00, 0x01, 0xFC, 0xFF}) {
    EXPECT_EQ(GetPluginType(AddFile(game::kFullFiles, "F" + std::to_string(uIndex), uIndex)), 1u);
  }
  EXPECT_EQ(GetPluginType(nullptr), kPluginTypeNone);

  EXPECT_EQ(GetLocalHexFormID(AddForm(0x0001A2B3), kPluginTypeFull), "01A2B3");
  EXPECT_EQ(GetLocalHexFormID(AddForm(0xFE000ABC), kPluginTypeSmall), "ABC");
  game::TESForm* theMedium = AddForm(0xFD01002A);
  EXPECT_EQ(GetLocalHexFormID(theMedium, kPluginTypeMedium), "002A");
  EXPECT_EQ(GetLocalHexFormID(theMedium, kPluginTypeNone), "");
  EXPECT_EQ(GetLocalHexFormID(theMedium, 4), "");
  EXPECT_EQ(GetLocalHexFormID(nullptr, kPluginTypeFull), "");

  EXPECT_TRUE(IsRuntimeCreatedForm(AddForm(0xFF000001)));
  EXPECT_FALSE(IsRuntimeCreatedForm(AddForm(0xFE0FFFFF)));
  EXPECT_FALSE(IsRuntimeCreatedForm(nullptr));
}

TEST_F(HexAndNamingTest, EditorIDsAndFullNamesOfForms) {
  game::TESForm* theNamed = AddForm(0x10, 4, "ChairEdid", "Chair");
  game::TESForm* theBare = AddForm(0x11);
  EXPECT_EQ(zorvane::GetFormEditorID(theNamed), "ChairEdid");
  EXPECT_EQ(zorvane::GetFormEditorID(theBare), "");
  EXPECT_EQ(GetFormEditorID(nullptr), "");
  EXPECT_EQ(GetTESFullNameNative(theNamed), "Chair");
  EXPECT_EQ(GetTESFullNameNative(theBare), "");
  EXPECT_EQ(ReadFormsLog(), "");  // a missing name is no error
  EXPECT_EQ(GetTESFullNameNative(nullptr), "");
  EXPECT_EQ(ReadFormsLog(), MakeLogLine("error", "FormNames.cpp", "GetTESFullNameNative", "theForm is nullptr"));
}

TEST_F(HexAndNamingTest, ReferenceTextsComeFromExtraDataUnderTheReadLock) {
  game::TESObjectREFR* theRef = theWorld->AddReference(0x20, AddForm(0x10, 4, "", "Base Name"));
  theRef->sFullName = "Own Name";  // never used: a reference shows its override or its base's name
  EXPECT_EQ(GetReferenceName(theRef), "Base Name");
  EXPECT_EQ(GetOverrideName(theRef), "");
  EXPECT_EQ(GetRefEditorIDFromExtra(theRef), "");

  game::BSExtraData& theName = theWorld->AddExtraData(theRef, game::kExtraDisplayName);  // without a string
  EXPECT_EQ(GetReferenceName(theRef), "Base Name");
  theName.theString = theWorld->MakeIndirectString("Override");
  theWorld->AddExtraData(theRef, game::kExtraEditorID).theString = theWorld->MakeIndirectString("RefEdid");
  EXPECT_EQ(GetReferenceName(theRef), "Override");
  EXPECT_EQ(GetOverrideName(theRef), "Override");
  EXPECT_EQ(GetRefEditorIDFromExtra(theRef), "RefEdid");
  EXPECT_EQ(GetRefEditorIDFromExtra(nullptr), "");
  EXPECT_EQ(theRef->theExtra->iReadLocks, 0);
  EXPECT_EQ(ReadFormsLog(), "");
}

TEST_F(HexAndNamingTest, NullReferencesAndMissingBaseFormsAreLogged) {
  EXPECT_EQ(GetReferenceName(nullptr), "");
  EXPECT_EQ(GetOverrideName(nullptr), "");
  EXPECT_EQ(GetReferenceName(theWorld->AddReference(0x20, nullptr)), "");
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

// Finding loaded plugin files by name: letter case, search order, empty arrays, empty
// slots; and a world read from a world file.
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "WorldFile.h"
#include "forms/FormLookup.h"
#include "forms/Helpers.h"
#include "support/LogText.h"

namespace zorvane::test {
namespace {

using FileLookupTest = FormsFixture;

std::string LookupLine(const std::string& sLevel, const std::string& sMessage) {
  return MakeLogLine(sLevel, "FormLookup.cpp", "LookupTESFileByName", sMessage);
}

TEST_F(FileLookupTest, NameMatchesIgnoringLetterCaseOnly) {
  game::TESFile* theMaster = AddFile(game::kFullFiles, "Starfield.esm", 0);
  AddFile(game::kFullFiles, "@.esm", 1);
  game::TESFile* theSmall = AddFile(game::kSmallFiles, "Small.esm", 0xFE, 1);
  game::TESFile* theMedium = AddFile(game::kMediumFiles, "Medium.esm", 0xFD, 1);
  uint32_t uType = 0;
  EXPECT_EQ(LookupTESFileByName("STARFIELD.esm", &uType), theMaster);
  EXPECT_EQ(uType, kPluginTypeFull);
  EXPECT_EQ(LookupTESFileByName("small.ESM", &uType), theSmall);
  EXPECT_EQ(uType, kPluginTypeSmall);
  EXPECT_EQ(LookupTESFileByName("mEDIUM.esm", &uType), theMedium);
  EXPECT_EQ(uType, kPluginTypeMedium);
  EXPECT_EQ(ReadFormsLog(), "");

  uType = 77;
  for (const char* sName : {"`.esm", "Starfield.es", "Starfield.esm ", ""}) {
    EXPECT_EQ(LookupTESFileByName(sName, &uType), nullptr) << sName;
  }
  EXPECT_EQ(uType, 77u);
  EXPECT_EQ(ReadFormsLog(), LookupLine("error", "no TESFile could be found with name: `.esm") +
                                LookupLine("error", "no TESFile could be found with name: Starfield.es") +
                                LookupLine("error", "no TESFile could be found with name: Starfield.esm ") +
                                LookupLine("error", "no TESFile could be found with name: "));
}

TEST_F(FileLookupTest, FullThenSmallThenMediumAndLowestIndexWin) {
  AddEmptySlot(game::kFullFiles);
  game::TESFile* theFirst = AddFile(game::kFullFiles, "Dup.esm", 1);
  AddFile(game::kFullFiles, "DUP.esm", 2);
  game::TESFile* theSmall = AddFile(game::kSmallFiles, "Twice.esm", 0xFE, 0);
  AddFile(game::kSmallFiles, "Dup.esm", 0xFE, 1);
  AddFile(game::kMediumFiles, "Twice.esm", 0xFD, 0);
  game::TESFile* theMedium = AddFile(game::kMediumFiles, "Last.esm", 0xFD, 1);
  uint32_t uType = 0;
  EXPECT_EQ(LookupTESFileByName("Dup.esm", &uType), theFirst);
  EXPECT_EQ(uType, kPluginTypeFull);
  EXPECT_EQ(LookupTESFileByName("Twice.esm", &uType), theSmall);
  EXPECT_EQ(uType, kPluginTypeSmall);
  EXPECT_EQ(LookupTESFileByName("Last.esm", &uType), theMedium);
  EXPECT_EQ(uType, kPluginTypeMedium);
  const std::string sSlot = LookupLine("error", "loopFile at (0) is nullptr, skipping plugin file");
  EXPECT_EQ(ReadFormsLog(), sSlot + sSlot + sSlot);
}

TEST_F(FileLookupTest, EmptyArraysAreSkippedWithWarning) {
  game::TESFile* theMedium = AddFile(game::kMediumFiles, "Medium.esm", 0xFD, 0);
  AddFile(game::kFullFiles, "Starfield.esm", 0);
  uint32_t uType = 0;
  EXPECT_EQ(LookupTESFileByName("Medium.esm", &uType), theMedium);
  theWorld->theDataHandler.theFiles.clear();
  EXPECT_EQ(LookupTESFileByName("Starfield.esm", &uType), nullptr);
  const std::string sSmallEmpty =
      LookupLine("warning", "theFiles.size() (of SmallFileA) <= 0, skipping this file array");
  EXPECT_EQ(ReadFormsLog(),
            sSmallEmpty + LookupLine("warning", "theFiles.size() (of FileA) <= 0, skipping this file array") +
                sSmallEmpty + LookupLine("error", "no TESFile could be found with name: Starfield.esm"));
}

TEST_F(FileLookupTest, MissingOutValueOrDataHandlerGivesNull) {
  AddFile(game::kFullFiles, "Starfield.esm", 0);
  uint32_t uType = 77;
  EXPECT_EQ(LookupTESFileByName("Starfield.esm", nullptr), nullptr);
  theWorld->bHasDataHandler = false;
  EXPECT_EQ(LookupTESFileByName("Starfield.esm", &uType), nullptr);
  EXPECT_EQ(uType, 77u);
  EXPECT_EQ(ReadFormsLog(),
            LookupLine("error", "pluginType is nullptr.") + LookupLine("error", "dataHandler is nullptr."));
}

TEST_F(FileLookupTest, WorldFileFormsResolveThroughTheirFiles) {
  UseWorld(sim::LoadWorldFile(ZORVANE_FORMS_WORLDS "/plugin-files.json"));
  game::TESForm* theChair = GetFormFromFormRef("Chair |000801|MyMod.esm");
  EXPECT_EQ(GetHexFormID(theChair), "02000801");
  EXPECT_EQ(GetTESFullNameNative(theChair), "Chair");
  EXPECT_EQ(zorvane::GetFormEditorID(theChair), "ChairEdid");
  EXPECT_EQ(GetTESFullNameNative(GetFormFromFormRef("Lamp |ABC|small.esm")), "Lamp");
  EXPECT_EQ(zorvane::GetFormEditorID(GetFormFromFile("1A2B3", "")), "KeywordA");
  EXPECT_EQ(GetFormFromFormRef("Gone |000802|MyMod.esm"), nullptr);
  const std::string sSlot = LookupLine("error", "loopFile at (1) is nullptr, skipping plugin file");
  EXPECT_EQ(ReadFormsLog(),
            sSlot +
                MakeLogLine("info", "FormLookup.cpp", "GetFormFromFile",
                            "this HexFormID's length < 6. Extended to 5. Result: 00ABC") +
                sSlot +
                MakeLogLine("info", "FormLookup.cpp", "GetFormFromFile",
                            "this HexFormID's length < 6. Extended to 5. Result: 1A2B3") +
                sSlot +
                MakeLogLine("warning", "FormLookup.cpp", "GetFormFromFile",
                            "   this FormID [" + std::to_string(0x02000802) +
                                " | 02000802] supposedly defined in [MyMod.esm | Type: Full] is withing range but it "
                                "does not point to a valid Form or this Form is an unloaded Reference. Returning "
                                "nullptr."));
}

}  // namespace
}  // namespace zorvane::test

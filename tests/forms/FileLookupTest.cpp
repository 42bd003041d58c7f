// Finding loaded plugin files by name: letter case, search order, empty arrays, empty
// slots.
#include <gtest/gtest.h>

#include "forms/FormLookup.h"
#include "forms/FormsTest.h"
#include "forms/Helpers.h"

namespace zorvane::test {
namespace {

using FileLookupTest = FormsTest;

std::string LookupLine(const std::string& sLevel, const std::string& sMessage) {
  return MakeLogLine(sLevel, "FormLookup.cpp", "LookupTESFileByName", sMessage);
}

void ExpectFound(const char* sName, game::TESFile* theFile, uint32_t uExpectedType) {
  uint32_t uType = 0;
  EXPECT_EQ(LookupTESFileByName(sName, &uType), theFile) << sName;
  EXPECT_EQ(uType, uExpectedType) << sName;
}

TEST_F(FileLookupTest, NameMatchesIgnoringLetterCaseOnly) {
  game::TESFile* theMaster = AddFile(game::kFullFiles, "Starfield.esm", 0);
  AddFile(game::kFullFiles, "@.esm", 1);
  game::TESFile* theSmall = AddFile(game::kSmallFiles, "Small.esm", 0xFE, 1);
  game::TESFile* theMedium = AddFile(game::kMediumFiles, "Medium.esm", 0xFD, 1);
  ExpectFound("STARFIELD.esm", theMaster, kPluginTypeFull);
  ExpectFound("small.ESM", theSmall, kPluginTypeSmall);
  ExpectFound("mEDIUM.esm", theMedium, kPluginTypeMedium);
  EXPECT_EQ(ReadFormsLog(), "");

  uint32_t uType = 77;
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
  theWorld->AddEmptyFileSlot(game::kFullFiles);
  game::TESFile* theFirst = AddFile(game::kFullFiles, "Dup.esm", 1);
  AddFile(game::kFullFiles, "DUP.esm", 2);
  game::TESFile* theSmall = AddFile(game::kSmallFiles, "Twice.esm", 0xFE, 0);
  AddFile(game::kSmallFiles, "Dup.esm", 0xFE, 1);
  AddFile(game::kMediumFiles, "Twice.esm", 0xFD, 0);
  game::TESFile* theMedium = AddFile(game::kMediumFiles, "Last.esm", 0xFD, 1);
  ExpectFound("Dup.esm", theFirst, kPluginTypeFull);
  ExpectFound("Twice.esm", theSmall, kPluginTypeSmall);
  ExpectFound("Last.esm", theMedium, kPluginTypeMedium);
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

}  // namespace
}  // namespace zorvane::test

// The faster ways the readers take give what the straightforward ones give: the plugin file
// index finds the same forms and writes the same log lines, in the same order, as the walk
// over every loaded file; the module key lookup finds the key the search over the key part
// finds. Compared on a world of 3,000 plugin files of the three kinds with null entries, and
// on every ship file and fuzz seed of the tests.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/Log.h"
#include "forms/FormLookup.h"
#include "forms/PluginFileIndex.h"
#include "layout/LayoutLists.h"
#include "shipfile/ShipFileLine.h"
#include "shipfile/ShipFileReader.h"
#include "shipfile/ShipFileSchema.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

std::vector<std::string> gHeard;
void Hear(const std::string& sLine) { gHeard.push_back(sLine.substr(sLine.find("] [SFSE] "))); }

// Every line of every ship file and fuzz seed of the tests.
std::vector<std::string> ReadTestLines() {
  std::vector<std::string> theLines;
  for (const auto& theEntry : std::filesystem::recursive_directory_iterator(ZORVANE_TEST_SOURCE_DIR)) {
    const std::string sPath = theEntry.path().generic_string();
    if (theEntry.is_regular_file() &&
        (sPath.find("/ships/") != std::string::npos || sPath.find("/shipfile/files/") != std::string::npos ||
         sPath.find("/fuzz/corpus/") != std::string::npos)) {
      for (std::string& sLine : SplitShipFileLines(ReadFileBytes(theEntry.path()))) theLines.push_back(sLine);
    }
  }
  return theLines;
}

class FastPathsTest : public PluginFixture {};

TEST_F(FastPathsTest, ThePluginFileIndexFindsAndWritesWhatTheWalkDoes) {
  std::vector<std::string> theLines = ReadTestLines();
  // 250 full, 2,500 small and 250 medium files, a null entry in each array; form references
  // to the last files of each array, by name in other letter cases, and to none.
  for (int i = 1; i < 250; ++i) {
    const std::string sName = "Full" + std::to_string(i) + ".esm";
    game::TESFile* theFile = theWorld->AddFile(game::kFullFiles, sName);
    theWorld->AddForm(static_cast<uint32_t>(theFile->uCompileIndex) << 24 | 0x800, 65, theFile);
    if (i > 240) theLines.push_back("Blueprint.data[0].item |000800|" + sName);
    if (i == 100) theWorld->AddEmptyFileSlot(game::kFullFiles);
  }
  for (int i = 0; i < 250; ++i) {
    const std::string sName = "Medium" + std::to_string(i) + ".esm";
    game::TESFile* theFile = theWorld->AddFile(game::kMediumFiles, sName);
    theWorld->AddForm(0xFD000000 | static_cast<uint32_t>(theFile->uMediumFileIndex) << 16 | 0x802, 40, theFile);
    if (i > 240) theLines.push_back("DecorItem[0].base |0802|MEDIUM" + std::to_string(i) + ".esm");
    if (i == 3) theWorld->AddEmptyFileSlot(game::kMediumFiles);
  }
  for (int i = 0; i < 2500; ++i) {
    const std::string sName = "SMALL" + std::to_string(i) + ".esm";
    game::TESFile* theFile = theWorld->AddFile(game::kSmallFiles, sName);
    theWorld->AddForm(0xFE000000 | static_cast<uint32_t>(theFile->uSmallFileIndex) << 12 | 0x801, 40, theFile);
    if (i > 2490) theLines.push_back("DecorItem[0].base |801|small" + std::to_string(i) + ".esm");
    if (i == 7) theWorld->AddEmptyFileSlot(game::kSmallFiles);
  }
  theLines.push_back("x |801|Nowhere.esm");
  // Each form reference once.
  std::sort(theLines.begin(), theLines.end());
  theLines.erase(std::unique(theLines.begin(), theLines.end()), theLines.end());
  std::erase_if(theLines, [](const std::string& sLine) { return std::count(sLine.begin(), sLine.end(), '|') < 2; });
  auto ResolveAll = [&theLines] {
    std::vector<std::pair<game::TESForm*, std::vector<std::string>>> theResults;
    for (const std::string& sLine : theLines) {
      gHeard.clear();
      theResults.emplace_back(GetFormFromFormRef(sLine), gHeard);
    }
    return theResults;
  };
  SetLogListener(&Hear);
  const auto theWalked = ResolveAll();
  const auto theIndexed = [&] {
    PluginFileIndexScope theIndex;
    return ResolveAll();
  }();
  SetLogListener(nullptr);
  ASSERT_GT(theLines.size(), 50u);
  // The last nine files of each array are found.
  EXPECT_GE(std::count_if(theWalked.begin(), theWalked.end(), [](const auto& theResult) { return theResult.first; }),
            27);
  for (std::size_t i = 0; i < theLines.size(); ++i) EXPECT_EQ(theIndexed[i], theWalked[i]) << theLines[i];
}

TEST(FastPathsModuleKeysTest, TheLookupFindsTheKeyTheSearchFinds) {
  std::vector<std::string> theLines = ReadTestLines();
  theLines.insert(theLines.end(), {"Blueprint.data[0].unk400 |1", "Blueprint.data[0].fPosX.unk44 |1",
                                   "x.unk48_98.item |1", ".unkA4", "Blueprint.data[0] |.fPosX", "..fRotZ.."});
  for (const std::string& sLine : theLines) {
    const std::string_view sKeyPart = ShipFileLine(sLine).sKeyPart;
    std::size_t uSearched = std::string_view::npos;
    for (std::size_t i = 0; i < std::size(kModuleFields) && uSearched == std::string_view::npos; ++i) {
      if (sKeyPart.find("." + std::string(kModuleFields[i].sKey)) != std::string_view::npos) uSearched = i;
    }
    EXPECT_EQ(layout::FindModuleKey(sKeyPart), uSearched) << sLine;
  }
}

}  // namespace
}  // namespace zorvane::test

// Export the Kestrel, import its layout onto the home ship, export the home ship: what the import
// leaves on the game's heap, and the files under a locale whose decimal point is a comma. (What
// the round trip carries over is shown by the sessions layout-round-trip and names-like-keys.)
#include <gtest/gtest.h>

#include <clocale>
#include <regex>
#include <set>

#include "game/Components.h"
#include "game/Forms.h"
#include "ship/ImportLayoutTest.h"

namespace zorvane::test {
namespace {

class ImportRoundTripTest : public ImportLayoutTest {
 protected:
  void RunRoundTrip() {
    ASSERT_TRUE(Export(kKestrelRefID, kKestrelCellID, "Kestrel.txt"));
    ASSERT_TRUE(Import("Kestrel.txt"));
    ASSERT_TRUE(Export(kHomeRefID, kHomeCellID, "Frontier.txt"));
  }
  // The ship file as a session keeps it: LF line ends, container extra-data addresses masked.
  std::string ReadAsSession(const std::string& sFileName) const {
    static const std::regex kAddress(R"((itemExtra \|)[0-9A-F]+)");
    std::string sFile = std::regex_replace(ReadShipFile(sFileName), kAddress, "$1ADDR");
    std::erase(sFile, '\r');
    return sFile;
  }
};

// The blocks of the game's heap that the home ship's components hold.
std::set<void*> GetHeldBlocks(game::TESForm* theBase) {
  std::set<void*> theBlocks = {game::GetComponent<game::KeywordFormComponent>(theBase)->theKeywords.theData,
                               game::GetComponent<game::PropertySheetComponent>(theBase)->theProperties->theData,
                               game::GetComponent<game::BlueprintComponent>(theBase)->data.theData};
  const auto* theTraversals = game::GetComponent<game::StoredTraversalsComponent>(theBase);
  theBlocks.insert({theTraversals->traversals1.theData, theTraversals->traversals2.theData});
  for (uint32_t i = 0; i < theTraversals->traversals2.uCount; ++i) {
    theBlocks.insert(theTraversals->traversals2.theData[i].traversals.theData);
  }
  const auto& theEntries = game::GetComponent<game::ContainerComponent>(theBase)->theEntries;
  theBlocks.insert(theEntries.theData);
  theBlocks.insert(theEntries.theData, theEntries.theData + theEntries.uCount);
  theBlocks.erase(nullptr);
  return theBlocks;
}

// Every block the import leaves on the game's heap is held by the home ship, and every block
// the home ship holds is alive.
TEST_F(ImportRoundTripTest, TheImportLeavesOnlyTheBlocksTheHomeShipHolds) {
  const std::map<void*, std::size_t> theBefore = theWorld->theHeap.GetLiveBlocks();
  RunRoundTrip();
  const std::set<void*> theHeld = GetHeldBlocks(theHome->theBase);
  for (const auto& [theBlock, uSize] : theWorld->theHeap.GetLiveBlocks()) {
    EXPECT_TRUE(theBefore.count(theBlock) != 0 || theHeld.count(theBlock) != 0) << theBlock;
  }
  for (void* theBlock : theHeld) EXPECT_TRUE(theWorld->theHeap.Owns(theBlock)) << theBlock;
}

// The game or another plugin may set a locale whose decimal point is a comma: ship files are
// written and read with the point all the same, as the session layout-round-trip writes them.
TEST_F(ImportRoundTripTest, ACommaDecimalLocaleChangesNothing) {
#ifdef _WIN32
  const char* sCommaLocale = "German";
#else
  const char* sCommaLocale = "de_DE.UTF-8";  // scripts/install-deps makes it
#endif
  ASSERT_NE(std::setlocale(LC_ALL, sCommaLocale), nullptr) << sCommaLocale;
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  RunRoundTrip();
  std::setlocale(LC_ALL, "C");
  const std::string sGolden = ZORVANE_TEST_SOURCE_DIR "/sessions/layout-round-trip/ships/";
  EXPECT_EQ(ReadAsSession("Kestrel.txt"), ReadFileBytes(sGolden + "Kestrel.txt"));
  EXPECT_EQ(ReadAsSession("Frontier.txt"), ReadFileBytes(sGolden + "Frontier.txt"));
}

}  // namespace
}  // namespace zorvane::test

// The checker on input that is no ship file as the export writes it: bytes that are not text,
// files by the thousand lines, read-only files, folders and files dropped on the executable.
#include <gtest/gtest.h>

#include <sstream>

#include "checker/Arguments.h"
#include "checker/Checker.h"
#include "checker/Dropped.h"
#include "checker/Output.h"
#include "checker/Printable.h"
#include "checker/ShipFileInput.h"
#include "platform/Platform.h"
#include "support/Files.h"

namespace zorvane::test {
namespace {

using namespace shipfile;

TEST(CheckerInputTest, BytesThatAreNotPrintableAreShownEscapedAndValidUtf8AsItIs) {
  EXPECT_EQ(
      MakePrintable("tab\tbell\x07 del\x7f é ℃ \xff\xfe cut\xe2\x82 c1\xc2\x85 long\xc0\xaf half\xed\xa0\x80 C:\\x"),
      "tab\\tbell\\x07 del\\x7f é ℃ \\xff\\xfe cut\\xe2\\x82 c1\\xc2\\x85 long\\xc0\\xaf half\\xed\\xa0\\x80 C:\\x");
  // A character is never cut in two.
  EXPECT_EQ(MakePrintableShort("ab\x01"
                               "cdé",
                               6),
            "ab\\x01cd ... (2 more bytes)");
  EXPECT_EQ(MakePrintableShort("ab\x01"
                               "cdé",
                               7),
            "ab\\x01cdé");
}

// A file of bytes is no ship file: both imports refuse it for its lack of a module and an item.
// Its report shows 20 findings, with its bytes escaped, and counts the others.
TEST(CheckerInputTest, ABinaryFileIsRefusedAndItsReportShowsTwentyFindings) {
  std::vector<std::string> theLines;
  for (int i = 0; i < 25; ++i) theLines.push_back("\x1b[2J\xff" + std::to_string(i));
  std::string sExpected =
      "bytes\\x07.bin: ImportShipLayout would refuse it (the whole file); ImportShipInterior would refuse it (the "
      "whole file).\n";
  for (int i = 0; i < 20; ++i) {
    sExpected +=
        "  line " + std::to_string(i + 1) + ": no import reads this line: \\x1b[2J\\xff" + std::to_string(i) + "\n";
  }
  sExpected +=
      "  ... and 7 more problems\n"
      "  plugin files needed: none\n"
      "  plugin files not looked for: give --data with the game's Data folder\n";
  EXPECT_EQ(FormatCheck(CheckShipFile("bytes\x07.bin", theLines, nullptr)), sExpected);
}

// Both imports open a ship file for writing and refuse a read-only one before its first line:
// that is where they end, and what the lines would bring is met once it is writable.
TEST(CheckerInputTest, AReadOnlyShipFileIsRefusedAsTheImportsRefuseIt) {
  TempFolder theFolder;
  const std::filesystem::path thePath = theFolder.GetPath() / "Read only.txt";
  WriteFileBytes(thePath, "Blueprint.data[0].fPosX |\n");
  using std::filesystem::perms;
  std::filesystem::permissions(thePath, perms::owner_write | perms::group_write | perms::others_write,
                               std::filesystem::perm_options::remove);
  const std::string sPath = platform::FromFileSystemPath(thePath);
  std::ostringstream theErrors;
  const std::optional<ShipFileInput> theInput = ReadShipFileInput(sPath, theErrors);
  std::filesystem::permissions(thePath, perms::owner_write, std::filesystem::perm_options::add);
  ASSERT_TRUE(theInput.has_value()) << theErrors.str();
  const std::string sRefusal = "the ship file [" + sPath + "] must be writable to be imported: Permission denied";
  EXPECT_EQ(theInput->sNotWritable, sRefusal);
  CheckReport theReport = CheckShipFile("Read only.txt", theInput->theLines, nullptr);
  AddNotWritableStops(theReport, theInput->sNotWritable);
  EXPECT_EQ(
      FormatCheck(theReport),
      "Read only.txt: ImportShipLayout would refuse it (the whole file); ImportShipInterior would refuse it (the "
      "whole file).\n"
      "  the whole file: ImportShipLayout stops here: " +
          sRefusal + "\n" + "  the whole file: ImportShipInterior stops here: " + sRefusal + "\n" +
          "  line 1: ImportShipLayout would stop here too: bGot is false | sLine: Blueprint.data[0].fPosX |\n"
          "  line 1: ImportShipLayout would stop here too: incomplete entry | Blueprint.data[0]: no .fPosY "
          "line\n"
          "  the whole file: ImportShipInterior would stop here too: no decoration items in the ship file: nothing "
          "was removed\n"
          "  plugin files needed: none\n"
          "  plugin files not looked for: give --data with the game's Data folder\n");
}

TEST(CheckerInputTest, AFolderStandsForItsTxtFilesSortedByNameWithoutItsSubfolders) {
  TempFolder theFolder;
  const std::filesystem::path& theShips = theFolder.GetPath();
  for (const char* sName : {"b.txt", "A.TXT", "notes.md", "sub/c.txt"}) {
    std::filesystem::create_directories((theShips / sName).parent_path());
    WriteFileBytes(theShips / sName, "");
  }
  std::filesystem::create_directory(theShips / "empty");
  std::ostringstream theErrors;
  const ShipFileList theList = ListShipFiles(
      {platform::FromFileSystemPath(theShips), "gone.txt", platform::FromFileSystemPath(theShips / "empty")},
      theErrors);
  EXPECT_EQ(theList.theFiles, (std::vector<std::string>{platform::FromFileSystemPath(theShips / "A.TXT"),
                                                        platform::FromFileSystemPath(theShips / "b.txt"), "gone.txt"}));
  EXPECT_TRUE(theList.bFailed);
  EXPECT_EQ(theErrors.str(), "zorvane-shipfile: the folder " + platform::FromFileSystemPath(theShips / "empty") +
                                 " holds no .txt file\n");
}

TEST(CheckerInputTest, DroppedPathsAreExistingFilesAndFoldersAndNoOptionOrSubcommand) {
  TempFolder theFolder;
  WriteFileBytes(theFolder.GetPath() / "Ship.txt", "");
  const std::string sFile = platform::FromFileSystemPath(theFolder.GetPath() / "Ship.txt");
  const std::string sFolder = platform::FromFileSystemPath(theFolder.GetPath());
  EXPECT_TRUE(AreDroppedPaths({sFile, sFolder, sFile}, {"check"}));
  EXPECT_FALSE(AreDroppedPaths({}, {"check"}));
  EXPECT_FALSE(AreDroppedPaths({sFile, sFolder + "/gone.txt"}, {"check"}));
  EXPECT_FALSE(AreDroppedPaths({sFile, "--json"}, {"check"}));
  EXPECT_FALSE(AreDroppedPaths({sFolder, sFile}, {sFolder}));
  EXPECT_EQ(GetClosePrompt(true), "Press any key to close.");
  EXPECT_EQ(GetClosePrompt(false), "Press Enter to close.");
}

}  // namespace
}  // namespace zorvane::test

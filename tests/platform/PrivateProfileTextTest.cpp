// The settings-file calls of the platform seam. Built for both targets: on Windows they are
// the system's private-profile functions, natively the stand-in; passing the same
// expectations on both is what shows that the stand-in behaves like Windows.
#include <gtest/gtest.h>

#include <optional>

#include "platform/Platform.h"
#include "support/Files.h"

namespace zorvane::test {
namespace {

class PrivateProfileTextTest : public ::testing::Test {
 protected:
  void SetUp() override { theCurrentFolder.emplace(theFolder.GetPath()); }
  void TearDown() override { theCurrentFolder.reset(); }

  std::string Read(const std::string& sSection, const std::string& sKey, std::size_t uBufferSize = 100) {
    return platform::ReadPrivateProfileText(sSection, sKey, "DEFAULT", ".\\test.ini", uBufferSize);
  }

  TempFolder theFolder;
  std::filesystem::path theFile = theFolder.GetPath() / "test.ini";

 private:
  std::optional<CurrentFolderGuard> theCurrentFolder;
};

TEST_F(PrivateProfileTextTest, ReadGivesDefaultForMissingFileSectionOrKey) {
  EXPECT_EQ(Read("A", "x"), "DEFAULT");
  WriteFileBytes(theFile, "[A]\r\nx=1\r\n");
  EXPECT_EQ(Read("B", "x"), "DEFAULT");
  EXPECT_EQ(Read("A", "y"), "DEFAULT");
}

TEST_F(PrivateProfileTextTest, ReadGivesDefaultForLineWithoutEquals) {
  WriteFileBytes(theFile, "[A]\r\nnoval\r\n;comment\r\nempty=\r\n");
  EXPECT_EQ(Read("A", "noval"), "DEFAULT");
  EXPECT_EQ(Read("A", ";comment"), "DEFAULT");
  EXPECT_EQ(Read("A", "empty"), "");
}

TEST_F(PrivateProfileTextTest, ReadMatchesNamesIgnoringCaseAndBlanks) {
  WriteFileBytes(theFile, "[Alpha]\r\n  Key One  =  v 1  \r\n[ Beta ]\r\nk=2\r\n");
  EXPECT_EQ(Read("alpha", "KEY ONE"), "v 1");
  EXPECT_EQ(Read(" Alpha ", " key one "), "v 1");
  EXPECT_EQ(Read("Beta", "k"), "2");
}

TEST_F(PrivateProfileTextTest, ReadStripsOnlyOnePairOfMatchingQuotes) {
  WriteFileBytes(theFile, "[A]\r\nd=\"q\"\r\ns='w'\r\nmixed='w\"\r\nlone=\"\r\nempty=\"\"\r\ninner=a\"b\"\r\n");
  EXPECT_EQ(Read("A", "d"), "q");
  EXPECT_EQ(Read("A", "s"), "w");
  EXPECT_EQ(Read("A", "mixed"), "'w\"");
  EXPECT_EQ(Read("A", "lone"), "\"");
  EXPECT_EQ(Read("A", "empty"), "");
  EXPECT_EQ(Read("A", "inner"), "a\"b\"");
}

TEST_F(PrivateProfileTextTest, ReadUsesFirstOfRepeatedSectionsAndKeys) {
  WriteFileBytes(theFile, "[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\nonly=4\r\n");
  EXPECT_EQ(Read("A", "k"), "1");
  EXPECT_EQ(Read("A", "only"), "DEFAULT");
}

TEST_F(PrivateProfileTextTest, ReadCopiesAtMostBufferSizeLessOne) {
  WriteFileBytes(theFile, "[A]\r\nk=abcdef\r\n");
  EXPECT_EQ(Read("A", "k", 4), "abc");
  EXPECT_EQ(Read("A", "k", 7), "abcdef");
}

TEST_F(PrivateProfileTextTest, WriteCreatesFileWithSectionsInOrderOfFirstUse) {
  EXPECT_TRUE(platform::WritePrivateProfileText("Piloting", "bA", "0", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("Export", "bB", "0", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("Export", "bC", "1", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("Import", "bD", " x ", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("Piloting", "bE", "", ".\\test.ini"));

  EXPECT_EQ(ReadFileBytes(theFile), "[Piloting]\r\nbA=0\r\nbE=\r\n[Export]\r\nbB=0\r\nbC=1\r\n[Import]\r\nbD=x\r\n");
}

TEST_F(PrivateProfileTextTest, WriteDropsLeadingBlanksOfValueAndReadDropsTrailingOnes) {
  EXPECT_TRUE(platform::WritePrivateProfileText("A", "k", " \t v w \t", ".\\test.ini"));

  EXPECT_EQ(ReadFileBytes(theFile), "[A]\r\nk=v w \t\r\n");
  EXPECT_EQ(Read("A", "k"), "v w");
}

TEST_F(PrivateProfileTextTest, WriteKeepsOtherLinesAndAppendsToSection) {
  WriteFileBytes(theFile, "; head\r\n\r\n[A]\r\nx = 1 \r\n\r\nnoval\r\n;c\r\n[ B ]\r\n  y=\"q\"  \r\n");

  EXPECT_TRUE(platform::WritePrivateProfileText("a", "NEW", "5", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("A", "X", "9", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("C", "k", "v", ".\\test.ini"));

  EXPECT_EQ(ReadFileBytes(theFile), "; head\r\n[A]\r\nx=9\r\nnoval\r\n;c\r\nNEW=5\r\n[B]\r\ny=\"q\"\r\n[C]\r\nk=v\r\n");
}

TEST_F(PrivateProfileTextTest, WriteFailsIntoMissingFolder) {
  EXPECT_FALSE(platform::WritePrivateProfileText("A", "k", "v", ".\\missing\\test.ini"));
  EXPECT_FALSE(std::filesystem::exists(theFolder.GetPath() / "missing"));
}

}  // namespace
}  // namespace zorvane::test

// The native stand-in for the Windows settings-file functions, through its own interface.
#include "platform/PrivateProfile.h"

#include <gtest/gtest.h>

#include "support/Files.h"

namespace zorvane::test {
namespace {

class PrivateProfileTest : public ::testing::Test {
 protected:
  // A profile loaded from these bytes.
  platform::PrivateProfile LoadFrom(const std::string& sBytes) {
    WriteFileBytes(theFile, sBytes);
    platform::PrivateProfile theProfile;
    EXPECT_TRUE(theProfile.Load(theFile));
    return theProfile;
  }

  // What the profile writes.
  std::string SaveBytes(const platform::PrivateProfile& theProfile) {
    EXPECT_TRUE(theProfile.Save(theFile));
    return ReadFileBytes(theFile);
  }

  TempFolder theFolder;
  std::filesystem::path theFile = theFolder.GetPath() / "test.ini";
};

TEST_F(PrivateProfileTest, LoadFailsForMissingFile) {
  platform::PrivateProfile theProfile;
  EXPECT_FALSE(theProfile.Load(theFile));
  EXPECT_EQ(theProfile.Get("A", "k"), std::nullopt);
}

TEST_F(PrivateProfileTest, GetMatchesSectionAndKeyIgnoringCase) {
  platform::PrivateProfile theProfile = LoadFrom("[Export]\r\nbSkipBOOK=1\r\n");
  EXPECT_EQ(theProfile.Get("EXPORT", "bskipbook"), "1");
  EXPECT_EQ(theProfile.Get("export", "BSKIPBOOK"), "1");
  EXPECT_EQ(theProfile.Get("Import", "bSkipBOOK"), std::nullopt);
}

TEST_F(PrivateProfileTest, GetTrimsBlanksAroundNamesAndValues) {
  platform::PrivateProfile theProfile = LoadFrom("  [ S ]  \r\n\t k \t=\t v w \t\r\n");
  EXPECT_EQ(theProfile.Get("S", "k"), "v w");
  EXPECT_EQ(theProfile.Get(" S ", "\tk "), "v w");
}

TEST_F(PrivateProfileTest, GetStripsOnePairOfEnclosingQuotes) {
  platform::PrivateProfile theProfile = LoadFrom("[S]\r\na=\"x\"\r\nb='y'\r\nc=\"\"z\"\"\r\nd='x\"\r\ne=\"\r\n");
  EXPECT_EQ(theProfile.Get("S", "a"), "x");
  EXPECT_EQ(theProfile.Get("S", "b"), "y");
  EXPECT_EQ(theProfile.Get("S", "c"), "\"z\"");
  EXPECT_EQ(theProfile.Get("S", "d"), "'x\"");
  EXPECT_EQ(theProfile.Get("S", "e"), "\"");
}

TEST_F(PrivateProfileTest, GetTreatsLineWithoutEqualsAsMissing) {
  platform::PrivateProfile theProfile = LoadFrom("[S]\r\nflag\r\nempty=\r\n");
  EXPECT_EQ(theProfile.Get("S", "flag"), std::nullopt);
  EXPECT_EQ(theProfile.Get("S", "empty"), "");
}

TEST_F(PrivateProfileTest, SetAppendsNewKeyAtEndOfItsSection) {
  platform::PrivateProfile theProfile = LoadFrom("[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
  theProfile.Set("a", "z", "3");
  EXPECT_EQ(SaveBytes(theProfile), "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n");
}

TEST_F(PrivateProfileTest, SetAddsNewSectionAtEndOfFile) {
  platform::PrivateProfile theProfile = LoadFrom("[A]\r\nx=1\r\n");
  theProfile.Set("C", "k", "v");
  theProfile.Set("B", "k", "w");
  EXPECT_EQ(SaveBytes(theProfile), "[A]\r\nx=1\r\n[C]\r\nk=v\r\n[B]\r\nk=w\r\n");
}

TEST_F(PrivateProfileTest, SetReplacesValueKeepingKeyNameAndPlace) {
  platform::PrivateProfile theProfile = LoadFrom("[A]\r\nFirst=1\r\nsecond=2\r\n");
  theProfile.Set("A", "FIRST", "9");
  EXPECT_EQ(SaveBytes(theProfile), "[A]\r\nFirst=9\r\nsecond=2\r\n");
}

TEST_F(PrivateProfileTest, SetDropsOnlyLeadingBlanksOfValue) {
  platform::PrivateProfile theProfile = LoadFrom("[A]\r\n");
  theProfile.Set(" A ", " k ", " \t9 \t");
  EXPECT_EQ(theProfile.Get("A", "k"), "9 \t");
  EXPECT_EQ(SaveBytes(theProfile), "[A]\r\nk=9 \t\r\n");
}

TEST_F(PrivateProfileTest, SaveKeepsCommentsAndDropsBlankLines) {
  platform::PrivateProfile theProfile = LoadFrom("; top\n\n[A]\r\n;note\r\n\r\nx = 1\r\n");
  EXPECT_EQ(SaveBytes(theProfile), "; top\r\n[A]\r\n;note\r\nx=1\r\n");
}

TEST_F(PrivateProfileTest, SaveFailsIntoMissingFolder) {
  platform::PrivateProfile theProfile = LoadFrom("[A]\r\nx=1\r\n");
  std::filesystem::path theMissing = theFolder.GetPath() / "missing" / "test.ini";
  EXPECT_FALSE(theProfile.Save(theMissing));
  EXPECT_FALSE(std::filesystem::exists(theMissing.parent_path()));
}

}  // namespace
}  // namespace zorvane::test

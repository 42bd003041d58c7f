// The settings-file calls of the platform seam. Built for both targets: on Windows they are
// the system's private-profile functions, natively the stand-in; passing the same
// expectations on both is what shows that the stand-in behaves like Windows.
#include <gtest/gtest.h>

#include <optional>

#include "platform/FileFaults.h"
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

TEST_F(PrivateProfileTextTest, ReadMatchesNamesLooselyAndValuesExactlyAsWindowsDoes) {
  EXPECT_EQ(Read("A", "x"), "DEFAULT");
  WriteFileBytes(theFile,
                 "[Alpha]\r\n  Key One  =  v 1  \r\nnoval\r\n;comment\r\nempty=\r\nk=1\r\nk=2\r\n[ Beta ]\r\n"
                 "d=\"q\"\r\ns='w'\r\nmixed='w\"\r\nlone=\"\r\nblank=\"\"\r\ninner=a\"b\"\r\n[alpha]\r\nonly=4\r\n");
  const std::pair<std::pair<const char*, const char*>, const char*> kCases[] = {
      {{"Gamma", "k"}, "DEFAULT"},
      {{"Alpha", "y"}, "DEFAULT"},
      {{"alpha", "KEY ONE"}, "v 1"},
      {{" Alpha ", " key one "}, "v 1"},
      {{"Alpha", "noval"}, "DEFAULT"},
      {{"Alpha", ";comment"}, "DEFAULT"},
      {{"Alpha", "empty"}, ""},
      {{"Alpha", "k"}, "1"},
      {{"Alpha", "only"}, "DEFAULT"},
      {{"beta", "d"}, "q"},
      {{"Beta", "s"}, "w"},
      {{"Beta", "mixed"}, "'w\""},
      {{"Beta", "lone"}, "\""},
      {{"Beta", "blank"}, ""},
      {{"Beta", "inner"}, "a\"b\""},
  };
  for (const auto& [theName, sValue] : kCases) {
    EXPECT_EQ(Read(theName.first, theName.second), sValue) << theName.first << "." << theName.second;
  }
  EXPECT_EQ(Read("Alpha", "KEY ONE", 3), "v ");
}

// A hand-edited file may be malformed; the native stand-in must read it as Windows does.
TEST_F(PrivateProfileTextTest, MalformedFilesReadAsWindowsReadsThem) {
  WriteFileBytes(theFile,
                 std::string("\xEF\xBB\xBFtop=0\r\n[Export\r\nbSkipBOOK=1\r\n[A] junk\r\nk=1\r[B]x]\nk=2\r\n") +
                     "  [C]  \r\nk=3\r\n[D\r\nk=4\r\n[Z]\r\nv=x" + std::string(1, '\0') +
                     "y\r\nlong=" + std::string(200, 'w') +
                     "\r\n\x1A"
                     "eof=\x1A"
                     "5\x1A\r\nlast=6");
  const std::pair<std::pair<const char*, const char*>, const char*> kCases[] = {
      {{"", "top"}, "0"},  {{"", "bSkipBOOK"}, "1"}, {{"Export", "bSkipBOOK"}, "DEFAULT"},
      {{"A", "k"}, "1"},   {{"B", "k"}, "DEFAULT"},  {{"B]x", "k"}, "2"},
      {{"C", "k"}, "3"},   {{"D", "k"}, "DEFAULT"},  {{"Z", "v"}, "x"},
      {{"Z", "eof"}, "5"}, {{"Z", "last"}, "6"},
  };
  for (const auto& [theName, sValue] : kCases) {
    EXPECT_EQ(Read(theName.first, theName.second), sValue) << theName.first << "." << theName.second;
  }
  EXPECT_EQ(Read("Z", "long", 10000), std::string(200, 'w'));
  // Saved as UTF-16, either byte order.
  for (const std::string& sMark : {std::string("\xFF\xFE"), std::string("\xFE\xFF")}) {
    std::string sBytes = sMark;
    for (char ch : std::string("[Export]\r\nbSkipBOOK=1\r\n"))
      sBytes += sMark[0] == '\xFF' ? std::string{ch, '\0'} : std::string{'\0', ch};
    WriteFileBytes(theFile, sBytes);
    EXPECT_EQ(Read("Export", "bSkipBOOK"), "1") << static_cast<int>(sMark[0]);
  }
}

TEST_F(PrivateProfileTextTest, WriteCreatesFileWithSectionsInOrderOfFirstUse) {
  EXPECT_TRUE(platform::WritePrivateProfileText("Piloting", "bA", "0", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("Export", "bB", "0", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("Export", "bC", "1", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("Piloting", "bE", "", ".\\test.ini"));
  EXPECT_TRUE(platform::WritePrivateProfileText("Import", "bD", " \t x w \t", ".\\test.ini"));

  // Leading blanks of a value are dropped when writing, trailing ones only when reading.
  EXPECT_EQ(ReadFileBytes(theFile),
            "[Piloting]\r\nbA=0\r\nbE=\r\n[Export]\r\nbB=0\r\nbC=1\r\n[Import]\r\nbD=x w \t\r\n");
  EXPECT_EQ(Read("Import", "bD"), "x w");
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

#if !defined(_WIN32)
// As root every file can be read here, so the read failure is made through the platform seam.
TEST_F(PrivateProfileTextTest, NativeStandInLeavesAFileItCannotReadAlone) {
  WriteFileBytes(theFile, "[Export]\r\nbSkipBOOK=1\r\n");
  platform::SetFileFaultHook([](platform::FileOperation eOperation, const std::filesystem::path&) {
    return eOperation == platform::FileOperation::kRead ? std::make_error_code(std::errc::io_error) : std::error_code();
  });
  const bool bWritten = platform::WritePrivateProfileText("Export", "bSkipMISC", "1", ".\\test.ini");
  platform::SetFileFaultHook(nullptr);

  EXPECT_FALSE(bWritten);
  EXPECT_EQ(ReadFileBytes(theFile), "[Export]\r\nbSkipBOOK=1\r\n");
}
#endif

}  // namespace
}  // namespace zorvane::test

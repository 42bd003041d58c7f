// The reader of plugin files: what the writer of tests/support writes is read back (every kind
// of file, masters, compressed records, nested groups, long fields), each kind of unreadable
// file is reported where it stops, and only the wanted forms are kept.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "checker/PluginFileReader.h"
#include "support/Files.h"
#include "support/PluginFileWriter.h"

namespace zorvane::test {
namespace {

using namespace shipfile;
using Bounds = std::array<int16_t, 6>;

std::string MakeBoundsField(const Bounds& theBounds) {
  std::string sBytes;
  for (int16_t iValue : theBounds)
    sBytes += std::string{static_cast<char>(iValue & 0xFF), static_cast<char>((iValue >> 8) & 0xFF)};
  return sBytes;
}

std::string DumpRecord(const PluginRecord& theRecord) {
  std::ostringstream theOut;
  theOut << theRecord.sType << " \"" << theRecord.sEditorID << "\"";
  if (theRecord.theBounds) {
    theOut << " bounds";
    for (int16_t iValue : *theRecord.theBounds) theOut << " " << iValue;
  }
  theOut << " in " << theRecord.sFile << "\n";
  return theOut.str();
}

// Everything the reader gives, one line per record, own forms by local ID.
std::string Dump(const PluginFileContents& theContents) {
  std::ostringstream theOut;
  char sFlags[16];
  std::snprintf(sFlags, sizeof(sFlags), "0x%08X", theContents.uHeaderFlags);
  theOut << theContents.sName << ": flags " << sFlags << " " << GetKindName(theContents.eKind)
         << (theContents.bLocalized ? " localized" : "") << (theContents.bMaster ? " master" : "") << "; masters";
  for (const std::string& sMaster : theContents.theMasters) theOut << " " << sMaster;
  theOut << "\n";
  const std::map<uint32_t, PluginRecord> theOwn(theContents.theOwnForms.begin(), theContents.theOwnForms.end());
  for (const auto& [uLocalID, theRecord] : theOwn) {
    char sID[16];
    std::snprintf(sID, sizeof(sID), "%06X", uLocalID);
    theOut << "own " << sID << " " << DumpRecord(theRecord);
  }
  for (const auto& [theKey, theRecord] : theContents.theOverrides) {
    char sID[16];
    std::snprintf(sID, sizeof(sID), "%06X", theKey.uLocalID);
    theOut << "override " << sID << "|" << theKey.sFile << " " << DumpRecord(theRecord);
  }
  if (theContents.theError) theOut << "error: " << theContents.theError->Describe() << "\n";
  return theOut.str();
}

TEST(PluginFileReaderTest, ReadsBackWhatTheWriterWrote) {
  const std::string sLong(70000, 'x');  // sized by XXXX
  const std::string sBytes =
      MakePluginBytes(kPluginMasterFlag | kPluginLocalizedFlag, {"Starfield.esm", "Other.ESM"}, [&](auto& theWriter) {
        theWriter.BeginGroup("KYWD");
        theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x02000800, .sEditorID = "MyKeyword", .uFullNameID = 7});
        theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x00030001, .sEditorID = "ShipClassA"});
        theWriter.EndGroup();
        theWriter.BeginGroup("GBFM");
        theWriter.BeginGroup(MakeU32(0x02000801), 1);
        theWriter.AddRecord({.sType = "GBFM",
                             .uFormID = 0x02000801,
                             .sEditorID = "MyHab",
                             .theBounds = Bounds{-5, -6, -7, 5, 6, 7},
                             .uFullNameID = 8,
                             .bCompressed = true});
        theWriter.AddRecord({.sType = "GBFM",
                             .uFormID = 0x02000802,
                             .sEditorID = "Packed",
                             .theMoreFields = {{"DATA", sLong}, {"OBND", MakeBoundsField({0, 0, 0, 9, 9, 9})}},
                             .bCompressed = true});
        theWriter.EndGroup();
        theWriter.AddRecord({.sType = "STAT",
                             .uFormID = 0x01000ABC,
                             .sEditorID = "OtherThing",
                             .theMoreFields = {{"DATA", sLong}, {"OBND", MakeBoundsField({1, 2, 3, 4, 5, 6})}}});
        theWriter.EndGroup();
      });
  EXPECT_EQ(Dump(ReadPluginBytes(sBytes, "Mine.esm")),
            "Mine.esm: flags 0x00000081 full localized master; masters Starfield.esm Other.ESM\n"
            "own 000800 KYWD \"MyKeyword\" in Mine.esm\n"
            "own 000801 GBFM \"MyHab\" bounds -5 -6 -7 5 6 7 in Mine.esm\n"
            "own 000802 GBFM \"Packed\" bounds 0 0 0 9 9 9 in Mine.esm\n"
            "override 030001|starfield.esm KYWD \"ShipClassA\" in Mine.esm\n"
            "override 000ABC|other.esm STAT \"OtherThing\" bounds 1 2 3 4 5 6 in Mine.esm\n");
}

TEST(PluginFileReaderTest, SmallAndMediumFilesHoldTheirRangeOfOwnForms) {
  const auto MakeFile = [](uint32_t uFlags, uint32_t uLocalID) {
    return MakePluginBytes(uFlags, {"Starfield.esm"}, [&](auto& theWriter) {
      theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x00000800, .sEditorID = "Overridden"});
      theWriter.AddRecord({.sType = "MISC", .uFormID = 0x01000000 | uLocalID, .sEditorID = "Mine"});
    });
  };
  EXPECT_EQ(Dump(ReadPluginBytes(MakeFile(kPluginSmallFlag, 0xFFF), "S.esp")),
            "S.esp: flags 0x00000100 small; masters Starfield.esm\n"
            "own 000FFF MISC \"Mine\" in S.esp\n"
            "override 000800|starfield.esm KYWD \"Overridden\" in S.esp\n");
  EXPECT_EQ(Dump(ReadPluginBytes(MakeFile(kPluginMediumFlag, 0xFFFF), "M.esm")),
            "M.esm: flags 0x00000400 medium; masters Starfield.esm\n"
            "own 00FFFF MISC \"Mine\" in M.esm\n"
            "override 000800|starfield.esm KYWD \"Overridden\" in M.esm\n");
  // The header (76 bytes) and the first record (24 + 17) come before the form out of range.
  EXPECT_EQ(ReadPluginBytes(MakeFile(kPluginSmallFlag, 0x1000), "S.esp").theError->Describe(),
            "S.esp: record MISC (form ID 0x01001000) is outside the range of a small file's own forms (0x000-0xFFF) "
            "(at byte 117)");
  const PluginFileContents theMedium = ReadPluginBytes(MakeFile(kPluginMediumFlag, 0x10000), "M.esm");
  EXPECT_EQ(Dump(theMedium),
            "M.esm: flags 0x00000400 medium; masters Starfield.esm\n"
            "override 000800|starfield.esm KYWD \"Overridden\" in M.esm\n"
            "error: M.esm: record MISC (form ID 0x01010000) is outside the range of a medium file's own forms "
            "(0x0000-0xFFFF) (at byte 117)\n");
}

// A file with a top group of two records, the second compressed, and where each starts.
struct Sample {
  std::string sBytes;
  uint64_t uGroup = 0, uFirst = 0, uSecond = 0;
};

Sample MakeSample(std::optional<uint32_t> uStatedSize = std::nullopt) {
  Sample theSample;
  theSample.sBytes = MakePluginBytes(0, {"Starfield.esm"}, [&](auto& theWriter) {
    theSample.uGroup = theWriter.BeginGroup("KYWD");
    theSample.uFirst = theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x01000800, .sEditorID = "First"});
    theSample.uSecond = theWriter.AddRecord({.sType = "STAT",
                                             .uFormID = 0x01000801,
                                             .sEditorID = "Second",
                                             .theBounds = Bounds{},
                                             .bCompressed = true,
                                             .uStatedSize = uStatedSize});
  });
  return theSample;
}

void SetU32(std::string& sBytes, uint64_t uOffset, uint32_t uValue) { sBytes.replace(uOffset, 4, MakeU32(uValue)); }

// The error, with what was read before it kept.
std::string ReadError(const std::string& sBytes) {
  const PluginFileContents theContents = ReadPluginBytes(sBytes, "Sample.esm");
  if (!theContents.theError) return "no error";
  const std::string sKept = theContents.theOwnForms.count(0x800) ? " [First kept]" : "";
  return theContents.theError->Describe() + sKept;
}

TEST(PluginFileReaderTest, SizesRunningPastWhatHoldsThemStopTheReading) {
  const Sample theSample = MakeSample();
  const std::string sSecond = "record STAT (form ID 0x01000801)";
  // Cut inside the second record: the group is the first header the cut shows in.
  const uint64_t uGroupSize = theSample.sBytes.size() - theSample.uGroup;
  EXPECT_EQ(ReadError(theSample.sBytes.substr(0, theSample.sBytes.size() - 3)),
            "Sample.esm: top group KYWD of " + std::to_string(uGroupSize) + " bytes runs past the end of the file (" +
                std::to_string(uGroupSize - 3) + " bytes remain) (at byte " + std::to_string(theSample.uGroup) + ")");
  std::string sBytes = theSample.sBytes;
  SetU32(sBytes, theSample.uGroup + 4, static_cast<uint32_t>(uGroupSize - 1));
  const uint64_t uSecondSize = theSample.sBytes.size() - theSample.uSecond;
  EXPECT_EQ(ReadError(sBytes), "Sample.esm: " + sSecond + " of " + std::to_string(uSecondSize) +
                                   " bytes runs past the end of its group (" + std::to_string(uSecondSize - 1) +
                                   " bytes remain) (at byte " + std::to_string(theSample.uSecond) + ") [First kept]");
  SetU32(sBytes, theSample.uGroup + 4, 23);
  EXPECT_EQ(ReadError(sBytes),
            "Sample.esm: top group KYWD has a size of 23 bytes, less than its 24-byte header (at byte " +
                std::to_string(theSample.uGroup) + ")");
  sBytes = theSample.sBytes;
  sBytes[theSample.uFirst + 24 + 4] = 7;  // EDID "First\0" said to be 7 bytes long, 6 are left
  EXPECT_EQ(ReadError(sBytes),
            "Sample.esm: record KYWD (form ID 0x01000800): field EDID of 7 bytes runs past the end "
            "of the record (at byte " +
                std::to_string(theSample.uFirst + 24) + ")");
  // A record outside any group, cut: 76 bytes of header, then 24 of its 36.
  const std::string sLoose = MakePluginBytes(0, {"Starfield.esm"}, [](auto& theWriter) {
    theWriter.AddRecord({.sType = "MISC", .uFormID = 0x01000900, .sEditorID = "Loose"});
  });
  EXPECT_EQ(ReadError(sLoose.substr(0, 76 + 24)),
            "Sample.esm: record MISC (form ID 0x01000900) of 36 bytes runs past the end of the file (24 bytes remain) "
            "(at byte 76)");
  EXPECT_EQ(ReadError(sLoose.substr(0, 76 + 10)),
            "Sample.esm: a 24-byte header runs past the end of the file (10 bytes remain) (at byte 76)");
  EXPECT_EQ(ReadError(sLoose.substr(0, 20)),
            "Sample.esm: too short to be a plugin file (20 bytes, less than a 24-byte record header) (at byte 0)");
  EXPECT_EQ(ReadError("PK\x03\x04" + sLoose.substr(4)),
            "Sample.esm: not a plugin file: it starts with \"PK\\x03\\x04\", not with a TES4 record (at byte 0)");
}

TEST(PluginFileReaderTest, CompressedRecordsThatDoNotDecompressStopTheReading) {
  const Sample theSample = MakeSample();
  const std::string sSecond = "Sample.esm: record STAT (form ID 0x01000801) is compressed, but ";
  const std::string sAt = " (at byte " + std::to_string(theSample.uSecond) + ") [First kept]";
  std::string sBytes = theSample.sBytes;
  sBytes[theSample.uSecond + 24 + 4] = 0;  // the zlib stream's first byte
  EXPECT_EQ(ReadError(sBytes),
            sSecond + "its compressed data is not a zlib stream zlib can read (incorrect header check)" + sAt);
  sBytes = theSample.sBytes;
  sBytes.resize(sBytes.size() - 2);  // the stream's end cut, with the sizes made to agree
  SetU32(sBytes, theSample.uSecond + 4, static_cast<uint32_t>(sBytes.size() - theSample.uSecond - 24));
  SetU32(sBytes, theSample.uGroup + 4, static_cast<uint32_t>(sBytes.size() - theSample.uGroup));
  EXPECT_EQ(ReadError(sBytes), sSecond + "its compressed data ends before the zlib stream does" + sAt);
  // The fields: EDID "Second\0" (6 + 7) and OBND (6 + 12) are 31 bytes.
  EXPECT_EQ(ReadError(MakeSample(36).sBytes), sSecond + "it decompresses to 31 bytes, not the 36 it states" + sAt);
  EXPECT_EQ(ReadError(MakeSample(20).sBytes), sSecond + "it decompresses to more than the 20 bytes it states" + sAt);
  EXPECT_EQ(ReadError(MakeSample(0x7FFFFFFF).sBytes),
            sSecond + "it states a decompressed size of 2147483647 bytes, more than the 64 MB a record may have" + sAt);
}

TEST(PluginFileReaderTest, FormIDsAndHeaderFlagsTheFileCannotHaveStopTheReading) {
  const auto MakeFile = [](uint32_t uFlags, uint32_t uFormID) {
    return MakePluginBytes(uFlags, {"Starfield.esm"}, [&](auto& theWriter) {
      theWriter.AddRecord({.sType = "KYWD", .uFormID = uFormID, .sEditorID = "Key"});
    });
  };
  EXPECT_EQ(ReadError(MakeFile(0, 0x02000800)),
            "Sample.esm: record KYWD (form ID 0x02000800) names no master (the file has 1 master) (at byte 76)");
  EXPECT_EQ(
      ReadError(MakeFile(kPluginSmallFlag | kPluginMediumFlag, 0x01000800)),
      "Sample.esm: the header's flags 0x00000500 mark the file both small (0x100) and medium (0x400) (at byte 0)");
}

TEST(PluginFileReaderTest, KeepsOnlyTheWantedFormsAndDecompressesNoOther) {
  uint64_t uBroken = 0;
  std::string sBytes = MakePluginBytes(0, {"Starfield.esm"}, [&](auto& theWriter) {
    theWriter.BeginGroup("KYWD");
    theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x01000800, .sEditorID = "Wanted"});
    theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x01000801, .sEditorID = "Unwanted"});
    uBroken = theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x01000802, .sEditorID = "Broken", .bCompressed = true});
    theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x00030001, .sEditorID = "WantedOverride", .bCompressed = true});
    theWriter.AddRecord({.sType = "KYWD", .uFormID = 0x00030002, .sEditorID = "UnwantedOverride"});
  });
  sBytes[uBroken + 24 + 4] = 0;  // a zlib stream no one asks for
  TempFolder theFolder;
  WriteFileBytes(theFolder.GetPath() / "Mine.esp", sBytes);
  const WantedForms theWanted{{{"mine.esp", 0x800}, {"starfield.esm", 0x030001}, {"other.esm", 0x801}}};
  EXPECT_EQ(Dump(ReadPluginFile(theFolder.GetPath() / "Mine.esp", "Mine.ESP", &theWanted)),
            "Mine.ESP: flags 0x00000000 full; masters Starfield.esm\n"
            "own 000800 KYWD \"Wanted\" in Mine.ESP\n"
            "override 030001|starfield.esm KYWD \"WantedOverride\" in Mine.ESP\n");
}

// More than the file reader's buffer: many records, and one larger than the buffer.
TEST(PluginFileReaderTest, AFileIsReadInPiecesAsFromMemory) {
  const std::string sBytes = MakePluginBytes(kPluginMasterFlag, {}, [](auto& theWriter) {
    theWriter.BeginGroup("MISC");
    for (uint32_t i = 0; i < 12000; ++i) {
      theWriter.AddRecord({.sType = "MISC",
                           .uFormID = 0x800 + i,
                           .sEditorID = "Item" + std::to_string(i),
                           .theBounds = Bounds{1, 1, 1, 2, 2, 2},
                           .theMoreFields = {{"DESC", std::string(450, 'd')}},
                           .bCompressed = i % 10 == 0});
      if (i == 6000) {
        theWriter.AddRecord({.sType = "STAT",
                             .uFormID = 0x10,
                             .sEditorID = "Big",
                             .theMoreFields = {{"DATA", std::string(5 << 20, 'b')}, {"OBND", MakeBoundsField({})}}});
      }
    }
  });
  ASSERT_GT(sBytes.size(), 10u << 20);  // the reader's buffer holds 1 MB
  TempFolder theFolder;
  WriteFileBytes(theFolder.GetPath() / "Many.esm", sBytes);
  const PluginFileContents theFromFile = ReadPluginFile(theFolder.GetPath() / "Many.esm", "Many.esm");
  const PluginFileContents theFromMemory = ReadPluginBytes(sBytes, "Many.esm");
  EXPECT_FALSE(theFromFile.theError.has_value());
  EXPECT_EQ(theFromFile.theOwnForms.size(), 12001u);
  EXPECT_EQ(DumpRecord(theFromFile.theOwnForms.at(0x10)), "STAT \"Big\" bounds 0 0 0 0 0 0 in Many.esm\n");
  EXPECT_EQ(Dump(theFromFile), Dump(theFromMemory));
  EXPECT_EQ(ReadPluginFile(theFolder.GetPath() / "None.esm", "None.esm").theError->Describe(),
            "None.esm: the file cannot be opened (at byte 0)");
}

TEST(PluginFileReaderTest, FormTypeCodesAreTheListsPositions) {
  EXPECT_EQ(GetFormTypeCode("NONE"), 0x00);
  EXPECT_EQ(GetFormTypeCode("KYWD"), 0x04);
  EXPECT_EQ(GetFormTypeCode("GBFM"), 0x41);
  EXPECT_EQ(GetFormTypeCode("AVIF"), 0x6D);
  EXPECT_EQ(GetFormTypeCode("CHAL"), 0xD6);
  EXPECT_EQ(GetFormTypeCode("KYWDX"), std::nullopt);
  EXPECT_EQ(GetFormTypeCode("kywd"), std::nullopt);
  for (unsigned uCode = 0; uCode <= 0xD6; ++uCode) {
    EXPECT_EQ(GetFormTypeCode(GetRecordType(static_cast<uint8_t>(uCode))), uCode);
  }
  EXPECT_EQ(GetRecordType(0x70), "VTYP");
  EXPECT_EQ(GetRecordType(0xD7), "");
}

}  // namespace
}  // namespace zorvane::test

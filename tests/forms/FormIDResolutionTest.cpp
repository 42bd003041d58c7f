// Turning a local hexadecimal form ID and a plugin name, or a whole form reference, into a
// form: the file's indices added with wrap-around, the length rules, the conversion rules
// and the messages of each refusal.
#include <gtest/gtest.h>

#include "forms/FormLookup.h"
#include "forms/FormsTest.h"

namespace zorvane::test {
namespace {

class FormIDResolutionTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    AddFile(game::kFullFiles, "Starfield.esm", 0x00);
    AddFile(game::kFullFiles, "MyMod.esm", 0x01);
    AddFile(game::kSmallFiles, "Small.esm", 0xFE, 0x012);
    AddFile(game::kSmallFiles, "Next.esm", 0xFE, 0x013);
    AddFile(game::kSmallFiles, "Wrap.esm", 0xFE, 0x2000);  // index beyond 12 bits: added, not OR-ed
    AddFile(game::kMediumFiles, "Medium.esm", 0xFD, 0x01);
  }

  static std::string Line(const std::string& sLevel, const std::string& sMessage) {
    return MakeLogLine(sLevel, "FormLookup.cpp", "GetFormFromFile", sMessage);
  }
  static std::string PaddedLine(const std::string& sPadded) {
    return Line("info", "this HexFormID's length < 6. Extended to 5. Result: " + sPadded);
  }
};

TEST_F(FormIDResolutionTest, FileIndicesAreAddedToTheLocalID) {
  struct Case {
    const char* sHex;
    const char* sPlugin;
    uint32_t uFormID;
  };
  const Case kCases[] = {
      {"01A2B3", "", 0x0001A2B3},        {"0001A2B3", "Starfield.esm", 0x0001A2B3}, {"00C0DE", "mymod.ESM", 0x0100C0DE},
      {"ABC", "Small.esm", 0xFE012ABC},  {"1ABC", "Next.esm", 0xFE014ABC},          {"00A4", "Medium.esm", 0xFD0100A4},
      {"5", "Wrap.esm", 0x00000005},     {"FFFFFFFF", "Starfield.esm", 0xFFFFFFFF}, {"-1", "Starfield.esm", 0xFFFFFFFF},
      {"12GZ", "MyMod.esm", 0x01000012}, {" 1A", "MyMod.esm", 0x0100001A},          {"0x1A", "MyMod.esm", 0x0100001A},
      {"0xZ", "MyMod.esm", 0x01000000},
  };
  for (const Case& theCase : kCases) {
    if (theWorld->FindForm(theCase.uFormID) == nullptr) AddForm(theCase.uFormID);
  }
  for (const Case& theCase : kCases) {
    game::TESForm* theForm = GetFormFromFile(theCase.sHex, theCase.sPlugin);
    EXPECT_EQ(theForm, theWorld->FindForm(theCase.uFormID)) << theCase.sHex << " " << theCase.sPlugin;
  }
}

TEST_F(FormIDResolutionTest, ShortIDsAreWidenedInMessagesOnly) {
  game::TESForm* theForm = AddForm(0x010001A2);
  EXPECT_EQ(GetFormFromFile("1A2", "MyMod.esm"), theForm);
  EXPECT_EQ(GetFormFromFile("001A2", "MyMod.esm"), theForm);
  EXPECT_EQ(GetFormFromFile("0001A2", "MyMod.esm"), theForm);
  EXPECT_EQ(GetFormFromFile("GZ", "MyMod.esm"), nullptr);
  EXPECT_EQ(GetFormFromFile("", "MyMod.esm"), nullptr);
  EXPECT_EQ(ReadFormsLog(),
            PaddedLine("001A2") + PaddedLine("001A2") + PaddedLine("000GZ") +
                Line("error", "std::stoul exception thrown for input String: 000GZ. Returning nullptr.") +
                Line("error", "parameter sHexFormIDNoPrefix is empty. Returning nullptr."));
}

TEST_F(FormIDResolutionTest, LongIDsOnlyForTheMasterByExactName) {
  AddForm(0x0001A2B3);
  EXPECT_NE(GetFormFromFile("001A2B3", "Starfield.esm"), nullptr);
  EXPECT_EQ(GetFormFromFile("001A2B3", "starfield.esm"), nullptr);
  EXPECT_EQ(GetFormFromFile("1234567", "MyMod.esm"), nullptr);
  EXPECT_EQ(GetFormFromFile("123456789", "MyMod.esm"), nullptr);
  EXPECT_EQ(GetFormFromFile("00001A2B3", "Starfield.esm"), nullptr);
  const std::string sNotMaster =
      "]. This is not supported format (length must be <= 6 if source plugin is not Starfield.esm). Returning nullptr.";
  EXPECT_EQ(ReadFormsLog(),
            Line("error", "this HexFormID's length > 6 [001A2B3" + sNotMaster) +
                Line("error", "this HexFormID's length > 6 [1234567" + sNotMaster) +
                Line("error", "this HexFormID's length > 6 [123456789" + sNotMaster) +
                Line("error",
                     "this HexFormID's length > 8 [00001A2B3]. This is not supported format (length must be <= 8 if "
                     "source plugin is Starfield.esm). Returning nullptr."));
}

TEST_F(FormIDResolutionTest, ZeroUnknownFileAndUnloadedFormGiveNull) {
  AddForm(0);  // found if the ID 0 were ever looked up
  EXPECT_EQ(GetFormFromFile("0", "Starfield.esm"), nullptr);
  EXPECT_EQ(GetFormFromFile("000", "Wrap.esm"), nullptr);  // 0xFE000000 + 0x02000000 wraps to 0
  EXPECT_EQ(GetFormFromFile("FFFF", "Medium.esm"), nullptr);
  EXPECT_EQ(GetFormFromFile("000801", "Missing.esm"), nullptr);
  EXPECT_EQ(ReadFormsLog(),
            PaddedLine("00000") +
                Line("error",
                     "   FormID [0 | 00000000] supposedly defined in [Starfield.esm | Type: Full] is out of range. "
                     "Returning nullptr.") +
                PaddedLine("00000") +
                Line("error",
                     "   FormID [0 | 00000000] supposedly defined in [Wrap.esm | Type: Small] is out of range. "
                     "Returning nullptr.") +
                PaddedLine("0FFFF") +
                Line("warning", "   this FormID [" + std::to_string(0xFD01FFFFu) +
                                    " | FD01FFFF] supposedly defined in [Medium.esm | Type: Medium] is withing range "
                                    "but it does not point to a valid Form or this Form is an unloaded Reference. "
                                    "Returning nullptr.") +
                MakeLogLine("error", "FormLookup.cpp", "LookupTESFileByName",
                            "no TESFile could be found with name: Missing.esm") +
                Line("error", "no PluginFile could be found with the name [Missing.esm]. Returning nullptr."));
}

TEST_F(FormIDResolutionTest, FormReferenceUsesTheLastTwoBars) {
  game::TESForm* theChair = AddForm(0x01000801);
  EXPECT_EQ(GetHexFormIDFromFormRef("Chair |000801|MyMod.esm"), "000801");
  EXPECT_EQ(GetHexFormIDFromFormRef("A|B|000801|MyMod.esm"), "000801");
  EXPECT_EQ(GetHexFormIDFromFormRef("a|b|"), "b");
  for (const char* sNone : {"", "000801|MyMod.esm", "|MyMod.esm", "Chair ||MyMod.esm", "no bar"}) {
    EXPECT_EQ(GetHexFormIDFromFormRef(sNone), "") << sNone;
  }
  EXPECT_EQ(GetFormFromFormRef("Chair |000801|MyMod.esm"), theChair);
  EXPECT_EQ(GetFormFromFormRef("A|B|000801|MyMod.esm"), theChair);
  // Windows allows no file name to end in blanks or tabs: an editor left them.
  EXPECT_EQ(GetFormFromFormRef("Chair |000801|MyMod.esm \t "), theChair);
  EXPECT_EQ(ReadFormsLog(), "");
  for (const char* sNone : {"", "000801|MyMod.esm", "Chair ||MyMod.esm", "Chair |000801|", "Chair |000801| \t", "||",
                            "|"}) {
    EXPECT_EQ(GetFormFromFormRef(sNone), nullptr) << sNone;
  }
  EXPECT_EQ(ReadFormsLog(), "");
}

}  // namespace
}  // namespace zorvane::test

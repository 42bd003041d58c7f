// The layout import's own behaviour: raised errors are logged and passed, every byte of the
// file is read, and a file that cannot be used says why. (Each failed check of a line, with its
// message and nothing changed, is the session import-line-checks.)
#include "ship/ImportLayoutTest.h"

#include <gtest/gtest.h>

#include "platform/FileFaults.h"

namespace zorvane::test {
namespace {

// A conversion error inside a group is logged with the group and the line, the field keeps
// what it had, and the other groups and lines go on. The same for a step that fails while
// it writes into the game: the keyword list, full at one, cannot grow for its second keyword.
TEST_F(ImportLayoutTest, RaisedErrorsAreLoggedWithTheirGroupAndTheImportGoesOn) {
  theWorld->FailOperation("HeapAllocate");
  // A line whose value does not convert is still there: its module is whole.
  EXPECT_TRUE(ImportLines(Join(ModuleLines(0, {{"fPosX", "1.5"}, {"fPosY", "abc"}}),
                               {"BGSPropertySheet[0].first |050001|Starfield.esm", "BGSPropertySheet[0].third |abc",
                                "BGSKeywordForm[0] |030001|Starfield.esm", "BGSKeywordForm[1] |030003|Starfield.esm",
                                "TESModel.model |Raised.nif"})));
  EXPECT_EQ(GetTimeline(),
            (std::vector<std::string>{
                "error: exception while parsing Blueprint | sLine: Blueprint.data[0].fPosY |abc",
                "error: exception while parsing BGSPropertySheet | sLine: BGSPropertySheet[0].third |abc",
                "error: exception while importing BGSKeywordForm"}));
  const nlohmann::json theComponents = GetHomeComponents();
  EXPECT_EQ(theComponents["BGSKeywordForm_Component"]["keywords"], nlohmann::json::array({"0x00030001"}));
  const nlohmann::json& theModule = theComponents["Blueprint_Component"]["data"][0];
  EXPECT_EQ(theModule["fPosX"], 1.5);
  EXPECT_EQ(theModule["fPosY"], 0.0);
  EXPECT_EQ(theComponents["BGSPropertySheet_Component"]["properties"],
            nlohmann::json::parse(R"([{"first": "0x00050001", "second": null, "third": 0.0},
                                      {"first": "0x000C55B1", "second": null, "third": 1.0}])"));
  EXPECT_EQ(theComponents["TESModel_Component"]["model"], "Raised.nif");
}

// Whole numbers are taken exactly, where a float would lose them, blanks after them too; other
// values are truncated as the x86 conversion does, for every float.
TEST_F(ImportLayoutTest, FloatFieldsOfWholeNumbersKeepEveryDigit) {
  EXPECT_TRUE(ImportLines(ModuleLines(0, {{"partID", "16777217 \t"},
                                          {"unk44", "4294967295"},
                                          {"unk40", "1e30"},
                                          {"unk38", "-1"},
                                          {"unk39", "-1.5"},
                                          {"unk3A", "256"},
                                          {"unk3B", "2.9e9"},
                                          {"unk3C", "123.9"}})));
  const nlohmann::json theModule = GetHomeComponents()["Blueprint_Component"]["data"][0];
  EXPECT_EQ(theModule["partID"], 16777217);
  EXPECT_EQ(theModule["unk44"], 4294967295u);
  EXPECT_EQ(theModule["unk40"], 0);
  EXPECT_EQ(theModule["unk38"], 255);
  EXPECT_EQ(theModule["unk39"], 255);
  EXPECT_EQ(theModule["unk3A"], 0);
  EXPECT_EQ(theModule["unk3B"], 0);
  EXPECT_EQ(theModule["unk3C"], 123);
}

// Lines are counted from 0, empty ones included; one CR before a LF ends a line with it; a
// 0x1A byte is text, a NUL byte ends the line; only the first line is the header, which names
// no field; a last line without a line feed counts.
TEST_F(ImportLayoutTest, EveryByteOfTheFileIsRead) {
  using namespace std::string_literals;
  theSettings.Logging.bVerboseLogging = true;
  const std::vector<std::string> theModule = ModuleLines(0);
  WriteFileBytes(GetShipFolder() / "Bytes.txt",
                 "Ship: My TESModel.model |Header.nif\r\n\nDisplayName |Name \x1A more\r\n"
                 "TESFullName.fullName |Full\0hidden\n"s +
                     JoinCrLf(theModule) + "Ship: TESModel.model |Last.nif");
  EXPECT_TRUE(Import("Bytes.txt"));
  std::vector<std::string> theExpected = {
      "info: (0)   [Ship: My TESModel.model |Header.nif]", "warning: (1) empty line",
      "info: (2)   [DisplayName |Name \x1A more]",
      "warning: NUL byte in the line, the text after it is dropped | sLine: TESFullName.fullName |Full",
      "info: (3)   [TESFullName.fullName |Full]"};
  for (std::size_t i = 0; i < theModule.size(); ++i) {
    theExpected.push_back("info: (" + std::to_string(i + 4) + ")   [" + theModule[i] + "]");
  }
  theExpected.push_back("info: (29)   [Ship: TESModel.model |Last.nif]");
  EXPECT_EQ(GetTimeline(), theExpected);
  EXPECT_EQ(GetDumped("0xFF000C00")["extra"][0]["string"], "Name \x1A more");
  EXPECT_EQ(GetHomeComponents()["TESFullName_Component"]["fullName"], "Full");
  EXPECT_EQ(GetHomeComponents()["TESModel_Component"]["model"], "Last.nif");
}

TEST_F(ImportLayoutTest, AFileThatCannotBeUsedSaysWhy) {
  const nlohmann::json theWorldBefore = sim::DumpWorld(*theWorld);
  const std::string sFolder = kShipFolder;
  EXPECT_FALSE(Import("Missing.txt"));
  WriteFileBytes(GetShipFolder() / "Locked.txt", "TESModel.model |Locked.nif\r\n");
  // Marked read-only: refused even where the process could write it anyway (as root).
  namespace fs = std::filesystem;
  fs::permissions(GetShipFolder() / "Locked.txt",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write, fs::perm_options::remove);
  EXPECT_FALSE(Import("Locked.txt"));
  fs::permissions(GetShipFolder() / "Locked.txt", fs::perms::owner_write, fs::perm_options::add);
  platform::SetFileFaultHook([](platform::FileOperation eOperation, const std::filesystem::path&) {
    return eOperation == platform::FileOperation::kRead ? std::make_error_code(std::errc::io_error) : std::error_code();
  });
  EXPECT_FALSE(Import("Locked.txt"));
  platform::SetFileFaultHook({});
  game::TESForm* theBase = theHome->theBase;
  theHome->theBase = theWorld->FindForm(0x00030001);
  EXPECT_FALSE(Import("Locked.txt"));
  theHome->theBase = theWorld->FindForm(0x00080001);
  EXPECT_FALSE(Import("Locked.txt"));
  theHome->theBase = theBase;
  EXPECT_FALSE(ImportShipLayoutToBaseOfRef(nullptr, sFolder, "Locked.txt", &theSettings));

  EXPECT_EQ(GetTimeline(),
            (std::vector<std::string>{
                "error: no file exists at [" + sFolder + "Missing.txt]",
                "error: the ship file [" + sFolder + "Locked.txt] must be writable to be imported: Permission denied",
                "error: the ship file [" + sFolder + "Locked.txt] cannot be read: Input/output error",
                "error: ShipBase is nullptr or not a bound object",
                "error: ShipBase is not BGSGenericBaseForm | FormType: 40", "error: theShipRef is nullptr"}));
  EXPECT_EQ(sim::DumpWorld(*theWorld), theWorldBefore);
}

}  // namespace
}  // namespace zorvane::test

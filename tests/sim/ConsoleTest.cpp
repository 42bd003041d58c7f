// The simulated game's console: how it calls a handler, and entries it cannot run. What a typed
// line makes of names and text parameters is shown by the console-lines session.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "Console.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

// What one call of a handler received.
struct HandlerCall {
  std::vector<uint8_t> theHeader;  // the eight bytes before the text
  std::string sText;               // the text as the length byte at offset 6 describes it
  bool bAsTheGameCalls;            // the entry's descriptors, no containing object, script or locals, outputs given
};
std::vector<HandlerCall> gCalls;

bool RecordCall(const game::CommandParam* theParams, const uint8_t* theData, game::TESObjectREFR*,
                game::TESObjectREFR* theContainingObj, void* theScript, void* theLocals, float* theResult,
                uint32_t* theOpcodeOffset) {
  gCalls.push_back({std::vector<uint8_t>(theData, theData + game::kCommandTextOffset),
                    std::string(reinterpret_cast<const char*>(theData + game::kCommandTextOffset),
                                theData[game::kCommandTextLengthOffset]),
                    theParams == sim::GetCurrentWorld()->theConsoleCommands[2].theParams &&
                        theContainingObj == nullptr && theScript == nullptr && theLocals == nullptr &&
                        theResult != nullptr && theOpcodeOffset != nullptr});
  return true;
}

using Lines = std::vector<std::string>;

class ConsoleTest : public PluginFixture {
 protected:
  void SetUp() override {
    PluginFixture::SetUp();
    gCalls.clear();
  }

  game::CommandEntry& Entry(const char* sLongName) {
    for (auto* theTable : {&theWorld->theConsoleCommands, &theWorld->theScriptCommands}) {
      for (game::CommandEntry& theEntry : *theTable) {
        if (theEntry.sLongName != nullptr && std::strcmp(theEntry.sLongName, sLongName) == 0) return theEntry;
      }
    }
    throw std::runtime_error(std::string("no entry ") + sLongName);
  }

  // The console lines one typed line makes the game print.
  Lines Run(const std::string& sLine) {
    const auto uBefore = static_cast<std::ptrdiff_t>(GetTimeline().size());
    theConsole.RunLine(sLine);
    Lines theLines;
    for (const std::string& sEvent : GetTimeline()) theLines.push_back(sEvent.substr(std::strlen("console: ")));
    return Lines(theLines.begin() + uBefore, theLines.end());
  }

  sim::Console theConsole;
};

TEST_F(ConsoleTest, AHandlerGetsTheCompiledTextAsTheGameGivesIt) {
  Entry("CloseFile").theExecute = &RecordCall;
  Entry("ToggleGodMode").theExecute = &RecordCall;
  for (const char* sLine : {"CloseFile \"My Ship\"", "CloseFile", "tgm"}) EXPECT_EQ(Run(sLine), Lines{}) << sLine;
  ASSERT_EQ(gCalls.size(), 3u);
  EXPECT_EQ(gCalls[0].sText, "My Ship");
  EXPECT_EQ(gCalls[0].theHeader, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 7, 0}));
  EXPECT_TRUE(gCalls[0].bAsTheGameCalls);
  EXPECT_EQ(gCalls[1].theHeader, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(gCalls[2].theHeader, (std::vector<uint8_t>(8, 0)));  // no parameters
}

TEST_F(ConsoleTest, EntriesWithoutALongNameOrBehindTheBoundAndWhatCannotRun) {
  Entry("ToggleCollision").sLongName = nullptr;  // found by its short name only
  EXPECT_EQ(Run("tcl"), Lines{"ToggleCollision: collision toggled."});
  EXPECT_EQ(Run("ToggleCollision"), Lines{"Script command \"ToggleCollision\" not found."});
  Entry("ToggleMenus").theExecute = nullptr;
  EXPECT_EQ(Run("tm"), Lines{"Script command \"tm\" has no handler."});
  Entry("PlaceFurnitureTester").uParamCount = 2;
  EXPECT_EQ(Run("PlaceFurnitureTester"),
            Lines{"Script command \"PlaceFurnitureTester\" has parameters this console cannot compile."});
  // An early entry at the bound hides every console entry after it; the script table still answers.
  theWorld->theConsoleCommands.front().uOpcode = game::kConsoleCommandBound;
  EXPECT_EQ(Run("CloseFile x"), Lines{"Script command \"CloseFile\" not found."});
  EXPECT_EQ(Run("PipBoyRadioOff"), Lines{"PipBoyRadioOff: radio off."});
}

}  // namespace
}  // namespace zorvane::test

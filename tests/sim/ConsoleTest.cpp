// The simulated game's console: finding a command in the two tables, compiling its text
// parameter, the selected reference, and the console's own messages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Console.h"
#include "World.h"
#include "game/Commands.h"
#include "sim/SimTestSupport.h"

namespace zorvane::test {
namespace {

// What one call of a handler received.
struct HandlerCall {
  const game::CommandParam* theParams;
  std::vector<uint8_t> theHeader;  // the eight bytes before the text
  std::string sText;               // the text as the length byte at offset 6 describes it
  game::TESObjectREFR* thisObj;
  bool bRestNull;      // containing object, script and locals
  bool bOutputsGiven;  // result and opcode offset
  int iHandler;
};

std::vector<HandlerCall> gCalls;

template <int N>
bool RecordCall(const game::CommandParam* theParams, const uint8_t* theData, game::TESObjectREFR* thisObj,
                game::TESObjectREFR* theContainingObj, void* theScript, void* theLocals, double* theResult,
                uint32_t* theOpcodeOffset) {
  HandlerCall theCall{};
  theCall.theParams = theParams;
  theCall.theHeader.assign(theData, theData + game::kCommandTextOffset);
  theCall.sText.assign(reinterpret_cast<const char*>(theData + game::kCommandTextOffset),
                       theData[game::kCommandTextLengthOffset]);
  theCall.thisObj = thisObj;
  theCall.bRestNull = theContainingObj == nullptr && theScript == nullptr && theLocals == nullptr;
  theCall.bOutputsGiven = theResult != nullptr && theOpcodeOffset != nullptr;
  theCall.iHandler = N;
  gCalls.push_back(theCall);
  return true;
}

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override { gCalls.clear(); }
  void TearDown() override { gCalls.clear(); }

  // The entry of either table with this exact long name.
  game::CommandEntry& Entry(const char* sLongName) {
    for (auto* theTable : {&theWorld->theConsoleCommands, &theWorld->theScriptCommands}) {
      for (game::CommandEntry& theEntry : *theTable) {
        if (theEntry.sLongName != nullptr && std::strcmp(theEntry.sLongName, sLongName) == 0) return theEntry;
      }
    }
    throw std::runtime_error(std::string("no entry ") + sLongName);
  }
  void Record(const char* sLongName) { Entry(sLongName).theExecute = &RecordCall<0>; }

  std::vector<std::string> Run(const std::string& sLine) {
    theCurrent.ClearConsoleLines();
    theConsole.RunLine(sLine);
    return theCurrent.GetConsoleLines();
  }

  std::unique_ptr<sim::World> theWorld = LoadWorldText(R"({
    "fullFiles": [{"name": "Starfield.esm"}],
    "forms": [{"formID": "0x00001000", "type": 40, "file": "Starfield.esm"}],
    "cells": [{"formID": "0xFF000900", "references": ["0xFF000A01", "0xFF000A02"]}],
    "references": [{"formID": "0xFF000A01", "base": "0x00001000", "scale": 150},
                   {"formID": "0xFF000A02", "base": "0x00001000"}]
  })");
  CurrentWorld theCurrent{*theWorld};
  sim::Console theConsole;
};

using Lines = std::vector<std::string>;

TEST_F(ConsoleTest, QuotesGroupWordsWithBlanksIntoOneText) {
  Record("CloseFile");
  EXPECT_EQ(Run("CloseFile \"My Ship\""), Lines{});
  EXPECT_EQ(Run("CloseFile \"  a\tb  \""), Lines{});
  ASSERT_EQ(gCalls.size(), 2u);
  EXPECT_EQ(gCalls[0].sText, "My Ship");
  EXPECT_EQ(gCalls[0].theHeader, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 7, 0}));
  EXPECT_EQ(gCalls[1].sText, "  a\tb  ");
}

TEST_F(ConsoleTest, UnquotedTextIsTheFirstWordOnly) {
  Record("CloseFile");
  Run("CloseFile My Ship");
  Run("CloseFile \t ship.txt   ");
  ASSERT_EQ(gCalls.size(), 2u);
  EXPECT_EQ(gCalls[0].sText, "My");
  EXPECT_EQ(gCalls[0].theHeader[game::kCommandTextLengthOffset], 2);
  EXPECT_EQ(gCalls[1].sText, "ship.txt");
}

TEST_F(ConsoleTest, MissingOrEmptyTextCompilesAsEmptyText) {
  Record("CloseFile");
  Run("CloseFile");
  Run("CloseFile \"\"");
  ASSERT_EQ(gCalls.size(), 2u);
  for (const HandlerCall& theCall : gCalls) {
    EXPECT_EQ(theCall.sText, "");
    EXPECT_EQ(theCall.theHeader, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 0}));
  }
}

TEST_F(ConsoleTest, UnclosedQuoteRunsToTheEndOfTheLine) {
  Record("CloseFile");
  Run("CloseFile \"My Ship");
  ASSERT_EQ(gCalls.size(), 1u);
  EXPECT_EQ(gCalls[0].sText, "My Ship");
}

TEST_F(ConsoleTest, TextOfAtMost255CharactersIsCompiledAndLongerIsRefused) {
  Record("CloseFile");
  EXPECT_EQ(Run("CloseFile \"" + std::string(255, 'x') + "\""), Lines{});
  ASSERT_EQ(gCalls.size(), 1u);
  EXPECT_EQ(gCalls[0].theHeader[game::kCommandTextLengthOffset], 255);
  EXPECT_EQ(gCalls[0].sText, std::string(255, 'x'));

  EXPECT_EQ(Run("CloseFile " + std::string(256, 'y')),
            Lines{"Script command \"CloseFile\": the text parameter is longer than 255 characters."});
  EXPECT_EQ(gCalls.size(), 1u);
}

TEST_F(ConsoleTest, CommandsWithoutParametersGetDataWithoutText) {
  Record("ToggleGodMode");
  Run("ToggleGodMode ignored words");
  ASSERT_EQ(gCalls.size(), 1u);
  EXPECT_EQ(gCalls[0].theHeader, (std::vector<uint8_t>(8, 0)));
  EXPECT_EQ(gCalls[0].theParams, nullptr);
}

TEST_F(ConsoleTest, NamesAreMatchedIgnoringCaseByLongOrShortName) {
  Entry("ToggleGodMode").theExecute = &RecordCall<1>;
  Entry("PipboyRadio").theExecute = &RecordCall<2>;
  for (const char* sLine : {"togglegodmode", "TOGGLEGODMODE", "tgm", "Tgm", "pipboyradio", "PRADIO"}) {
    EXPECT_EQ(Run(sLine), Lines{}) << sLine;
  }
  ASSERT_EQ(gCalls.size(), 6u);
  for (std::size_t i = 0; i < gCalls.size(); ++i) EXPECT_EQ(gCalls[i].iHandler, i < 4 ? 1 : 2);
}

TEST_F(ConsoleTest, EntryWithoutLongNameIsFoundOnlyByItsShortName) {
  Record("ToggleCollision");
  Entry("ToggleCollision").sLongName = nullptr;
  EXPECT_EQ(Run("ToggleCollision"), Lines{"Script command \"ToggleCollision\" not found."});
  EXPECT_EQ(Run("tcl"), Lines{});
  EXPECT_EQ(gCalls.size(), 1u);
}

TEST_F(ConsoleTest, ConsoleTableIsSearchedBeforeTheScriptTable) {
  Entry("CloseFile").theExecute = &RecordCall<1>;
  game::CommandEntry& theScriptEntry = Entry("GetScale");
  theScriptEntry.sLongName = "CloseFile";
  theScriptEntry.theExecute = &RecordCall<2>;
  Run("CloseFile x");
  ASSERT_EQ(gCalls.size(), 1u);
  EXPECT_EQ(gCalls[0].iHandler, 1);
}

TEST_F(ConsoleTest, ScanOfEachTableStopsAtItsBound) {
  EXPECT_EQ(Run("EndOfConsoleCommands"), Lines{"Script command \"EndOfConsoleCommands\" not found."});
  EXPECT_EQ(Run("EndOfScriptCommands"), Lines{"Script command \"EndOfScriptCommands\" not found."});
  // An early entry at the bound hides every console entry after it; the script table still answers.
  theWorld->theConsoleCommands.front().uOpcode = game::kConsoleCommandBound;
  EXPECT_EQ(Run("CloseFile x"), Lines{"Script command \"CloseFile\" not found."});
  EXPECT_EQ(Run("PipboyRadio"), Lines{"PipboyRadio: radio on."});
  theWorld->theScriptCommands.front().uOpcode = game::kScriptCommandBound + 1;
  EXPECT_EQ(Run("PipboyRadio"), Lines{"Script command \"PipboyRadio\" not found."});
}

TEST_F(ConsoleTest, HandlerGetsDescriptorsDataSelectedReferenceAndNullForTheRest) {
  Record("CloseFile");
  Run("prid FF000A02");
  Run("CloseFile \"a b\"");
  ASSERT_EQ(gCalls.size(), 1u);
  EXPECT_EQ(gCalls[0].theParams, Entry("CloseFile").theParams);
  EXPECT_EQ(gCalls[0].thisObj, reinterpret_cast<game::TESObjectREFR*>(theWorld->FindForm(0xFF000A02)));
  EXPECT_TRUE(gCalls[0].bRestNull);
  EXPECT_TRUE(gCalls[0].bOutputsGiven);
  EXPECT_EQ(gCalls[0].sText, "a b");
}

TEST_F(ConsoleTest, PridSelectsAReferenceAndClearsTheSelection) {
  Record("CloseFile");
  auto* theRef = reinterpret_cast<game::TESObjectREFR*>(theWorld->FindForm(0xFF000A01));
  EXPECT_EQ(Run("prid ff000a01"), Lines{"prid: selected reference FF000A01."});
  EXPECT_EQ(theConsole.GetSelectedReference(), theRef);
  EXPECT_EQ(Run("PRID"), Lines{"prid: selection cleared."});
  EXPECT_EQ(theConsole.GetSelectedReference(), nullptr);
  Run("CloseFile x");
  EXPECT_EQ(Run("prid 0xFF000A01"), Lines{"prid: selected reference FF000A01."});
  Run("CloseFile x");
  EXPECT_EQ(Run("prid 0"), Lines{"prid: selection cleared."});
  Run("CloseFile x");
  ASSERT_EQ(gCalls.size(), 3u);
  EXPECT_EQ(gCalls[0].thisObj, nullptr);
  EXPECT_EQ(gCalls[1].thisObj, theRef);
  EXPECT_EQ(gCalls[2].thisObj, nullptr);
}

TEST_F(ConsoleTest, PridRefusesWhatIsNotAReferenceAndKeepsTheSelection) {
  Run("prid FF000A01");
  EXPECT_EQ(Run("prid 12345678"), Lines{"prid: no reference with form ID 12345678."});
  EXPECT_EQ(Run("prid FF000900"), Lines{"prid: no reference with form ID FF000900."});
  EXPECT_EQ(Run("prid 1000"), Lines{"prid: no reference with form ID 00001000."});
  EXPECT_EQ(Run("prid ship"), Lines{"prid: \"ship\" is not a form ID."});
  EXPECT_EQ(Run("prid 123456789"), Lines{"prid: \"123456789\" is not a form ID."});
  EXPECT_EQ(theConsole.GetSelectedReference(), reinterpret_cast<game::TESObjectREFR*>(theWorld->FindForm(0xFF000A01)));
}

TEST_F(ConsoleTest, UnknownCommandsCommentsAndBlankLines) {
  EXPECT_EQ(Run("ExportShip \"My Ship\""), Lines{"Script command \"ExportShip\" not found."});
  EXPECT_EQ(Run("  foo bar"), Lines{"Script command \"foo\" not found."});
  EXPECT_EQ(Run("# tgm"), Lines{});
  EXPECT_EQ(Run(" \t\r"), Lines{});
}

TEST_F(ConsoleTest, GameEntriesRunTheGamesOwnHandlers) {
  EXPECT_EQ(Run("tgm"), Lines{"ToggleGodMode: god mode toggled."});
  EXPECT_EQ(Run("CloseFile \"notes.txt\""), Lines{"CloseFile: no file \"notes.txt\" is open."});
  EXPECT_EQ(Run("PlaceFurnitureTester"), Lines{"PlaceFurnitureTester: furniture tester placed."});
  EXPECT_EQ(Run("PRadioOff"), Lines{"PipBoyRadioOff: radio off."});
  Run("prid FF000A01");
  EXPECT_EQ(Run("GetScale"), Lines{"GetScale >> 1.50"});
}

TEST_F(ConsoleTest, EntryThatNeedsAParentIsRefusedWithoutSelection) {
  Record("GetScale");
  EXPECT_EQ(Run("GetScale"), Lines{"Script command \"GetScale\" needs a selected reference."});
  EXPECT_TRUE(gCalls.empty());
}

TEST_F(ConsoleTest, EntryWithoutHandlerOrWithParametersItCannotCompileIsRefused) {
  Entry("ToggleMenus").theExecute = nullptr;
  EXPECT_EQ(Run("tm"), Lines{"Script command \"tm\" has no handler."});

  Record("CloseFile");
  game::CommandParam* theParams = Entry("CloseFile").theParams;
  Entry("CloseFile").theParams = nullptr;
  EXPECT_EQ(Run("CloseFile x"), Lines{"Script command \"CloseFile\" has parameters this console cannot compile."});
  Entry("CloseFile").theParams = theParams;
  theParams[0].uTypeID = 1;
  EXPECT_EQ(Run("CloseFile x"), Lines{"Script command \"CloseFile\" has parameters this console cannot compile."});
  theParams[0].uTypeID = 0;
  Entry("CloseFile").uParamCount = 2;
  EXPECT_EQ(Run("CloseFile x"), Lines{"Script command \"CloseFile\" has parameters this console cannot compile."});
  EXPECT_TRUE(gCalls.empty());
}

TEST_F(ConsoleTest, TakenOverEntryAnswersOnlyToItsNewName) {
  // What the plugin does to an entry it takes over.
  game::CommandEntry& theEntry = Entry("PipboyRadio");
  theEntry.sLongName = "ExportShip";
  theEntry.sShortName = "";
  theEntry.uParamCount = 1;
  theEntry.theParams = Entry("CloseFile").theParams;
  theEntry.theExecute = &RecordCall<0>;
  EXPECT_EQ(Run("exportship \"My Ship\""), Lines{});
  EXPECT_EQ(Run("PipboyRadio"), Lines{"Script command \"PipboyRadio\" not found."});
  EXPECT_EQ(Run("PRadio"), Lines{"Script command \"PRadio\" not found."});
  ASSERT_EQ(gCalls.size(), 1u);
  EXPECT_EQ(gCalls[0].sText, "My Ship");
}

}  // namespace
}  // namespace zorvane::test

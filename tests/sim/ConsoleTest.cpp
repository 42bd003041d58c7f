// The simulated game's console: finding a command in the two tables, compiling its text
// parameter, the selected reference, and the console's own messages.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "Console.h"
#include "WorldFile.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

// What one call of a handler received.
struct HandlerCall {
  int iHandler;
  std::vector<uint8_t> theHeader;  // the eight bytes before the text
  std::string sText;               // the text as the length byte at offset 6 describes it
  game::TESObjectREFR* thisObj;
  bool bAsTheGameCalls;  // the entry's descriptors, no containing object, script or locals, outputs given
};
std::vector<HandlerCall> gCalls;

template <int N>
bool RecordCall(const game::CommandParam* theParams, const uint8_t* theData, game::TESObjectREFR* thisObj,
                game::TESObjectREFR* theContainingObj, void* theScript, void* theLocals, float* theResult,
                uint32_t* theOpcodeOffset) {
  gCalls.push_back({N, std::vector<uint8_t>(theData, theData + game::kCommandTextOffset),
                    std::string(reinterpret_cast<const char*>(theData + game::kCommandTextOffset),
                                theData[game::kCommandTextLengthOffset]),
                    thisObj,
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
    UseWorld(sim::LoadWorld(nlohmann::json::parse(R"({
      "forms": [{"formID": "0x00001000", "type": 40}],
      "cells": [{"formID": "0xFF000900", "references": ["0xFF000A01"]}],
      "references": [{"formID": "0xFF000A01", "base": "0x00001000", "scale": 150}]
    })")));
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

TEST_F(ConsoleTest, TextParameterIsQuotedTextOrTheFirstWord) {
  Entry("CloseFile").theExecute = &RecordCall<0>;
  for (const char* sLine : {"CloseFile \"My Ship\"", "CloseFile \"  a\tb  \"", "CloseFile My Ship",
                            "CloseFile \t ship.txt   ", "CloseFile", "CloseFile \"\"", "CloseFile \"Open end"}) {
    EXPECT_EQ(Run(sLine), Lines{}) << sLine;
  }
  Lines theTexts;
  for (const HandlerCall& theCall : gCalls) theTexts.push_back(theCall.sText);
  EXPECT_EQ(theTexts, (Lines{"My Ship", "  a\tb  ", "My", "ship.txt", "", "", "Open end"}));
  EXPECT_EQ(gCalls[0].theHeader, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 7, 0}));
  EXPECT_EQ(gCalls[4].theHeader, (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(gCalls[0].bAsTheGameCalls);

  EXPECT_EQ(Run("CloseFile \"" + std::string(255, 'x') + "\""), Lines{});
  EXPECT_EQ(gCalls.back().sText, std::string(255, 'x'));
  EXPECT_EQ(Run("CloseFile " + std::string(256, 'y')),
            Lines{"Script command \"CloseFile\": the text parameter is longer than 255 characters."});
  EXPECT_EQ(gCalls.size(), 8u);
}

TEST_F(ConsoleTest, NamesMatchIgnoringCaseConsoleTableFirstUpToEachBound) {
  Entry("ToggleGodMode").theExecute = &RecordCall<1>;
  Entry("PipboyRadio").theExecute = &RecordCall<2>;
  Entry("ToggleCollision").sLongName = nullptr;  // found by its short name only
  for (const char* sLine : {"TOGGLEGODMODE", "Tgm", "pipboyradio", "PRADIO", "ToggleCollision"}) Run(sLine);
  EXPECT_EQ(Run("tcl"), Lines{"ToggleCollision: collision toggled."});
  Lines theHandlers;
  for (const HandlerCall& theCall : gCalls) theHandlers.push_back(std::to_string(theCall.iHandler));
  EXPECT_EQ(theHandlers, (Lines{"1", "1", "2", "2"}));
  EXPECT_EQ(gCalls[0].theHeader, (std::vector<uint8_t>(8, 0)));  // no parameters

  EXPECT_EQ(Run("EndOfConsoleCommands"), Lines{"Script command \"EndOfConsoleCommands\" not found."});
  // An early entry at the bound hides every console entry after it; the script table still answers.
  theWorld->theConsoleCommands.front().uOpcode = game::kConsoleCommandBound;
  EXPECT_EQ(Run("CloseFile x"), Lines{"Script command \"CloseFile\" not found."});
  EXPECT_EQ(Run("PipBoyRadioOff"), Lines{"PipBoyRadioOff: radio off."});
}

// The game's own handlers, prid and unknown names are shown by the sample-ship-console session.
TEST_F(ConsoleTest, WhatCannotRunIsTold) {
  EXPECT_EQ(Run("# tgm"), Lines{});
  EXPECT_EQ(Run(" \t\r"), Lines{});
  Entry("ToggleMenus").theExecute = nullptr;
  EXPECT_EQ(Run("tm"), Lines{"Script command \"tm\" has no handler."});
  Entry("PlaceFurnitureTester").uParamCount = 2;
  EXPECT_EQ(Run("PlaceFurnitureTester"),
            Lines{"Script command \"PlaceFurnitureTester\" has parameters this console cannot compile."});
}

}  // namespace
}  // namespace zorvane::test

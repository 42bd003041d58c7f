// The loader's entry and the start-up it drives: which loader messages start the plugin,
// what SFSEPlugin_Load does when it cannot reach the game, and the fatal box that ends the
// game when the commands cannot be installed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "core/Log.h"
#include "core/MessageBox.h"
#include "plugin/Main.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

const std::string kOpenLogLine = MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0");

class LifecycleTest : public PluginFixture {
 protected:
  static void SendMessage(uint32_t uType) {
    sfse::Message theMessage = {"SFSE", uType, 0, nullptr};
    SFSEPlugin_HandleOnPostDataLoad(&theMessage);
  }

  // In a death test: the process ends right at the exit notification, with the code the
  // plugin asked for, after telling what the boxes said and whether a settings file exists.
  void ReportBoxesAndEndAtExit() {
    OnBoxShown = [](const Box& theBox) {
      std::fprintf(stderr, "box shown: %s | %s\n", theBox.sCaption.c_str(), theBox.sText.c_str());
    };
    theInterceptors.OnExit = [this](int iCode) {
      std::fprintf(stderr, "settings file: %d\n", std::filesystem::exists(GetSettingsFile()) ? 1 : 0);
      TearDown();
      std::error_code theError;
      std::filesystem::remove_all(theRoot.GetPath(), theError);
      std::fflush(nullptr);
      std::_Exit(iCode);
    };
  }
};

// What the start-up writes is shown by the startup-creates-settings session, whose loader
// sends every message in turn.
TEST_F(LifecycleTest, OnlyThePostDataLoadMessageStartsThePlugin) {
  OpenLog();
  for (uint32_t uType : {sfse::kMessagePostLoad, sfse::kMessagePostPostLoad, sfse::kMessagePostPostDataLoad}) {
    SendMessage(uType);
  }
  EXPECT_EQ(ReadLog(), kOpenLogLine);
  EXPECT_FALSE(std::filesystem::exists(GetSettingsFile()));

  SendMessage(sfse::kMessagePostDataLoad);

  EXPECT_EQ(ReadLogMessages().at(1), "PostDataLoad!");
  EXPECT_TRUE(std::filesystem::exists(GetSettingsFile()));
}

TEST_F(LifecycleTest, LoadWithoutGameImageShowsTheBoxBeforeTheLogLine) {
  std::vector<std::string> theLogAtBox;
  OnBoxShown = [&](const Box&) { theLogAtBox.push_back(ReadLog()); };
  sfse::Interface theInterface = {
      0, sfse::kRuntime_1_14_74, 1, [](uint32_t) -> void* { return nullptr; }, []() -> uint32_t { return 7; }, nullptr};

  EXPECT_FALSE(LoadPlugin(&theInterface, [] { return uintptr_t{0}; }));

  EXPECT_EQ(GetPluginHandle(), 7u);
  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "Installation error: Starfield.exe handle couldn't be acquired"}}));
  EXPECT_EQ(theLogAtBox, (std::vector<std::string>{kOpenLogLine}));
  EXPECT_EQ(ReadLog(), kOpenLogLine + MakeLogLine("error", "Main.cpp", "SFSEPlugin_Load",
                                                  "Starfield.exe handle couldn't be acquired, shutting down"));
}

using LifecycleDeathTest = LifecycleTest;

// An installation that raised an error half-way ends the game at the box, before any settings
// file is written (a command table the plugin cannot take over is the install-commands-fails
// session).
TEST_F(LifecycleDeathTest, AnInstallationThatFailsHalfWayEndsTheGame) {
  OpenLog();
  ReportBoxesAndEndAtExit();
  theWorld->FailOperation("GetScriptCommandTable");
  EXPECT_EXIT(SendMessage(sfse::kMessagePostDataLoad), ::testing::ExitedWithCode(0),
              "box shown: .* INSTALLATION ERROR\nsettings file: 0");
}

}  // namespace
}  // namespace zorvane::test

// The loader's entry and the start-up it drives: what SFSEPlugin_Load does when it cannot
// reach the game, which loader messages start the plugin, and the caption of fatal boxes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/Game.h"
#include "platform/Platform.h"
#include "plugin/Log.h"
#include "plugin/Main.h"
#include "support/ExpectedSettings.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

// A loader interface that hands out plugin handle 7 and records listener registrations.
struct FakeLoader {
  struct Registration {
    uint32_t uListener;
    std::string sSender;
    sfse::EventCallback theCallback;
  };
  static inline std::vector<Registration> theRegistrations;
  static inline std::vector<uint32_t> theQueriedInterfaces;
  static inline sfse::MessagingInterface theMessaging = {
      1,
      [](uint32_t uListener, const char* sSender, sfse::EventCallback theCallback) {
        theRegistrations.push_back({uListener, sSender != nullptr ? sSender : "", theCallback});
        return true;
      },
      nullptr,
  };
  static inline sfse::Interface theInterface = {
      0,
      sfse::kRuntime_1_14_74,
      1,
      [](uint32_t uId) -> void* {
        theQueriedInterfaces.push_back(uId);
        return uId == sfse::kInterfaceMessaging ? &theMessaging : nullptr;
      },
      []() -> uint32_t { return 7; },
      nullptr,
  };
};

const std::string kOpenLogLine = MakeLogLine("info", "Log.cpp", "OpenLog", "Zorvane - SFSE Plugin by Pelloquin v1.0");

// A game that offers nothing but the two command tables the plugin takes entries over from.
struct FakeCommandTables {
  static inline game::CommandParam theTextParam[] = {{"String", 0, 0}};
  static inline std::vector<game::CommandEntry> theConsoleTable;
  static inline std::vector<game::CommandEntry> theScriptTable;
  static inline game::Host theHost = [] {
    game::Host theTable = {};
    theTable.uVersion = game::kHostVersion;
    theTable.uSize = sizeof(game::Host);
    theTable.GetConsoleCommandTable = [] { return theConsoleTable.data(); };
    theTable.GetScriptCommandTable = [] { return theScriptTable.data(); };
    return theTable;
  }();

  static void Bind() {
    theConsoleTable = {{"CloseFile", "", 0x100, "", 0, 1, theTextParam, nullptr, nullptr, nullptr, 0},
                       {"PlaceFurnitureTester", "", 0x101, "", 0, 0, nullptr, nullptr, nullptr, nullptr, 0},
                       {"", "", 0x345, "", 0, 0, nullptr, nullptr, nullptr, nullptr, 0}};
    theScriptTable = {{"PipboyRadio", "", 0x1000, "", 0, 0, nullptr, nullptr, nullptr, nullptr, 0},
                      {"PipBoyRadioOff", "", 0x1001, "", 0, 0, nullptr, nullptr, nullptr, nullptr, 0},
                      {"", "", 0x13C0, "", 0, 0, nullptr, nullptr, nullptr, nullptr, 0}};
    game::BindHost(&theHost);
  }
};

class LifecycleTest : public PluginFixture {
 protected:
  void SetUp() override {
    PluginFixture::SetUp();
    FakeLoader::theRegistrations.clear();
    FakeLoader::theQueriedInterfaces.clear();
  }

  // Sends a loader message of this type to the plugin's listener.
  static void SendMessage(uint32_t uType) {
    sfse::Message theMessage = {"SFSE", uType, 0, nullptr};
    SFSEPlugin_HandleOnPostDataLoad(&theMessage);
  }
};

TEST_F(LifecycleTest, PostDataLoadListenerIgnoresOtherMessageTypes) {
  OpenLog();

  for (uint32_t uType : {sfse::kMessagePostLoad, sfse::kMessagePostPostLoad, sfse::kMessagePostPostDataLoad}) {
    SendMessage(uType);
  }

  EXPECT_EQ(ReadLog(), kOpenLogLine);
  EXPECT_FALSE(std::filesystem::exists(GetSettingsFile()));
}

TEST_F(LifecycleTest, PostDataLoadListenerStartsPluginOnDataLoaded) {
  OpenLog();
  FakeCommandTables::Bind();

  SendMessage(sfse::kMessagePostDataLoad);

  std::string sExpected =
      kOpenLogLine + MakeLogLine("info", "Main.cpp", "SFSEPlugin_HandleOnPostDataLoad", "PostDataLoad!");
  for (const char* sCommand : {"ExportShip", "ImportShipLayout", "ImportShipInterior"}) {
    sExpected +=
        MakeLogLine("info", "InstallCommands.cpp", "InstallCommands", std::string(sCommand) + " command registered");
  }
  for (const std::string& sMessage : MakeSettingMessages(kBuiltInDigits)) {
    sExpected += MakeLogLine("info", "Settings.cpp", "LoadSettings", sMessage);
  }
  EXPECT_EQ(ReadLog(), sExpected);
  EXPECT_EQ(ReadFileBytes(GetSettingsFile()), kCreatedSettingsFile);
  EXPECT_TRUE(theBoxes.empty());
}

TEST_F(LifecycleTest, LoadPluginRefusesNullImageBaseAfterBox) {
  std::vector<std::string> theLogAtBox;
  OnBoxShown = [&](const Box&) { theLogAtBox.push_back(ReadLog()); };

  bool bLoaded = LoadPlugin(&FakeLoader::theInterface, [] { return uintptr_t{0}; });

  EXPECT_FALSE(bLoaded);
  EXPECT_EQ(GetPluginHandle(), 7u);
  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "Installation error: Starfield.exe handle couldn't be acquired"}}));
  // While the box is up the log holds only its first line; the error line follows the box.
  EXPECT_EQ(theLogAtBox, (std::vector<std::string>{kOpenLogLine}));
  EXPECT_EQ(ReadLog(), kOpenLogLine + MakeLogLine("error", "Main.cpp", "SFSEPlugin_Load",
                                                  "Starfield.exe handle couldn't be acquired, shutting down"));
  EXPECT_TRUE(FakeLoader::theQueriedInterfaces.empty());
  EXPECT_TRUE(FakeLoader::theRegistrations.empty());
}

TEST_F(LifecycleTest, LoadPluginRefusesImageWithoutGameInterface) {
  std::vector<std::string> theLogAtBox;
  OnBoxShown = [&](const Box&) { theLogAtBox.push_back(ReadLog()); };

  // The test executable is the main image, and it exports no game operation table.
  bool bLoaded = LoadPlugin(&FakeLoader::theInterface, &platform::GetGameImageBase);

  EXPECT_FALSE(bLoaded);
  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "Installation error: game interface couldn't be bound"}}));
  EXPECT_EQ(theLogAtBox, (std::vector<std::string>{kOpenLogLine}));
  EXPECT_EQ(ReadLog(), kOpenLogLine + MakeLogLine("error", "Main.cpp", "SFSEPlugin_Load",
                                                  "game interface couldn't be bound, shutting down"));
  EXPECT_TRUE(FakeLoader::theRegistrations.empty());
}

TEST_F(LifecycleTest, ShowMessageBoxUsesPluginCaptionAndReturns) {
  ShowMessageBox("Some text", false);

  EXPECT_EQ(theBoxes, (std::vector<Box>{{kCaption, "Some text"}}));
}

using LifecycleDeathTest = LifecycleTest;

TEST_F(LifecycleDeathTest, ShowMessageBoxWithTerminateExitsWithCodeZeroAfterBox) {
  OnBoxShown = [](const Box& theBox) {
    std::fprintf(stderr, "box shown: %s | %s\n", theBox.sCaption.c_str(), theBox.sText.c_str());
    std::fflush(stderr);
  };
  // The process ends right at the exit notification, with the code the plugin asked for, so
  // the code seen does not depend on what would run after it. No destructor runs then, so the
  // test's folders are removed here.
  theInterceptors.OnExit = [this](int iCode) {
    TearDown();
    std::error_code theError;
    std::filesystem::remove_all(theRoot.GetPath(), theError);
    std::fflush(nullptr);
    std::_Exit(iCode);
  };

  EXPECT_EXIT(ShowMessageBox("INSTALLATION ERROR", true), ::testing::ExitedWithCode(0),
              "box shown: Zorvane - SFSE Plugin by Pelloquin v1\\.0 . INSTALLATION ERROR");
}

// A command table the plugin cannot take over ends the game at the box, before any settings
// file is written.
TEST_F(LifecycleDeathTest, PostDataLoadEndsTheGameWhenCommandsCannotBeInstalled) {
  OpenLog();
  FakeCommandTables::Bind();
  FakeCommandTables::theScriptTable[1].sLongName = "PipBoyRadioOffX";
  theInterceptors.OnExit = [this](int iCode) {
    std::fprintf(stderr, "boxes: %zu, settings file: %d\n", theBoxes.size(),
                 std::filesystem::exists(GetSettingsFile()) ? 1 : 0);
    TearDown();
    std::error_code theError;
    std::filesystem::remove_all(theRoot.GetPath(), theError);
    std::fflush(nullptr);
    std::_Exit(iCode);
  };
  OnBoxShown = [](const Box& theBox) {
    std::fprintf(stderr, "box shown: %s | %s\n", theBox.sCaption.c_str(), theBox.sText.c_str());
    std::fflush(stderr);
  };

  EXPECT_EXIT(SendMessage(sfse::kMessagePostDataLoad), ::testing::ExitedWithCode(0),
              "box shown: Zorvane - SFSE Plugin by Pelloquin v1\\.0 . INSTALLATION ERROR\nboxes: 1, settings file: 0");
}

}  // namespace
}  // namespace zorvane::test

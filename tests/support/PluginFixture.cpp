#include "support/PluginFixture.h"

#include "game/Game.h"
#include "plugin/Settings.h"
#include "support/LogText.h"

namespace zorvane::test {

void PrintTo(const Box& theBox, std::ostream* theStream) {
  *theStream << "{\"" << theBox.sCaption << "\", \"" << theBox.sText << "\"}";
}

void PluginFixture::SetUp() {
  theGameFolder = theRoot.GetPath() / "Starfield";
  theDocuments = theRoot.GetPath() / "Documents";
  std::filesystem::create_directories(theGameFolder / "Data" / "SFSE" / "Plugins");
  std::filesystem::create_directories(theDocuments / "My Games" / "Starfield" / "SFSE" / "Logs");
  theCurrentFolder.emplace(theGameFolder);

  gSettings = {};
  game::BindHost(nullptr);

  theInterceptors.sDocumentsFolder = GetDocumentsText();
  theInterceptors.OnMessageBox = [this](const std::string& sCaption, const std::string& sText) {
    theBoxes.push_back({sCaption, sText});
    if (OnBoxShown) OnBoxShown(theBoxes.back());
  };
  ASSERT_TRUE(sim::InterceptModule(nullptr, &theInterceptors));
}

void PluginFixture::TearDown() {
  sim::StopIntercepting();
  game::BindHost(nullptr);
  gSettings = {};
  theCurrentFolder.reset();
}

std::filesystem::path PluginFixture::GetLogFile() const {
  return theDocuments / "My Games" / "Starfield" / "SFSE" / "Logs" / "Zorvane - SFSE Plugin by Pelloquin.log";
}

std::string PluginFixture::GetLogPathText() const {
  return GetDocumentsText() + "\\My Games\\Starfield\\SFSE\\Logs\\Zorvane - SFSE Plugin by Pelloquin.log";
}

std::filesystem::path PluginFixture::GetSettingsFile() const {
  return theGameFolder / "Data" / "SFSE" / "Plugins" / "Zorvane.ini";
}

std::string PluginFixture::ReadLog() const {
  std::string sText = MaskTimestamps(ReadFileBytes(GetLogFile()));
  for (const char* sFileName : {"Log.cpp", "Main.cpp", "Settings.cpp", "PilotingSkill.cpp", "InstallCommands.cpp"}) {
    sText = MaskLineNumbers(sText, sFileName);
  }
  return sText;
}

std::vector<std::string> PluginFixture::ReadLogMessages() const { return GetLogMessages(ReadFileBytes(GetLogFile())); }

}  // namespace zorvane::test

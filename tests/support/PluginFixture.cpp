#include "support/PluginFixture.h"

#include <algorithm>
#include <regex>
#include <sstream>

#include "WorldFile.h"
#include "core/SettingsStore.h"
#include "game/Binding.h"
#include "support/LogText.h"

namespace zorvane::test {
namespace {

PluginFixture* gRunning = nullptr;

// The level and the message of every well-formed line of a log text, in file order.
std::vector<std::pair<std::string, std::string>> GetLogLines(const std::string& sText) {
  static const std::regex kLine(R"(^\[[^\]]*\] \[SFSE\] \[([a-z]+)\] \[[^\]]*\] \[[^\]]*\] (.*)$)");
  std::vector<std::pair<std::string, std::string>> theLines;
  std::istringstream theText(sText);
  std::string sLine;
  while (std::getline(theText, sLine)) {
    if (!sLine.empty() && sLine.back() == '\r') sLine.pop_back();
    std::smatch theMatch;
    if (std::regex_match(sLine, theMatch, kLine)) theLines.emplace_back(theMatch[1].str(), theMatch[2].str());
  }
  return theLines;
}

}  // namespace

void PrintTo(const Box& theBox, std::ostream* theStream) {
  *theStream << "{\"" << theBox.sCaption << "\", \"" << theBox.sText << "\"}";
}

void SetSettingsForTest(const PluginSettings& theSettings) { StoreSettings(theSettings); }

void PluginFixture::SetUp() {
  theGameFolder = theRoot.GetPath() / "Starfield";
  theDocuments = theRoot.GetPath() / "Documents";
  std::filesystem::create_directories(theGameFolder / "Data" / "SFSE" / "Plugins");
  std::filesystem::create_directories(theDocuments / "My Games" / "Starfield" / "SFSE" / "Logs");
  theCurrentFolder.emplace(theGameFolder);
  SetSettingsForTest({});

  theInterceptors.sDocumentsFolder = GetDocumentsText();
  theInterceptors.OnMessageBox = [this](const std::string& sCaption, const std::string& sText) {
    theBoxes.push_back({sCaption, sText});
    if (OnBoxShown) OnBoxShown(theBoxes.back());
  };
  ASSERT_TRUE(sim::InterceptModule(nullptr, &theInterceptors));
  gRunning = this;
  sim::SetConsoleSink(&RecordConsoleLine);
  UseWorld(sim::MakeDefaultWorld());
}

void PluginFixture::TearDown() {
  theWorld->CheckStrings();
  theWorld->CheckRequestsReleased("the test");
  EXPECT_EQ(theWorld->GetViolations(), std::vector<std::string>{}) << "the game saw misuse";
  sim::StopIntercepting();
  sim::SetConsoleSink(nullptr);
  sim::SetCurrentWorld(nullptr);
  game::BindHost(nullptr);
  gRunning = nullptr;
  SetSettingsForTest({});
  theCurrentFolder.reset();
}

void PluginFixture::UseWorld(std::unique_ptr<sim::World> theNewWorld) {
  theWorld = std::move(theNewWorld);
  sim::SetCurrentWorld(theWorld.get());
  ASSERT_TRUE(game::BindHost(&sim::GetHostTable()));
}

void PluginFixture::RecordConsoleLine(const std::string& sLine) {
  const std::string sLog = ReadFileBytes(gRunning->GetLogFile());
  gRunning->theConsoleLines.emplace_back(sLine, std::count(sLog.begin(), sLog.end(), '\n'));
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

std::filesystem::path PluginFixture::GetShipFolder() const {
  return theGameFolder / "Data" / "SFSE" / "Plugins" / "Spaceships";
}

std::string PluginFixture::ReadLog() const {
  static const std::regex kLineNumber(R"(\] \[([^\[\]:\r\n]+):\d+\] \[)");
  return std::regex_replace(MaskTimestamps(ReadFileBytes(GetLogFile())), kLineNumber, "] [$1:N] [");
}

std::vector<std::string> PluginFixture::ReadLogMessages() const {
  std::vector<std::string> theMessages;
  for (const auto& [sLevel, sMessage] : GetLogLines(ReadFileBytes(GetLogFile()))) theMessages.push_back(sMessage);
  return theMessages;
}

std::vector<std::string> PluginFixture::GetTimeline() const {
  static const std::regex kAddress(R"(\[[0-9A-F]+ \| )");
  const auto theLogLines = GetLogLines(ReadFileBytes(GetLogFile()));
  std::vector<std::string> theTimeline;
  std::size_t uLogLine = 1;  // after OpenLog's line
  auto AddLogLinesUpTo = [&](std::size_t uEnd) {
    for (; uLogLine < std::min(uEnd, theLogLines.size()); ++uLogLine) {
      const auto& [sLevel, sMessage] = theLogLines[uLogLine];
      theTimeline.push_back(sLevel + ": " + std::regex_replace(sMessage, kAddress, "[ADDR | "));
    }
  };
  for (const auto& [sLine, uLogLinesBefore] : theConsoleLines) {
    AddLogLinesUpTo(uLogLinesBefore);
    theTimeline.push_back("console: " + sLine);
  }
  AddLogLinesUpTo(theLogLines.size());
  return theTimeline;
}

std::string PluginFixture::ReadShipFile(const std::string& sFileName) const {
  static const std::regex kExportTime(R"(Export time: \d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{5}\r\n)");
  return std::regex_replace(ReadFileBytes(GetShipFolder() / sFileName), kExportTime, "Export time: [T]\r\n");
}

std::string JoinCrLf(const std::vector<std::string>& theLines) {
  std::string sText;
  for (const std::string& sLine : theLines) sText += sLine + "\r\n";
  return sText;
}

}  // namespace zorvane::test

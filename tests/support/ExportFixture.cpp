#include "support/ExportFixture.h"

#include <regex>

#include "game/Game.h"
#include "plugin/Log.h"
#include "support/Files.h"

namespace zorvane::test {

std::vector<std::string> ExportFixture::theConsoleLines;

void ExportFixture::SetUp() {
  PluginFixture::SetUp();
  std::filesystem::create_directories(GetShipFolder());
  OpenLog();
  theConsoleLines.clear();
  sim::SetConsoleSink([](const std::string& sLine) { theConsoleLines.push_back(sLine); });
  sim::SetCurrentWorld(&theShip.theWorld);
  game::BindHost(&sim::GetHostTable());
}

void ExportFixture::TearDown() {
  EXPECT_EQ(theShip.theWorld.GetViolations(), std::vector<std::string>{});
  sim::SetCurrentWorld(nullptr);
  sim::SetConsoleSink(nullptr);
  PluginFixture::TearDown();
}

std::filesystem::path ExportFixture::GetShipFolder() const {
  return theGameFolder / "Data" / "SFSE" / "Plugins" / "Spaceships";
}

std::string ExportFixture::ReadShipFile(const std::string& sFileName) const {
  static const std::regex kExportTime(R"(Export time: \d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{5}\r\n)");
  return std::regex_replace(ReadFileBytes(GetShipFolder() / sFileName), kExportTime, "Export time: [T]\r\n");
}

std::vector<std::string> ExportFixture::ReadMessagesAfterStart() const {
  static const std::regex kAddress(R"(\[[0-9A-F]+ \| )");
  std::vector<std::string> theMessages = ReadLogMessages();
  if (!theMessages.empty()) theMessages.erase(theMessages.begin());
  for (std::string& sMessage : theMessages) sMessage = std::regex_replace(sMessage, kAddress, "[ADDR | ");
  return theMessages;
}

std::string JoinCrLf(const std::vector<std::string>& theLines) {
  std::string sText;
  for (const std::string& sLine : theLines) sText += sLine + "\r\n";
  return sText;
}

}  // namespace zorvane::test

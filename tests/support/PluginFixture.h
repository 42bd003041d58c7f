#pragma once
// The surroundings the plugin expects, made private to one test: a game folder with
// Data\SFSE\Plugins\ that is the current folder, a Documents folder with the log folder,
// message boxes recorded instead of shown, fresh settings, and a simulated game bound as the
// plugin's game (the built-in world: Starfield.esm and the piloting perk), whose console lines
// are recorded on one timeline with the log's lines. A test ends by checking that the game saw
// no misuse. Everything is undone when it ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Intercept.h"
#include "World.h"
#include "core/Settings.h"
#include "support/Files.h"

namespace zorvane::test {

struct Box {
  std::string sCaption;
  std::string sText;
  bool operator==(const Box&) const = default;
};
void PrintTo(const Box& theBox, std::ostream* theStream);

// Every box caption: the plugin name and version.
inline const std::string kCaption = "Zorvane - SFSE Plugin by Pelloquin v1.0";

// Sets the live settings record.
void SetSettingsForTest(const PluginSettings& theSettings);

class PluginFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes `theNewWorld` the game the plugin sees.
  void UseWorld(std::unique_ptr<sim::World> theNewWorld);

  std::string GetDocumentsText() const { return theDocuments.string(); }
  std::filesystem::path GetLogFile() const;
  // The log path as the plugin writes it in its messages.
  std::string GetLogPathText() const;
  std::filesystem::path GetSettingsFile() const;
  std::filesystem::path GetShipFolder() const;

  // The whole log with timestamps and source line numbers masked.
  std::string ReadLog() const;
  std::vector<std::string> ReadLogMessages() const;
  // What happened since the log's first line, in order: "console: " + a console line, or the
  // level, ": " and the message of a log line; object addresses masked as "[ADDR | ".
  std::vector<std::string> GetTimeline() const;
  // A ship file as stored, CR LF kept, with the export time masked as "Export time: [T]".
  std::string ReadShipFile(const std::string& sFileName) const;

  // Runs right after a box has been recorded, while the plugin still waits for it to close.
  std::function<void(const Box&)> OnBoxShown;

  TempFolder theRoot;  // declared first: removed last
  std::filesystem::path theGameFolder;
  std::filesystem::path theDocuments;
  std::vector<Box> theBoxes;
  sim::Interceptors theInterceptors;
  std::unique_ptr<sim::World> theWorld;

 private:
  static void RecordConsoleLine(const std::string& sLine);

  std::optional<CurrentFolderGuard> theCurrentFolder;
  // Console lines with the number of log lines written before each.
  std::vector<std::pair<std::string, std::size_t>> theConsoleLines;
};

// Joins lines with CR LF after each, as the plugin's files store them.
std::string JoinCrLf(const std::vector<std::string>& theLines);

}  // namespace zorvane::test

#pragma once
// The surroundings the plugin expects, made private to one test: a game folder with
// Data\SFSE\Plugins\ that is the current folder, a Documents folder with the log folder
// My Games\Starfield\SFSE\Logs\, message boxes recorded instead of shown, fresh settings and
// no game bound. Everything is undone when the test ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Intercept.h"
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

class PluginFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The Documents folder as the plugin is given it, and the log file inside it.
  std::string GetDocumentsText() const { return theDocuments.string(); }
  std::filesystem::path GetLogFile() const;
  // The log path as the plugin writes it in its messages.
  std::string GetLogPathText() const;
  std::filesystem::path GetSettingsFile() const;

  // The whole log file with timestamps masked, and with line numbers masked for the files
  // whose statements the test does not own.
  std::string ReadLog() const;
  std::vector<std::string> ReadLogMessages() const;

  // Runs right after a box has been recorded, while the plugin still waits for it to close.
  std::function<void(const Box&)> OnBoxShown;

  TempFolder theRoot;  // declared first: removed last
  std::filesystem::path theGameFolder;
  std::filesystem::path theDocuments;
  std::vector<Box> theBoxes;
  sim::Interceptors theInterceptors;

 private:
  std::optional<CurrentFolderGuard> theCurrentFolder;
};

}  // namespace zorvane::test

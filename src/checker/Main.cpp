// zorvane-shipfile: reads ship files without the game and tells what the imports would do
// with them, which plugin files they need, what they hold, and how two of them differ.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <sstream>

#include "checker/Arguments.h"
#include "checker/Dropped.h"
#include "checker/Help.h"
#include "checker/Output.h"
#include "checker/Printable.h"
#include "checker/Report.h"
#include "checker/ShipFileInput.h"
#include "core/PluginInfo.h"
#include "core/Text.h"
#include "platform/Platform.h"
#include "shipfile/ShipFileReader.h"

namespace {

using namespace zorvane;
using namespace zorvane::shipfile;

constexpr int kUsageError = 2;

// The lines of a ship file, read as the imports read them; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadShipFile(const std::string& sPath) {
  std::optional<ShipFileInput> theInput = ReadShipFileInput(sPath, std::cerr);
  if (!theInput) return std::nullopt;
  return std::move(theInput->theLines);
}

// The game's Data folder when the executable stands in its SFSE\Plugins folder.
std::string FindDataFolder() {
  const std::filesystem::path thePlugins = platform::ToFileSystemPath(platform::GetExecutablePath()).parent_path();
  const std::filesystem::path theData = thePlugins.parent_path().parent_path();
  auto IsNamed = [](const std::filesystem::path& thePath, const char* sName) {
    return ToLowerAscii(platform::FromFileSystemPath(thePath.filename())) == sName;
  };
  return IsNamed(thePlugins, "plugins") && IsNamed(thePlugins.parent_path(), "sfse") && IsNamed(theData, "data")
             ? platform::FromFileSystemPath(theData)
             : std::string();
}

int RunCheck(const std::vector<std::string>& thePaths, const std::string& sData, const std::string& sPlugins,
             bool bJson) {
  std::optional<GameData> theData;
  if (!ReadGameData(sData, sPlugins, theData, std::cerr)) return kUsageError;
  const ShipFileList theFiles = ListShipFiles(thePaths, std::cerr);
  int iStatus = theFiles.bFailed ? kUsageError : 0;
  nlohmann::json theJson = nlohmann::json::array();
  for (const std::string& sFile : theFiles.theFiles) {
    std::optional<ShipFileInput> theInput = ReadShipFileInput(sFile, std::cerr);
    if (!theInput) {
      iStatus = kUsageError;
      continue;
    }
    CheckReport theReport = CheckShipFile(sFile, theInput->theLines, theData ? &*theData : nullptr);
    if (!theInput->sNotWritable.empty()) AddNotWritableStops(theReport, theInput->sNotWritable);
    if (theReport.IsRefused() && iStatus == 0) iStatus = 1;
    if (bJson) {
      theJson.push_back(CheckToJson(theReport));
    } else {
      std::cout << FormatCheck(theReport);
    }
  }
  if (bJson) std::cout << FormatJson(theJson);
  return iStatus;
}

int RunNeeds(const std::vector<std::string>& thePaths, bool bJson) {
  const ShipFileList theFiles = ListShipFiles(thePaths, std::cerr);
  int iStatus = theFiles.bFailed ? kUsageError : 0;
  nlohmann::json theJson = nlohmann::json::object();
  for (const std::string& sFile : theFiles.theFiles) {
    std::optional<std::vector<std::string>> theLines = ReadShipFile(sFile);
    if (!theLines) {
      iStatus = kUsageError;
      continue;
    }
    const std::map<std::string, int> theNeeds = CountNeededPlugins(*theLines);
    if (bJson) {
      theJson[sFile] = theNeeds;
    } else {
      std::cout << FormatNeeds(sFile, theNeeds);
    }
  }
  if (bJson) std::cout << FormatJson(theJson);
  return iStatus;
}

// A ship's modules and decoration by the editor IDs of the player's plugin files.
ShipNames NameShip(const std::vector<std::string>& theLines, const GameData& theData) {
  return NameShipForms(SummarizeShipFile(theLines), ReadShipForms(theData, theLines), theData.theCatalog);
}

int RunShow(const std::string& sFile, const std::string& sData, const std::string& sPlugins, bool bJson) {
  std::optional<GameData> theData;
  if (!ReadGameData(sData, sPlugins, theData, std::cerr)) return kUsageError;
  std::optional<std::vector<std::string>> theLines = ReadShipFile(sFile);
  if (!theLines) return kUsageError;
  const ShipSummary theSummary = SummarizeShipFile(*theLines);
  std::optional<ShipNames> theNames;
  if (theData) theNames = NameShip(*theLines, *theData);
  const ShipNames* theShown = theNames ? &*theNames : nullptr;
  std::cout << (bJson ? FormatJson(SummaryToJson(theSummary, theShown)) : FormatSummary(theSummary, theShown));
  return 0;
}

int RunDiff(const std::string& sLeft, const std::string& sRight, const std::string& sData, const std::string& sPlugins,
            bool bJson) {
  std::optional<GameData> theData;
  if (!ReadGameData(sData, sPlugins, theData, std::cerr)) return kUsageError;
  std::optional<std::vector<std::string>> theLeft = ReadShipFile(sLeft);
  std::optional<std::vector<std::string>> theRight = ReadShipFile(sRight);
  if (!theLeft || !theRight) return kUsageError;
  const std::vector<KeyDifference> theDifferences = DiffShipFiles(*theLeft, *theRight);
  if (bJson) {
    std::cout << FormatJson(DiffToJson(theDifferences));
  } else {
    std::cout << FormatDiff(theDifferences);
    if (theData) std::cout << FormatNameDifferences(NameShip(*theLeft, *theData), NameShip(*theRight, *theData));
  }
  return theDifferences.empty() ? 0 : 1;
}

// The report page of a ship file, written to `sOutput` (beside the ship file, with .html, when empty).
int RunReport(const std::string& sFile, std::string sOutput, const std::string& sData, const std::string& sPlugins) {
  std::optional<std::vector<std::string>> theLines = ReadShipFile(sFile);
  if (!theLines) return kUsageError;
  std::optional<GameData> theData;
  if (!ReadGameData(sData, sPlugins, theData, std::cerr)) return kUsageError;
  if (sOutput.empty())
    sOutput = platform::FromFileSystemPath(platform::ToFileSystemPath(sFile).replace_extension(".html"));
  std::error_code theError;
  if (std::filesystem::equivalent(platform::ToFileSystemPath(sFile), platform::ToFileSystemPath(sOutput), theError)) {
    std::cerr << "zorvane-shipfile: " << MakePrintable(sOutput) << " is the ship file itself; name the page with -o\n";
    return kUsageError;
  }
  const std::string sPage = FormatReportPage(ReadReportInput(sFile, *theLines, theData ? &*theData : nullptr));
  std::ofstream theOutput(platform::ToFileSystemPath(sOutput), std::ios::binary | std::ios::trunc);
  if (!theOutput.write(sPage.data(), static_cast<std::streamsize>(sPage.size())) || !theOutput.flush()) {
    std::cerr << "zorvane-shipfile: " << MakePrintable(sOutput) << " cannot be written\n";
    return kUsageError;
  }
  std::cout << "zorvane-shipfile: wrote " << MakePrintable(sOutput) << "\n";
  return 0;
}

// Ship files and folders dropped on the executable: checked, with the Data folder beside it
// when there is one; each ship file's report page written beside it and opened; and the
// window kept open until the player closes it.
int RunDropped(const std::vector<std::string>& thePaths) {
  const std::string sData = FindDataFolder();
  const int iStatus = RunCheck(thePaths, sData, "", false);
  std::ostringstream theSaidOnce;  // the check has named the paths it could not use
  for (const std::string& sFile : ListShipFiles(thePaths, theSaidOnce).theFiles) {
    if (RunReport(sFile, "", sData, "") == 0) {
      OpenForPlayer(platform::FromFileSystemPath(platform::ToFileSystemPath(sFile).replace_extension(".html")));
    }
  }
  WaitBeforeClosing(std::cout);
  return iStatus;
}

}  // namespace

int main(int argc, char** argv) {
  // Paths and names as UTF-8, whatever the system's code page.
  const std::vector<std::string> theArguments = platform::GetCommandLineArguments(argc, argv);
  const Utf8Console theConsole;
  CLI::App theApp(
      "zorvane-shipfile: what the Zorvane imports would do with ship files, without the game.\n"
      "Lines are counted from 1, as text editors show them.");
  theApp.set_version_flag("--version", std::string("zorvane-shipfile ") + std::to_string(ZORVANE_VERSION_MAJOR) + "." +
                                           std::to_string(ZORVANE_VERSION_MINOR));
  theApp.require_subcommand(1);
  SetUpHelp(theApp);
  std::vector<std::string> theFiles;
  std::string sData;
  std::string sPlugins;
  bool bJson = false;
  int iStatus = 0;

  CLI::App* theCheck = theApp.add_subcommand(
      "check",
      "what ImportShipLayout and ImportShipInterior would refuse, pass over or not read, line by line; "
      "exit status 0 when nothing would be refused, 1 when something would, 2 for a usage error or an "
      "unreadable file");
  theCheck->add_option("FILE", theFiles, "ship files, or folders of them")->required();
  theCheck
      ->add_option("--data", sData,
                   "the game's Data folder: check every form against the plugin files that define it, and "
                   "report the plugin files the ship needs and lacks")
      ->type_name("FOLDER");
  theCheck
      ->add_option("--plugins", sPlugins,
                   "the player's load order (Plugins.txt; on Windows, by default the one in the local "
                   "application data folder's Starfield folder): report needed plugin files that are not "
                   "active or cannot load")
      ->type_name("FILE");
  theCheck->add_flag("--json", bJson, "JSON for other tools");
  theCheck->callback([&] { iStatus = RunCheck(theFiles, sData, sPlugins, bJson); });

  CLI::App* theNeeds = theApp.add_subcommand("needs", "the plugin files a ship file needs, with their references");
  theNeeds->add_option("FILE", theFiles, "ship files, or folders of them")->required();
  theNeeds->add_flag("--json", bJson, "JSON for other tools");
  theNeeds->callback([&] { iStatus = RunNeeds(theFiles, bJson); });

  std::string sFile;
  CLI::App* theShow = theApp.add_subcommand("show", "a ship file's name, export, modules and decoration");
  theShow->add_option("FILE", sFile, "a ship file")->required();
  theShow->add_option("--data", sData, "the game's Data folder: modules and decoration by editor ID, counted")
      ->type_name("FOLDER");
  theShow->add_option("--plugins", sPlugins, "the player's load order (Plugins.txt), as for check")->type_name("FILE");
  theShow->add_flag("--json", bJson, "JSON for other tools");
  theShow->callback([&] { iStatus = RunShow(sFile, sData, sPlugins, bJson); });

  std::string sOther;
  CLI::App* theDiff = theApp.add_subcommand(
      "diff",
      "the differences between two ship files by key, the export time and the game's memory addresses left "
      "out; exit status 1 when they differ");
  theDiff->add_option("A", sFile, "a ship file")->required();
  theDiff->add_option("B", sOther, "another ship file")->required();
  theDiff
      ->add_option("--data", sData,
                   "the game's Data folder: also the modules and decoration each ship has more of, by editor ID")
      ->type_name("FOLDER");
  theDiff->add_option("--plugins", sPlugins, "the player's load order (Plugins.txt), as for check")->type_name("FILE");
  theDiff->add_flag("--json", bJson, "JSON for other tools");
  theDiff->callback([&] { iStatus = RunDiff(sFile, sOther, sData, sPlugins, bJson); });

  std::string sPage;
  CLI::App* theReport =
      theApp.add_subcommand("report", "an HTML page on a ship file: its plugin files, checks, modules and a drawing");
  theReport->add_option("FILE", sFile, "a ship file")->required();
  theReport->add_option("-o,--output", sPage, "the page to write; by default the ship file's path with .html")
      ->type_name("PAGE");
  theReport
      ->add_option("--data", sData,
                   "the game's Data folder: check every form, state each needed plugin file, name the modules "
                   "and decoration by editor ID and draw the modules by their object bounds")
      ->type_name("FOLDER");
  theReport->add_option("--plugins", sPlugins, "the player's load order (Plugins.txt), as for check")
      ->type_name("FILE");
  theReport->callback([&] { iStatus = RunReport(sFile, sPage, sData, sPlugins); });

  const std::vector<std::string> theGiven(theArguments.begin() + (theArguments.empty() ? 0 : 1), theArguments.end());
  if (AreDroppedPaths(theGiven, GetSubcommandNames(theApp))) return RunDropped(theGiven);
  try {
    std::vector<std::string> theReversed(theArguments.rbegin(), theArguments.rend());
    if (!theReversed.empty()) theReversed.pop_back();  // the program's own name
    theApp.parse(theReversed);
  } catch (const CLI::ParseError& theError) {
    const int iExit = theApp.exit(theError);
    return iExit == 0 ? 0 : kUsageError;
  }
  return iStatus;
}

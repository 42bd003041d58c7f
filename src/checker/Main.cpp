// zorvane-shipfile: reads ship files without the game and tells what the imports would do
// with them, which plugin files they need, what they hold, and how two of them differ.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#if defined(_WIN32)
#include <conio.h>
#include <io.h>
#endif

#include "checker/Output.h"
#include "checker/Report.h"
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
  std::ifstream theFile(platform::ToFileSystemPath(sPath), std::ios::binary);
  if (!theFile.is_open()) {
    std::cerr << "zorvane-shipfile: " << sPath << " cannot be read\n";
    return std::nullopt;
  }
  const std::string sBytes((std::istreambuf_iterator<char>(theFile)), std::istreambuf_iterator<char>());
  return SplitShipFileLines(sBytes);
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

// The player's Data folder and load order, as the options name them: nothing in it without a
// Data folder; false after saying why when one cannot be read.
bool ReadGameData(const std::string& sData, const std::string& sPlugins, std::optional<GameData>& theData) {
  if (sData.empty()) {
    if (!sPlugins.empty()) std::cerr << "zorvane-shipfile: --plugins needs --data, the folder its files are in\n";
    return sPlugins.empty();
  }
  if (!std::filesystem::is_directory(platform::ToFileSystemPath(sData))) {
    std::cerr << "zorvane-shipfile: " << sData << " is not a folder\n";
    return false;
  }
  theData.emplace();
  theData->theCatalog = ReadDataFolder(platform::ToFileSystemPath(sData));
  for (const std::string& sProblem : theData->theCatalog.theProblems)
    std::cerr << "zorvane-shipfile: passed over " << sProblem << "\n";
  const std::filesystem::path thePlugins =
      sPlugins.empty() ? FindPlayerLoadOrder() : platform::ToFileSystemPath(sPlugins);
  if (thePlugins.empty()) return true;
  std::string sProblem;
  theData->theLoadOrder = ReadLoadOrder(thePlugins, sProblem);
  if (!theData->theLoadOrder) {
    std::cerr << "zorvane-shipfile: " << sProblem << "\n";
    return false;
  }
  for (const std::string& sLineProblem : theData->theLoadOrder->theProblems)
    std::cerr << "zorvane-shipfile: " << platform::FromFileSystemPath(thePlugins) << ", " << sLineProblem << "\n";
  return true;
}

int RunCheck(const std::vector<std::string>& theFiles, const std::string& sData, const std::string& sPlugins,
             bool bJson) {
  std::optional<GameData> theData;
  if (!ReadGameData(sData, sPlugins, theData)) return kUsageError;
  int iStatus = 0;
  nlohmann::json theJson = nlohmann::json::array();
  for (const std::string& sFile : theFiles) {
    std::optional<std::vector<std::string>> theLines = ReadShipFile(sFile);
    if (!theLines) {
      iStatus = kUsageError;
      continue;
    }
    const CheckReport theReport = CheckShipFile(sFile, *theLines, theData ? &*theData : nullptr);
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

int RunNeeds(const std::vector<std::string>& theFiles, bool bJson) {
  int iStatus = 0;
  nlohmann::json theJson = nlohmann::json::object();
  for (const std::string& sFile : theFiles) {
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
  if (!ReadGameData(sData, sPlugins, theData)) return kUsageError;
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
  if (!ReadGameData(sData, sPlugins, theData)) return kUsageError;
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
  if (!ReadGameData(sData, sPlugins, theData)) return kUsageError;
  if (sOutput.empty())
    sOutput = platform::FromFileSystemPath(platform::ToFileSystemPath(sFile).replace_extension(".html"));
  std::error_code theError;
  if (std::filesystem::equivalent(platform::ToFileSystemPath(sFile), platform::ToFileSystemPath(sOutput), theError)) {
    std::cerr << "zorvane-shipfile: " << sOutput << " is the ship file itself; name the page with -o\n";
    return kUsageError;
  }
  const std::string sPage = FormatReportPage(ReadReportInput(sFile, *theLines, theData ? &*theData : nullptr));
  std::ofstream theOutput(platform::ToFileSystemPath(sOutput), std::ios::binary | std::ios::trunc);
  if (!theOutput.write(sPage.data(), static_cast<std::streamsize>(sPage.size())) || !theOutput.flush()) {
    std::cerr << "zorvane-shipfile: " << sOutput << " cannot be written\n";
    return kUsageError;
  }
  std::cout << "zorvane-shipfile: wrote " << sOutput << "\n";
  return 0;
}

// A ship file dropped on the executable: checked, with the Data folder beside it when there
// is one, and the window kept open until a key is pressed.
int RunDropped(const std::string& sFile) {
  const int iStatus = RunCheck({sFile}, FindDataFolder(), "", false);
#if defined(_WIN32)
  // The console window Explorer opened closes at any key; piped input still waits for a line.
  if (_isatty(_fileno(stdin))) {
    std::cout << "Press any key to close." << std::endl;
    _getch();
    return iStatus;
  }
#endif
  std::cout << "Press Enter to close." << std::endl;
  std::cin.get();
  return iStatus;
}

}  // namespace

int main(int argc, char** argv) {
  // Paths and names as UTF-8, whatever the system's code page.
  const std::vector<std::string> theArguments = platform::GetCommandLineArguments(argc, argv);
  if (theArguments.size() == 2 && theArguments[1].rfind('-', 0) != 0 &&
      std::filesystem::is_regular_file(platform::ToFileSystemPath(theArguments[1]))) {
    return RunDropped(theArguments[1]);
  }
  CLI::App theApp(
      "zorvane-shipfile: what the Zorvane imports would do with ship files, without the game.\n"
      "Lines are counted from 1, as text editors show them.");
  theApp.set_version_flag("--version", std::string("zorvane-shipfile ") + std::to_string(ZORVANE_VERSION_MAJOR) + "." +
                                           std::to_string(ZORVANE_VERSION_MINOR));
  theApp.require_subcommand(1);
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
  theCheck->add_option("FILE", theFiles, "ship files")->required();
  theCheck->add_option("--data", sData,
                       "the game's Data folder: check every form against the plugin files that define it, and "
                       "report the plugin files the ship needs and lacks");
  theCheck->add_option("--plugins", sPlugins,
                       "the player's load order (Plugins.txt; on Windows, by default the one in the local "
                       "application data folder's Starfield folder): report needed plugin files that are not "
                       "active or cannot load");
  theCheck->add_flag("--json", bJson, "JSON for other tools");
  theCheck->callback([&] { iStatus = RunCheck(theFiles, sData, sPlugins, bJson); });

  CLI::App* theNeeds = theApp.add_subcommand("needs", "the plugin files a ship file needs, with their references");
  theNeeds->add_option("FILE", theFiles, "ship files")->required();
  theNeeds->add_flag("--json", bJson, "JSON for other tools");
  theNeeds->callback([&] { iStatus = RunNeeds(theFiles, bJson); });

  std::string sFile;
  CLI::App* theShow = theApp.add_subcommand("show", "a ship file's name, export, modules and decoration");
  theShow->add_option("FILE", sFile, "a ship file")->required();
  theShow->add_option("--data", sData, "the game's Data folder: modules and decoration by editor ID, counted");
  theShow->add_option("--plugins", sPlugins, "the player's load order (Plugins.txt), as for check");
  theShow->add_flag("--json", bJson, "JSON for other tools");
  theShow->callback([&] { iStatus = RunShow(sFile, sData, sPlugins, bJson); });

  std::string sOther;
  CLI::App* theDiff = theApp.add_subcommand(
      "diff",
      "the differences between two ship files by key, the export time left out; exit status 1 when they differ");
  theDiff->add_option("A", sFile, "a ship file")->required();
  theDiff->add_option("B", sOther, "another ship file")->required();
  theDiff->add_option("--data", sData,
                      "the game's Data folder: also the modules and decoration each ship has more of, by editor ID");
  theDiff->add_option("--plugins", sPlugins, "the player's load order (Plugins.txt), as for check");
  theDiff->add_flag("--json", bJson, "JSON for other tools");
  theDiff->callback([&] { iStatus = RunDiff(sFile, sOther, sData, sPlugins, bJson); });

  std::string sPage;
  CLI::App* theReport =
      theApp.add_subcommand("report", "an HTML page on a ship file: its plugin files, checks, modules and a drawing");
  theReport->add_option("FILE", sFile, "a ship file")->required();
  theReport->add_option("-o,--output", sPage, "the page to write; by default the ship file's path with .html");
  theReport->add_option("--data", sData,
                        "the game's Data folder: check every form, state each needed plugin file, name the modules "
                        "and decoration by editor ID and draw the modules by their object bounds");
  theReport->add_option("--plugins", sPlugins, "the player's load order (Plugins.txt), as for check");
  theReport->callback([&] { iStatus = RunReport(sFile, sPage, sData, sPlugins); });

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

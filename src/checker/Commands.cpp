#include "checker/Commands.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

#include "checker/Arguments.h"
#include "checker/Dropped.h"
#include "checker/Output.h"
#include "checker/Printable.h"
#include "checker/Report.h"
#include "checker/ShipFileInput.h"
#include "core/Text.h"
#include "platform/Platform.h"

namespace zorvane::shipfile {
namespace {

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

// A ship file as the imports would take it, with the player's files when given: its lines,
// the records of the plugin files it names, and what the imports would do with it.
struct CheckedShip {
  std::vector<std::string> theLines;
  std::optional<ShipForms> theForms;
  CheckReport theReport;
};

// Nothing, after saying why, when the file cannot be read.
std::optional<CheckedShip> CheckShip(const std::string& sFile, const std::optional<GameData>& theData) {
  std::optional<ShipFileInput> theInput = ReadShipFileInput(sFile, std::cerr);
  if (!theInput) return std::nullopt;
  CheckedShip theShip{std::move(theInput->theLines), std::nullopt, {}};
  if (theData) theShip.theForms = ReadFormsToCheck(*theData, theShip.theLines);
  theShip.theReport = CheckShipFile(sFile, theShip.theLines, theData ? &*theData : nullptr,
                                    theShip.theForms ? &*theShip.theForms : nullptr);
  if (!theInput->sNotWritable.empty()) AddNotWritableStops(theShip.theReport, theInput->sNotWritable);
  return theShip;
}

// A ship's modules and decoration by the editor IDs of the player's plugin files.
ShipNames NameShip(const std::vector<std::string>& theLines, const ShipSummary& theSummary, const GameData& theData) {
  return NameShipForms(theSummary, ReadShipForms(theData, theLines), theData.theCatalog);
}

// The report page of a checked ship file, written to `sOutput` (beside the ship file, with
// .html, when empty); its path, or nothing after saying why it could not be written.
std::optional<std::string> WriteReportPage(const std::string& sFile, std::string sOutput, const CheckedShip& theShip,
                                           const std::optional<GameData>& theData) {
  if (sOutput.empty())
    sOutput = platform::FromFileSystemPath(platform::ToFileSystemPath(sFile).replace_extension(".html"));
  std::error_code theError;
  if (std::filesystem::equivalent(platform::ToFileSystemPath(sFile), platform::ToFileSystemPath(sOutput), theError)) {
    std::cerr << "zorvane-shipfile: " << MakePrintable(sOutput) << " is the ship file itself; name the page with -o\n";
    return std::nullopt;
  }
  const std::string sPage =
      FormatReportPage(MakeReportInput(theShip.theLines, theShip.theReport, theData ? &*theData : nullptr,
                                       theShip.theForms ? &*theShip.theForms : nullptr));
  std::ofstream theOutput(platform::ToFileSystemPath(sOutput), std::ios::binary | std::ios::trunc);
  if (!theOutput.write(sPage.data(), static_cast<std::streamsize>(sPage.size())) || !theOutput.flush()) {
    std::cerr << "zorvane-shipfile: " << MakePrintable(sOutput) << " cannot be written\n";
    return std::nullopt;
  }
  std::cout << "zorvane-shipfile: wrote " << MakePrintable(sOutput) << "\n";
  return sOutput;
}

// Checks each ship file the paths name (a folder: its .txt files) and hands it to `Use`; the
// exit status of check.
int CheckEach(const std::vector<std::string>& thePaths, const std::optional<GameData>& theData,
              const std::function<void(const std::string&, const CheckedShip&)>& Use) {
  const ShipFileList theFiles = ListShipFiles(thePaths, std::cerr);
  int iStatus = theFiles.bFailed ? kUsageError : 0;
  for (const std::string& sFile : theFiles.theFiles) {
    const std::optional<CheckedShip> theShip = CheckShip(sFile, theData);
    if (!theShip) {
      iStatus = kUsageError;
      continue;
    }
    if (theShip->theReport.IsRefused() && iStatus == 0) iStatus = 1;
    Use(sFile, *theShip);
  }
  return iStatus;
}

}  // namespace

int RunCheck(const std::vector<std::string>& thePaths, const std::string& sData, const std::string& sPlugins,
             bool bJson) {
  std::optional<GameData> theData;
  if (!ReadGameData(sData, sPlugins, theData, std::cerr)) return kUsageError;
  nlohmann::json theJson = nlohmann::json::array();
  const int iStatus = CheckEach(thePaths, theData, [&](const std::string&, const CheckedShip& theShip) {
    if (bJson) {
      theJson.push_back(CheckToJson(theShip.theReport));
    } else {
      std::cout << FormatCheck(theShip.theReport);
    }
  });
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

int RunShow(const std::string& sFile, const std::string& sData, const std::string& sPlugins, bool bJson) {
  std::optional<GameData> theData;
  if (!ReadGameData(sData, sPlugins, theData, std::cerr)) return kUsageError;
  std::optional<std::vector<std::string>> theLines = ReadShipFile(sFile);
  if (!theLines) return kUsageError;
  const ShipSummary theSummary = SummarizeShipFile(*theLines);
  std::optional<ShipNames> theNames;
  if (theData) theNames = NameShip(*theLines, theSummary, *theData);
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
    if (theData) {
      std::cout << FormatNameDifferences(NameShip(*theLeft, SummarizeShipFile(*theLeft), *theData),
                                         NameShip(*theRight, SummarizeShipFile(*theRight), *theData));
    }
  }
  return theDifferences.empty() ? 0 : 1;
}

int RunReport(const std::string& sFile, const std::string& sOutput, const std::string& sData,
              const std::string& sPlugins) {
  std::optional<GameData> theData;
  if (!ReadGameData(sData, sPlugins, theData, std::cerr)) return kUsageError;
  const std::optional<CheckedShip> theShip = CheckShip(sFile, theData);
  return theShip && WriteReportPage(sFile, sOutput, *theShip, theData) ? 0 : kUsageError;
}

// Ship files and folders dropped on the executable: each ship file checked, with the Data
// folder beside the executable when there is one (read once for all), and its report page
// written beside it and opened; then the window kept open until the player closes it.
int RunDropped(const std::vector<std::string>& thePaths) {
  std::optional<GameData> theData;
  const bool bData = ReadGameData(FindDataFolder(), "", theData, std::cerr);
  const int iStatus = CheckEach(thePaths, theData, [&](const std::string& sFile, const CheckedShip& theShip) {
    std::cout << FormatCheck(theShip.theReport);
    if (const std::optional<std::string> sPage = WriteReportPage(sFile, "", theShip, theData)) OpenForPlayer(*sPage);
  });
  WaitBeforeClosing(std::cout);
  return bData ? iStatus : kUsageError;
}

}  // namespace zorvane::shipfile

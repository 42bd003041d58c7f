// zorvane-shipfile: reads ship files without the game and tells what the imports would do
// with them, which plugin files they need, what they hold, and how two of them differ.
#include <CLI/CLI.hpp>

#include "checker/Commands.h"
#include "checker/Dropped.h"
#include "checker/Help.h"
#include "core/PluginInfo.h"
#include "platform/Platform.h"

using namespace zorvane;
using namespace zorvane::shipfile;

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

#include "checker/Help.h"

#include "checker/Dropped.h"

namespace zorvane::shipfile {
namespace {

std::string MakeFooter() {
  return R"(
Folders:
  check and needs take folders as well as files: a folder stands for every .txt file in it
  (sorted by name; those of its subfolders are left out).

The Data folder (--data FOLDER):
  the game's Data folder. The check reads its .esm, .esp and .esl files: every form a line
  names is looked up in the plugin file that defines it, and one that is not there, or not of
  the kind its line needs, is reported with the import's own message at its line. It reports
  the plugin files the ship needs that are missing, and form IDs too wide for the kind of their
  plugin file (small, medium or full). A plugin file it cannot read to its end is named with the
  byte where reading stopped; its forms are left to the game. Without --data no plugin file is
  looked for. With it, show and diff name modules and decoration items by editor ID, and report
  draws each module by its object bounds.

The load order (--plugins FILE):
  the player's Plugins.txt: one plugin file a line, active when it starts with "*". On Windows
  the one in %LOCALAPPDATA%\Starfield is read when --plugins is not given. A needed plugin file
  that is present but not active, or whose masters are not all present and active, is reported
  as such; the game loads neither, and the imports find none of their forms. The official files
  (Starfield.esm and the game's own additions) are active without being listed. Without a load
  order, every plugin file of the Data folder counts as loaded.

The report page (report FILE [-o PAGE]):
  one HTML page, beside the ship file unless -o names it, that needs no connection and runs no
  script: the plugin files and their state, what each import would do by line, the modules and
  decoration items by name, and a drawing of the modules from above, from the side and from
  the front, coloured by plugin file.

What check tells:
  both imports open a ship file for writing and refuse a read-only one (or one another program
  holds) before they read a line: check reports this as the first stop of each. Bytes that are
  not printable are shown escaped: a tab as \t, a control character or a byte that is no part
  of valid UTF-8 as \xNN; a line is cut after 400 bytes. At most 20 findings are shown per
  file, followed by "... and N more problems". With --json every finding is listed, whole;
  there, bytes that are not UTF-8 become U+FFFD.

What diff leaves out:
  the export time, and the lines whose values are addresses of the game's memory
  (TESContainer[n].itemExtra), which differ between two exports of the same ship.

Exit status:
  check: 0 when nothing would be refused, 1 when something would, 2 for a usage error or a
  file or folder that cannot be read. needs, show: 0, or 2 as check. diff: 0 when the files
  are alike, 1 when they differ, 2 as check.

Dropped files:
  started with nothing but the paths of existing files and folders, as Explorer starts it when
  they are dropped on zorvane-shipfile.exe, it checks each as check does (a folder: its .txt
  files), against the Data folder when it stands in Data\SFSE\Plugins, writes each ship file's
  report page beside it and opens it (on Windows), and then waits before
  its window closes. In a Windows console it says ")" +
         GetClosePrompt(true) + R"(" and waits for a key;
  otherwise (a terminal, a pipe) it says ")" +
         GetClosePrompt(false) + R"(" and waits for a line.
)";
}

}  // namespace

void SetUpHelp(CLI::App& theApp) {
  theApp.name("zorvane-shipfile");
  theApp.set_help_flag();
  theApp.set_help_all_flag("-h,--help", "this reference: every subcommand with its options");
  theApp.footer(MakeFooter());
}

std::vector<std::string> GetSubcommandNames(CLI::App& theApp) {
  std::vector<std::string> theNames;
  for (const CLI::App* theSubcommand : theApp.get_subcommands([](CLI::App*) { return true; }))
    theNames.push_back(theSubcommand->get_name());
  return theNames;
}

}  // namespace zorvane::shipfile

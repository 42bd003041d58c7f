// zorvane-sim: loads plugins into a simulated game, runs a session of console lines and
// prints what the player would see: console lines, message boxes and the end of the process.
#include <CLI/CLI.hpp>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h first: shellapi.h needs it.
#include <shellapi.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "AllocationCounter.h"
#include "Console.h"
#include "Intercept.h"
#include "Loader.h"
#include "WorldFile.h"

namespace {

void PrintOutput(const std::string& sLine) {
  std::fwrite(sLine.data(), 1, sLine.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void PrintConsoleOutput(const std::string& sText) { PrintOutput("console: " + sText); }

// Paths are UTF-8 texts, as the plugin's are; on Windows a file-system path is wide, and the
// library converts UTF-8 to it and back. Elsewhere a path is its bytes.
std::filesystem::path ToPath(const std::string& sPath) {
#if defined(_WIN32)
  return std::filesystem::path(std::u8string(sPath.begin(), sPath.end()));
#else
  return std::filesystem::path(sPath);
#endif
}

std::string FromPath(const std::filesystem::path& thePath) {
#if defined(_WIN32)
  const std::u8string sText = thePath.u8string();
  return std::string(sText.begin(), sText.end());
#else
  return thePath.string();
#endif
}

// The command line as UTF-8, the program's name first (on Windows from the wide command line:
// the narrow one holds only what the system's code page can).
std::vector<std::string> GetArguments(int argc, char** argv) {
#if defined(_WIN32)
  (void)argc;
  (void)argv;
  int iCount = 0;
  wchar_t** theWide = CommandLineToArgvW(GetCommandLineW(), &iCount);
  std::vector<std::string> theArguments;
  for (int i = 0; theWide != nullptr && i < iCount; ++i) theArguments.push_back(FromPath(theWide[i]));
  LocalFree(theWide);
  return theArguments;
#else
  return {argv, argv + argc};
#endif
}

// A path given on the command line as the plugin sees it. The Windows build runs under Wine,
// where an absolute Linux path is reached through drive Z:.
std::string ToHostPath(const std::string& sPath) {
  std::string sAbsolute = FromPath(std::filesystem::absolute(ToPath(sPath)));
#if defined(_WIN32)
  if (!sPath.empty() && sPath.front() == '/') {
    sAbsolute = "Z:" + sPath;
    for (char& ch : sAbsolute) {
      if (ch == '/') ch = '\\';
    }
  }
#endif
  return sAbsolute;
}

struct Options {
  std::string sGameDir;
  std::string sDocuments;      // as the plugin is given it
  std::string sDocumentsPath;  // as the simulator reaches it
  std::string sWorld;
  std::string sScript;
  std::vector<std::string> thePlugins;
  std::string sDumpWorld;
  bool bListHeap = false;
  bool bTime = false;
  std::vector<std::string> theRemovedOperations;
  std::string sClock;
};

[[noreturn]] void RefuseOption(const std::string& sOption, const std::string& sProblem) {
  throw std::runtime_error(sOption + ": " + sProblem);
}

// A plugin module as the loader of this build can load it: a Windows DLL or an ELF object.
bool IsPluginModule(const std::string& sPath) {
  std::ifstream theFile(ToPath(sPath), std::ios::binary);
  char sMagic[4] = {};
  theFile.read(sMagic, sizeof(sMagic));
#if defined(_WIN32)
  return theFile.gcount() >= 2 && sMagic[0] == 'M' && sMagic[1] == 'Z';
#else
  return theFile.gcount() == 4 && std::memcmp(sMagic,
                                              "\x7F"
                                              "ELF",
                                              4) == 0;
#endif
}

// Everything the session needs is checked before anything starts, so a wrong option never
// leaves a half-run session behind (a log or settings file written by the plugin).
void CheckOptions(const Options& theOptions) {
  std::error_code theError;
  if (!std::filesystem::is_directory(ToPath(theOptions.sGameDir), theError)) {
    RefuseOption("--game-dir", theOptions.sGameDir + " is no folder");
  }
  if (theOptions.sDocuments.size() >= sim::kMaxHandedOutPath) {
    RefuseOption("--documents", theOptions.sDocuments + " has " + std::to_string(theOptions.sDocuments.size()) +
                                    " characters; a Windows program can be given " +
                                    std::to_string(sim::kMaxHandedOutPath - 1) + " at most");
  }
  if (!theOptions.sScript.empty() && !std::filesystem::exists(ToPath(theOptions.sScript), theError)) {
    RefuseOption("--script", theOptions.sScript + " does not exist");
  }
  if (!theOptions.sScript.empty() && std::filesystem::is_directory(ToPath(theOptions.sScript), theError)) {
    RefuseOption("--script", theOptions.sScript + " is a folder, not a file");
  }
  for (const std::string& sPlugin : theOptions.thePlugins) {
    if (!std::filesystem::is_regular_file(ToPath(sPlugin), theError))
      RefuseOption("--plugin", sPlugin + " does not exist");
    if (!IsPluginModule(sPlugin)) RefuseOption("--plugin", sPlugin + " is no plugin module");
  }
  // The dump is written after the session; a path it cannot be written to is found now.
  if (!theOptions.sDumpWorld.empty()) {
    const std::filesystem::path theDump = ToPath(theOptions.sDumpWorld);
    if (std::filesystem::is_directory(theDump, theError)) {
      RefuseOption("--dump-world", theOptions.sDumpWorld + " is a folder, not a file");
    }
    if (!std::filesystem::is_directory(theDump.parent_path(), theError)) {
      RefuseOption("--dump-world", theOptions.sDumpWorld + " is in a folder that does not exist");
    }
  }
  for (const std::string& sName : theOptions.theRemovedOperations) {
    if (!sim::RemoveHostOperation(sName)) RefuseOption("--without-operation", "no game operation is named " + sName);
  }
  if (!theOptions.sClock.empty() && !sim::ParseFixedClock(theOptions.sClock)) {
    RefuseOption("--clock", theOptions.sClock + " is no date and time of the form YYYY-MM-DD HH:MM:SS");
  }
}

int RunSession(const Options& theOptions) {
  std::unique_ptr<sim::World> theWorld =
      theOptions.sWorld.empty() ? sim::MakeDefaultWorld() : sim::LoadWorldFile(theOptions.sWorld);
  std::ifstream theScriptFile;
  std::istream* theInput = &std::cin;
  if (!theOptions.sScript.empty()) {
    theScriptFile.open(ToPath(theOptions.sScript));
    if (!theScriptFile.is_open()) RefuseOption("--script", theOptions.sScript + " cannot be read");
    theInput = &theScriptFile;
  }

  static sim::Interceptors theInterceptors;
  theInterceptors.OnMessageBox = [](const std::string& sCaption, const std::string& sText) {
    PrintOutput("box: " + sCaption + " | " + sText);
  };
  theInterceptors.OnExit = [](int iCode) { PrintOutput("exit: " + std::to_string(iCode)); };
  if (!theOptions.sDocuments.empty()) theInterceptors.sDocumentsFolder = theOptions.sDocuments;
  if (!theOptions.sClock.empty()) theInterceptors.theFixedClock = sim::ParseFixedClock(theOptions.sClock);

  std::vector<std::string> thePlugins = theOptions.thePlugins;
  std::filesystem::current_path(ToPath(theOptions.sGameDir));
  if (thePlugins.empty()) thePlugins = sim::Loader::FindPlugins(".");
  // Every module is opened before any starts: a --plugin that cannot be loaded ends the
  // session before a plugin named before it has written its log.
  sim::Loader theLoader(&theInterceptors);
  for (const std::string& sPlugin : thePlugins) {
    const std::optional<std::string> sReason = theLoader.OpenPlugin(sPlugin);
    if (!sReason) continue;
    if (!theOptions.thePlugins.empty()) RefuseOption("--plugin", sPlugin + " cannot be loaded: " + *sReason);
    // The loader passes over a module of the plugin folder that it cannot load.
    std::cerr << "zorvane-sim: plugin " << sPlugin << " not loaded: " << *sReason << '\n';
  }

  sim::SetCurrentWorld(theWorld.get());
  sim::SetConsoleSink(&PrintConsoleOutput);
  // The loader makes the log folder before any plugin loads, in the user's own Documents
  // folder unless another was given; a session may have put something in its way to see how
  // the plugin copes.
  const std::string sDocuments =
      theOptions.sDocuments.empty() ? sim::GetSystemDocumentsFolder() : theOptions.sDocumentsPath;
  if (!sDocuments.empty()) {
    std::error_code theError;
    std::filesystem::create_directories(ToPath(sDocuments) / "My Games" / "Starfield" / "SFSE" / "Logs", theError);
    if (theError) std::cerr << "zorvane-sim: cannot create the log folder: " << theError.message() << '\n';
  }

  theLoader.StartPlugins();
  theLoader.DispatchFromLoader(sfse::kMessagePostLoad, nullptr, 0);
  theLoader.DispatchFromLoader(sfse::kMessagePostPostLoad, nullptr, 0);
  theLoader.DispatchFromLoader(sfse::kMessagePostDataLoad, &theWorld->theDataHandler, 8);
  theLoader.DispatchFromLoader(sfse::kMessagePostPostDataLoad, nullptr, 0);

  sim::Console theConsole;
  std::string sLine;
  while (std::getline(*theInput, sLine)) {
    const auto theStart = std::chrono::steady_clock::now();
    if (theOptions.bTime) sim::ResetAllocationPeak();
    theConsole.RunLine(sLine);
    if (theOptions.bTime && !sLine.empty() && sLine[0] != '#') {
      const auto uMicroseconds =
          std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - theStart).count();
      std::cerr << "time: " << uMicroseconds << " us | "
                << (sim::IsCountingAllocations() ? std::to_string(sim::GetAllocationPeakAbove()) : std::string("-"))
                << " bytes | " << sLine << '\n';
    }
  }

  if (!theOptions.sDumpWorld.empty()) {
    std::ofstream theDump(ToPath(theOptions.sDumpWorld), std::ios::binary);
    theDump << sim::DumpWorld(*theWorld).dump(2) << '\n';
    if (!theDump) throw std::runtime_error("cannot write " + theOptions.sDumpWorld);
  }
  sim::StopIntercepting();
  theWorld->CheckStrings();
  if (theOptions.bListHeap) {
    for (const auto& [theBlock, uSize] : theWorld->theHeap.GetLiveBlocks())
      std::cerr << "zorvane-sim: live heap block " << theBlock << " of " << uSize << " bytes\n";
  }
  // The plugin used the game in a way the real game would not survive.
  for (const std::string& sViolation : theWorld->GetViolations())
    std::cerr << "zorvane-sim: violation: " << sViolation << '\n';
  return theWorld->GetViolations().empty() ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
  // The session's output is the same bytes in both builds: lines end in a bare line feed.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  CLI::App theApp{"zorvane-sim: a simulated Starfield with a simulated SFSE loader"};
  theApp.set_version_flag("--version", "zorvane-sim 1.0.0 (Starfield runtime 1.14.74, SFSE 0.2.16)");
  theApp.footer(
      "Exit status: 0 when the session ran; 2 when an option, the world file or the script cannot be used (nothing "
      "is started then); 3 when the plugin used the game in a way the real game would not survive (each such use "
      "is named on standard error).");
  Options theOptions;
  const CLI::Option* thePathOptions[] = {
      theApp.add_option("--game-dir", theOptions.sGameDir, "the game's installation folder and current folder")
          ->required(),
      theApp.add_option("--documents", theOptions.sDocuments, "the folder handed out as the user's Documents folder"),
      theApp.add_option("--world", theOptions.sWorld, "a JSON world file (default: a small built-in world)"),
      theApp.add_option("--script", theOptions.sScript, "console lines to run (default: standard input)"),
      theApp.add_option("--plugin", theOptions.thePlugins, "plugin modules to load instead of Data/SFSE/Plugins/"),
      theApp.add_option("--dump-world", theOptions.sDumpWorld, "write the world's state as JSON after the session")};
  theApp.add_flag("--list-heap", theOptions.bListHeap, "list the game heap's live blocks after the session");
  theApp.add_flag("--time", theOptions.bTime,
                  "after each console line, print on standard error the time it took and (natively) the most heap "
                  "memory it held beyond what was held before it");
  theApp.add_option("--without-operation", theOptions.theRemovedOperations,
                    "leave this operation out of the game's table, as a game build without it would");
  theApp.add_option("--clock", theOptions.sClock,
                    "the local time the plugin reads, \"YYYY-MM-DD HH:MM:SS\", standing still (default: the "
                    "system's)");
  try {
    std::vector<std::string> theArguments = GetArguments(argc, argv);
    std::reverse(theArguments.begin(), theArguments.end());
    if (!theArguments.empty()) theArguments.pop_back();  // the program's own name
    theApp.parse(theArguments);
  } catch (const CLI::ParseError& theError) {
    // --help and --version end here too, with status 0; every option that cannot be used
    // ends with 2, as the footer says, whatever CLI11's own code for it.
    return theApp.exit(theError) == 0 ? 0 : 2;
  }

  try {
    // An empty value names nothing; read as "not given" it would send the session elsewhere
    // (an empty --documents to the user's own Documents folder).
    for (const CLI::Option* theOption : thePathOptions) {
      for (const std::string& sValue : theOption->results()) {
        if (sValue.empty()) RefuseOption(theOption->get_name(), "an empty value names no file or folder");
      }
    }
    // Paths given on the command line are relative to where the simulator was started.
    for (std::string* sPath : {&theOptions.sWorld, &theOptions.sScript, &theOptions.sDumpWorld}) {
      if (!sPath->empty()) *sPath = FromPath(std::filesystem::absolute(ToPath(*sPath)));
    }
    for (std::string& sPlugin : theOptions.thePlugins) sPlugin = FromPath(std::filesystem::absolute(ToPath(sPlugin)));
    if (!theOptions.sDocuments.empty()) {
      theOptions.sDocumentsPath = FromPath(std::filesystem::absolute(ToPath(theOptions.sDocuments)));
      theOptions.sDocuments = ToHostPath(theOptions.sDocuments);
    }
    CheckOptions(theOptions);
    return RunSession(theOptions);
  } catch (const std::exception& theError) {
    sim::StopIntercepting();
    std::cerr << "zorvane-sim: " << theError.what() << '\n';
    return 2;
  }
}

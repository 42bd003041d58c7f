// zorvane-plugin-writer: writes plugin files for the checker's tests and speed measurements.
//
//   zorvane-plugin-writer world WORLD.json OUTDIR      one plugin file per file of a zorvane-sim world
//   zorvane-plugin-writer huge OUT [--records N] [--seed S]   a generated file of N records
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>

#include "HugePluginFile.h"
#include "support/WorldPluginFiles.h"

int main(int argc, char** argv) {
  CLI::App theApp{"zorvane-plugin-writer: writes plugin files (.esm) for the ship-file checker's tests"};
  theApp.require_subcommand(1);
  // Under Wine the tests pass Unix paths ("/work/..."), which must not read as Windows-style options.
  theApp.allow_windows_style_options(false);
  std::string sWorld, sFolder, sOut;
  uint32_t uRecords = 1000000, uSeed = 1;
  CLI::App* theWorldMode =
      theApp.add_subcommand("world", "one plugin file per file of a zorvane-sim world, a record for each of its forms");
  theWorldMode->add_option("WORLD", sWorld, "the world file (JSON)")->required()->check(CLI::ExistingFile);
  theWorldMode->add_option("OUTDIR", sFolder, "the folder to write the files into")
      ->required()
      ->check(CLI::ExistingDirectory);
  CLI::App* theHugeMode = theApp.add_subcommand(
      "huge", "a generated file of about 500 bytes a record, in nested groups, one record in ten compressed");
  theHugeMode->add_option("OUT", sOut, "the file to write")->required();
  theHugeMode->add_option("--records", uRecords, "how many records (default 1000000)")
      ->check(CLI::Range(1u, 0xF00000u));
  theHugeMode->add_option("--seed", uSeed, "what the records' filler bytes follow from (default 1)");
  CLI11_PARSE(theApp, argc, argv);
  try {
    if (theWorldMode->parsed()) {
      for (const std::string& sName : zorvane::test::WriteWorldPluginFiles(sWorld, sFolder)) {
        std::cout << "wrote " << (std::filesystem::path(sFolder) / sName).string() << "\n";
      }
    } else {
      const zorvane::test::HugePluginSummary theSummary = zorvane::test::WriteHugePluginFile(sOut, uRecords, uSeed);
      std::cout << "wrote " << sOut << ": " << theSummary.uBytes << " bytes, " << theSummary.uRecords << " records ("
                << theSummary.uCompressed << " compressed) in " << theSummary.uGroups << " groups\n"
                << "known forms:\n";
      for (const std::string& sForm : theSummary.theKnownForms) std::cout << "  " << sForm << "\n";
    }
  } catch (const std::exception& theError) {
    std::cerr << "zorvane-plugin-writer: " << theError.what() << "\n";
    return 1;
  }
  return 0;
}

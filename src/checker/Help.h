#pragma once
// `zorvane-shipfile --help`: the full reference, every subcommand with its options and what
// the options of all of them share.

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace zorvane::shipfile {

// `--help` (and `-h`) shows every subcommand with its options, then the reference's footer.
void SetUpHelp(CLI::App& theApp);

std::vector<std::string> GetSubcommandNames(CLI::App& theApp);

}  // namespace zorvane::shipfile

#pragma once
// The checker's subcommands, each as the command line gives it: what it prints, and the exit
// status it ends with.

#include <string>
#include <vector>

namespace zorvane::shipfile {

// The exit status of a usage error or a file that cannot be read.
inline constexpr int kUsageError = 2;

// Ship files and folders of them: 0 when no import would refuse any, 1 when one would.
int RunCheck(const std::vector<std::string>& thePaths, const std::string& sData, const std::string& sPlugins,
             bool bJson);
int RunNeeds(const std::vector<std::string>& thePaths, bool bJson);
int RunShow(const std::string& sFile, const std::string& sData, const std::string& sPlugins, bool bJson);
// 0 when the files are alike, 1 when they differ.
int RunDiff(const std::string& sLeft, const std::string& sRight, const std::string& sData, const std::string& sPlugins,
            bool bJson);
// The page goes to `sOutput`, or beside the ship file, with .html, when that is empty.
int RunReport(const std::string& sFile, const std::string& sOutput, const std::string& sData,
              const std::string& sPlugins);
// Paths dropped on the executable: each ship file checked and its page written beside it and
// opened, then one closing prompt; as check for the exit status.
int RunDropped(const std::vector<std::string>& thePaths);

}  // namespace zorvane::shipfile

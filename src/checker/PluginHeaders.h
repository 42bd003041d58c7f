#pragma once
// The plugin files of a game's Data folder, known by their headers alone: a plugin file
// starts with a "TES4" record whose flags say whether it is a small (0x100) or medium (0x400)
// file; neither makes it a full file.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zorvane::shipfile {

enum class PluginKind { kFull, kSmall, kMedium };
const char* GetKindName(PluginKind eKind);

struct PluginFile {
  std::string sName;
  PluginKind eKind = PluginKind::kFull;
};

struct PluginCatalog {
  std::vector<PluginFile> theFiles;                        // in name order
  std::vector<std::string> theProblems;                    // files passed over, each with why
  const PluginFile* Find(const std::string& sName) const;  // ignoring letter case
};

// The kind a plugin file's header gives; nothing, with `sProblem` set, for a file that is too
// short or does not start with "TES4".
std::optional<PluginKind> ReadPluginKind(const std::filesystem::path& thePath, std::string& sProblem);

// Every .esm, .esp and .esl file of the folder.
PluginCatalog ReadDataFolder(const std::filesystem::path& theFolder);

}  // namespace zorvane::shipfile

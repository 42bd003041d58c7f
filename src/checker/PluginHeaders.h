#pragma once
// The plugin files of a game's Data folder, known by their headers alone: a plugin file
// starts with a "TES4" record whose flags say whether it is a small (0x100) or medium (0x400)
// file (neither makes it a full file) and whose MAST fields name its masters.

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zorvane::shipfile {

enum class PluginKind { kFull, kSmall, kMedium };
const char* GetKindName(PluginKind eKind);

struct PluginFile {
  std::string sName;
  PluginKind eKind = PluginKind::kFull;
  std::vector<std::string> theMasters;
  std::filesystem::path thePath;  // empty for a file known only by name
};

struct PluginCatalog {
  std::vector<PluginFile> theFiles;                        // in name order
  std::vector<std::string> theProblems;                    // files passed over, each with why
  const PluginFile* Find(const std::string& sName) const;  // ignoring letter case; the first of that name

  // Lower-case name -> position, made again when files were added: a Data folder holds
  // thousands of files, each looked up many times.
  mutable std::unordered_map<std::string, std::size_t> theIndex;
  mutable std::size_t uIndexed = 0;
};

// What a plugin file's header record gives: its kind and masters; nothing, with `sProblem`
// set, for a file that is too short, does not start with "TES4", or whose header record
// runs past its end or is not small (1 MB) or both small and medium.
std::optional<PluginFile> ReadPluginHeader(const std::filesystem::path& thePath, std::string& sProblem);

// Every .esm, .esp and .esl file of the folder.
PluginCatalog ReadDataFolder(const std::filesystem::path& theFolder);

}  // namespace zorvane::shipfile

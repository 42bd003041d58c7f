#pragma once
// Files and folders for tests: a private temporary folder, a current-folder switch that is
// undone at the end of the test, and whole-file reads and writes in binary mode (so line
// ends are seen as stored).

#include <filesystem>
#include <string>

namespace zorvane::test {

// A new empty folder under the system's temporary folder; removed with its contents at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& GetPath() const { return thePath; }

 private:
  std::filesystem::path thePath;
};

// Makes a folder the process's current folder until destruction, then restores the old one.
class CurrentFolderGuard {
 public:
  explicit CurrentFolderGuard(const std::filesystem::path& theFolder);
  ~CurrentFolderGuard();
  CurrentFolderGuard(const CurrentFolderGuard&) = delete;
  CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

 private:
  std::filesystem::path theOldFolder;
};

// Every byte of the file; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& thePath);

// Replaces the file with exactly these bytes.
void WriteFileBytes(const std::filesystem::path& thePath, const std::string& sBytes);

}  // namespace zorvane::test

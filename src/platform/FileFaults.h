#pragma once
// A seam for tests: the file operations of the plugin ask here whether they should fail, so a
// test can make a disk fill up, a read fail where the machine itself would not (as root,
// every file can be read), or another program take a name at the worst moment. Without a
// hook installed nothing fails.

#include <filesystem>
#include <functional>
#include <system_error>

namespace platform {

enum class FileOperation { kOpen, kRead, kWrite, kClose, kRename, kRemove };

using FileFaultHook = std::function<std::error_code(FileOperation, const std::filesystem::path&)>;

// The error the test's hook wants this operation on this path to fail with; none: go on.
std::error_code GetInjectedFault(FileOperation eOperation, const std::filesystem::path& thePath);
inline bool ShouldFileOperationFail(FileOperation eOperation, const std::filesystem::path& thePath) {
  return static_cast<bool>(GetInjectedFault(eOperation, thePath));
}

// Installs a hook (tests only); an empty one removes it.
void SetFileFaultHook(FileFaultHook Hook);

}  // namespace platform

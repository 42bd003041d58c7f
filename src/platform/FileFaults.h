#pragma once
// A seam for tests: file operations of the platform layer ask here whether they should fail,
// so a test can make a read fail where the machine itself would not (as root, every file can
// be read). Without a hook installed nothing fails.

#include <filesystem>
#include <functional>

namespace platform {

enum class FileOperation { kOpen, kRead, kWrite, kClose, kRename, kRemove };

// True when the test's hook wants this operation on this path to fail.
bool ShouldFileOperationFail(FileOperation eOperation, const std::filesystem::path& thePath);

// Installs a hook (tests only); an empty one removes it.
void SetFileFaultHook(std::function<bool(FileOperation, const std::filesystem::path&)> Hook);

}  // namespace platform

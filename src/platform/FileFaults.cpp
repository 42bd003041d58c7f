#include "platform/FileFaults.h"

namespace platform {
namespace {

std::function<bool(FileOperation, const std::filesystem::path&)>& GetHook() {
  static std::function<bool(FileOperation, const std::filesystem::path&)> theHook;
  return theHook;
}

}  // namespace

bool ShouldFileOperationFail(FileOperation eOperation, const std::filesystem::path& thePath) {
  return GetHook() && GetHook()(eOperation, thePath);
}

void SetFileFaultHook(std::function<bool(FileOperation, const std::filesystem::path&)> Hook) {
  GetHook() = std::move(Hook);
}

}  // namespace platform

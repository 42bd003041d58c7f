#include "platform/FileFaults.h"

namespace platform {
namespace {

FileFaultHook& GetHook() {
  static FileFaultHook theHook;
  return theHook;
}

}  // namespace

std::error_code GetInjectedFault(FileOperation eOperation, const std::filesystem::path& thePath) {
  return GetHook() ? GetHook()(eOperation, thePath) : std::error_code();
}

void SetFileFaultHook(FileFaultHook Hook) { GetHook() = std::move(Hook); }

}  // namespace platform

#include "support/Files.h"

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace zorvane::test {

TempFolder::TempFolder() {
  std::random_device theDevice;
  std::mt19937_64 theRandom(theDevice() ^
                            static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::path theBase = std::filesystem::temp_directory_path();
  for (int iTry = 0; iTry < 100; ++iTry) {
    std::filesystem::path theCandidate = theBase / ("zorvane-test-" + std::to_string(theRandom()));
    if (std::filesystem::create_directory(theCandidate)) {
      thePath = theCandidate;
      return;
    }
  }
  throw std::runtime_error("no temporary folder could be created");
}

TempFolder::~TempFolder() {
  std::error_code theError;
  std::filesystem::remove_all(thePath, theError);
}

CurrentFolderGuard::CurrentFolderGuard(const std::filesystem::path& theFolder)
    : theOldFolder(std::filesystem::current_path()) {
  std::filesystem::current_path(theFolder);
}

CurrentFolderGuard::~CurrentFolderGuard() {
  std::error_code theError;
  std::filesystem::current_path(theOldFolder, theError);
}

std::string ReadFileBytes(const std::filesystem::path& thePath) {
  std::ifstream theFile(thePath, std::ios::binary);
  std::ostringstream theBytes;
  theBytes << theFile.rdbuf();
  return theBytes.str();
}

void WriteFileBytes(const std::filesystem::path& thePath, const std::string& sBytes) {
  std::ofstream theFile(thePath, std::ios::binary | std::ios::trunc);
  theFile << sBytes;
}

}  // namespace zorvane::test

#pragma once
// A generated plugin file as large as the biggest the game ships: records of about 500 bytes
// each in top groups of 10,000, nested two levels deeper in groups of 1,000 and of 100, one
// record in ten compressed. The first 16 records are known ones a ship file can name.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zorvane::test {

struct HugePluginSummary {
  uint64_t uBytes = 0;
  uint32_t uRecords = 0;
  uint32_t uCompressed = 0;
  uint32_t uGroups = 0;
  std::vector<std::string> theKnownForms;  // "000100|Huge.esm GBFM HugeKnown00", ...
};

// Writes the file at `thePath` (a full file with Starfield.esm as its master); the records'
// filler bytes follow from `uSeed`.
HugePluginSummary WriteHugePluginFile(const std::filesystem::path& thePath, uint32_t uRecords, uint32_t uSeed);

}  // namespace zorvane::test

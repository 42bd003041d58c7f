#pragma once
// The data handler's three plugin file arrays by lower-cased name, taken once for the length
// of an import: a lookup then costs one search instead of a walk over every loaded file, and
// writes the same log lines the walk would have written before it came to the file (an empty
// array, a null entry), so the log reads the same either way.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "game/Types.h"

namespace zorvane {

class PluginFileIndex {
 public:
  // The arrays as the data handler holds them now; nothing without a data handler.
  PluginFileIndex();

  game::TESDataHandler* GetDataHandler() const { return theDataHandler; }
  // LookupTESFileByName through the index, for the data handler the index was taken from.
  game::TESFile* Lookup(const std::string& sName, uint32_t* pluginType) const;

 private:
  struct Array {
    uint32_t uCount = 0;
    std::vector<uint32_t> theNullEntries;  // indices, ascending
    std::vector<game::TESFile*> theFiles;
  };
  struct Place {
    std::size_t uArray;
    uint32_t uIndex;
  };
  game::TESDataHandler* theDataHandler = nullptr;
  Array theArrays[3];
  std::unordered_map<std::string, Place> thePlaces;  // the first file of each name, in walk order
};

// While one lives, LookupTESFileByName takes its files from a PluginFileIndex made when it
// began (imports make one: the loaded files do not change while a command runs).
class PluginFileIndexScope {
 public:
  PluginFileIndexScope();
  ~PluginFileIndexScope();
  PluginFileIndexScope(const PluginFileIndexScope&) = delete;
  PluginFileIndexScope& operator=(const PluginFileIndexScope&) = delete;

 private:
  PluginFileIndex theIndex;
  const PluginFileIndex* thePrevious;
};

// The index in force, or null.
const PluginFileIndex* GetPluginFileIndex();

}  // namespace zorvane

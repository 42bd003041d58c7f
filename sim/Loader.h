#pragma once
// The script extender stand-in: finds plugin modules, reads their version records the way
// the real loader does, loads the compatible ones and dispatches its messages to them.

#include <cstdint>
#include <string>
#include <vector>

#include "game/LoaderInterface.h"

namespace sim {

struct Interceptors;

class Loader {
 public:
  explicit Loader(Interceptors* theInterceptors);

  // The plugin modules of `<game dir>/Data/SFSE/Plugins/` in name order.
  static std::vector<std::string> FindPlugins(const std::string& sGameDir);

  // Loads one module: checks its version record, then calls its load entry. Refusals are
  // reported on stderr. Returns true when the plugin stays loaded.
  bool LoadPlugin(const std::string& sPath);

  // Sends a message from "SFSE" to every listener registered for it.
  void DispatchFromLoader(uint32_t uType, void* theData, uint32_t uDataLen);

  std::size_t GetLoadedCount() const { return uLoadedCount; }

 private:
  Interceptors* theInterceptors;
  std::size_t uLoadedCount = 0;
};

}  // namespace sim

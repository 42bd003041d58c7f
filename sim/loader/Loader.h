#pragma once
// The script extender stand-in: finds plugin modules, reads their version records the way
// the real loader does, loads the compatible ones and dispatches its messages to them.

#include <cstdint>
#include <optional>
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

  // Opens one module and checks what the loader needs of it, without calling its load
  // entry: a module that cannot be opened, or lacks the version record or the load entry,
  // cannot be loaded at all; the reason is returned and nothing of the session has started.
  // A version record the loader refuses is reported on stderr and the module left out, as
  // the game starts without it. Every module is opened before any is started, so a bad one
  // never follows a plugin that has already written its files.
  std::optional<std::string> OpenPlugin(const std::string& sPath);

  // Calls the load entry of every opened module in the order they were opened. A plugin
  // that reports itself incompatible is reported on stderr and its listeners dropped.
  void StartPlugins();

  // Sends a message from "SFSE" to every listener registered for it.
  void DispatchFromLoader(uint32_t uType, void* theData, uint32_t uDataLen);

  std::size_t GetLoadedCount() const { return uLoadedCount; }

 private:
  struct OpenedPlugin {
    std::string sPath;
    bool (*Load)(const sfse::Interface*);
  };

  Interceptors* theInterceptors;
  std::vector<OpenedPlugin> theOpened;
  std::size_t uLoadedCount = 0;
};

}  // namespace sim

#include "Loader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "Intercept.h"
#include "PeImage.h"

namespace sim {
namespace {

constexpr uint32_t kLoaderVersion = 0x00020100;  // 0.2.16
constexpr const char* kPluginExtension =
#if defined(_WIN32)
    ".dll";
#else
    ".so";
#endif

struct Listener {
  uint32_t uHandle;
  std::string sSender;
  sfse::EventCallback theCallback;
};

std::vector<Listener> gListeners;
uint32_t gNextHandle = 1;
uint32_t gLoadingHandle = sfse::kInvalidPluginHandle;

bool EqualsIgnoringCase(const std::string& sA, const std::string& sB) {
  return sA.size() == sB.size() && std::equal(sA.begin(), sA.end(), sB.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

bool RegisterListener(uint32_t uListener, const char* sSender, sfse::EventCallback theCallback) {
  if (theCallback == nullptr || sSender == nullptr || uListener == 0 || uListener >= gNextHandle ||
      !EqualsIgnoringCase(sSender, "SFSE")) {
    return false;
  }
  gListeners.push_back({uListener, sSender, theCallback});
  return true;
}

bool Dispatch(uint32_t, uint32_t, void*, uint32_t, const char*) { return false; }  // plugins have no peers here

const sfse::MessagingInterface kMessaging = {1, &RegisterListener, &Dispatch};

void* QueryInterface(uint32_t uId) {
  return uId == sfse::kInterfaceMessaging ? const_cast<sfse::MessagingInterface*>(&kMessaging) : nullptr;
}

uint32_t GetPluginHandle() { return gLoadingHandle; }

const sfse::PluginInfo* GetPluginInfo(const char*) { return nullptr; }

const sfse::Interface kInterface = {kLoaderVersion,  sfse::kRuntime_1_14_74, 1,
                                    &QueryInterface, &GetPluginHandle,       &GetPluginInfo};

void Refuse(const std::string& sPath, const std::string& sReason) {
  std::cerr << "zorvane-sim: plugin " << sPath << " not loaded: " << sReason << '\n';
}

// The reason the loader refuses `theRecord`, or nothing when it is compatible.
std::optional<std::string> CheckVersionRecord(sfse::PluginVersionData& theRecord) {
  if (theRecord.uDataVersion == 0 || theRecord.sName[0] == '\0') return "no valid version record";
  theRecord.sName[sizeof(theRecord.sName) - 1] = '\0';
  theRecord.sAuthor[sizeof(theRecord.sAuthor) - 1] = '\0';
  if (theRecord.uAddressIndependence == 0 && theRecord.uStructureIndependence == 0) {
    for (uint32_t uVersion : theRecord.uCompatibleVersions) {
      if (uVersion == 0) break;
      if (uVersion == sfse::kRuntime_1_14_74) return std::nullopt;
    }
    return "incompatible with current version of the game (1.14.74, 0x010E04A0)";
  }
  return std::nullopt;
}

using LoadFn = bool (*)(const sfse::Interface*);

}  // namespace

Loader::Loader(Interceptors* theInterceptors) : theInterceptors(theInterceptors) {}

std::vector<std::string> Loader::FindPlugins(const std::string& sGameDir) {
  std::vector<std::string> thePaths;
  std::error_code theError;
  std::filesystem::path theFolder = std::filesystem::path(sGameDir) / "Data" / "SFSE" / "Plugins";
  for (const auto& theEntry : std::filesystem::directory_iterator(theFolder, theError)) {
    if (theEntry.is_regular_file() && EqualsIgnoringCase(theEntry.path().extension().string(), kPluginExtension)) {
      thePaths.push_back(theEntry.path().string());
    }
  }
  std::sort(thePaths.begin(), thePaths.end());
  return thePaths;
}

bool Loader::LoadPlugin(const std::string& sPath) {
  sfse::PluginVersionData theRecord = {};
#if defined(_WIN32)
  auto theBytes = ReadPeExportBytes(sPath, "SFSEPlugin_Version", sizeof(theRecord));
  if (!theBytes) {
    Refuse(sPath, "no SFSEPlugin_Version export");
    return false;
  }
  std::memcpy(&theRecord, theBytes->data(), sizeof(theRecord));
  if (auto sReason = CheckVersionRecord(theRecord)) {
    Refuse(sPath, *sReason);
    return false;
  }
  HMODULE theModule = LoadLibraryA(sPath.c_str());
  if (theModule == nullptr) {
    Refuse(sPath, "LoadLibrary failed with error " + std::to_string(GetLastError()));
    return false;
  }
  InterceptModule(theModule, theInterceptors);
  auto Load = reinterpret_cast<LoadFn>(reinterpret_cast<void*>(GetProcAddress(theModule, "SFSEPlugin_Load")));
#else
  void* theModule = dlopen(sPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (theModule == nullptr) {
    Refuse(sPath, dlerror());
    return false;
  }
  auto* theExported = static_cast<const sfse::PluginVersionData*>(dlsym(theModule, "SFSEPlugin_Version"));
  if (theExported == nullptr) {
    Refuse(sPath, "no SFSEPlugin_Version export");
    dlclose(theModule);
    return false;
  }
  theRecord = *theExported;
  if (auto sReason = CheckVersionRecord(theRecord)) {
    Refuse(sPath, *sReason);
    dlclose(theModule);
    return false;
  }
  InterceptModule(theModule, theInterceptors);
  auto Load = reinterpret_cast<LoadFn>(dlsym(theModule, "SFSEPlugin_Load"));
#endif
  if (Load == nullptr) {
    Refuse(sPath, "no SFSEPlugin_Load export");
    return false;
  }
  gLoadingHandle = gNextHandle++;
  bool bLoaded = Load(&kInterface);
  gLoadingHandle = sfse::kInvalidPluginHandle;
  if (!bLoaded) {
    // The module stays mapped: the plugin may have handed out pointers into it (its box
    // texts, for one); the real loader's unload changes nothing a session can observe.
    Refuse(sPath, "reported as incompatible during load");
    std::erase_if(gListeners, [&](const Listener& theListener) { return theListener.uHandle == gNextHandle - 1; });
    return false;
  }
  ++uLoadedCount;
  return true;
}

void Loader::DispatchFromLoader(uint32_t uType, void* theData, uint32_t uDataLen) {
  sfse::Message theMessage = {"SFSE", uType, uDataLen, theData};
  for (const Listener& theListener : gListeners) {
    theListener.theCallback(&theMessage);
  }
}

}  // namespace sim

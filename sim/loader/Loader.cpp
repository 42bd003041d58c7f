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
#include <elf.h>

#include <fstream>
#endif

#include "Intercept.h"
#include "PeImage.h"
#include "Text.h"

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

#if !defined(_WIN32)
// dlopen maps a module's segments as its program headers describe them, so a file cut short
// would fault on the first touch of a missing page instead of failing to open. The reason
// the image is not whole, or nothing.
std::optional<std::string> CheckElfImage(const std::string& sPath) {
  std::ifstream theFile(sPath, std::ios::binary | std::ios::ate);
  const auto uSize = static_cast<uint64_t>(std::max<std::streamoff>(theFile.tellg(), 0));
  theFile.seekg(0);
  Elf64_Ehdr theHeader{};
  if (!theFile.read(reinterpret_cast<char*>(&theHeader), sizeof(theHeader)) ||
      std::memcmp(theHeader.e_ident, ELFMAG, SELFMAG) != 0 || theHeader.e_ident[EI_CLASS] != ELFCLASS64) {
    return "no 64-bit ELF image";
  }
  if (theHeader.e_phentsize != sizeof(Elf64_Phdr) || theHeader.e_phoff > uSize ||
      uint64_t{theHeader.e_phnum} * sizeof(Elf64_Phdr) > uSize - theHeader.e_phoff) {
    return "the file ends before its program headers do (cut short?)";
  }
  for (uint16_t i = 0; i < theHeader.e_phnum; ++i) {
    Elf64_Phdr theSegment{};
    theFile.seekg(static_cast<std::streamoff>(theHeader.e_phoff + i * sizeof(Elf64_Phdr)));
    theFile.read(reinterpret_cast<char*>(&theSegment), sizeof(theSegment));
    if (!theFile || theSegment.p_offset > uSize || theSegment.p_filesz > uSize - theSegment.p_offset) {
      return "the file ends before its segments do (cut short?)";
    }
  }
  return std::nullopt;
}
#endif

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

std::optional<std::string> Loader::OpenPlugin(const std::string& sPath) {
  sfse::PluginVersionData theRecord = {};
#if defined(_WIN32)
  auto theBytes = ReadPeExportBytes(sPath, "SFSEPlugin_Version", sizeof(theRecord));
  if (!theBytes) return "no SFSEPlugin_Version export";
  std::memcpy(&theRecord, theBytes->data(), sizeof(theRecord));
  if (auto sReason = CheckVersionRecord(theRecord)) {
    Refuse(sPath, *sReason);
    return std::nullopt;
  }
  HMODULE theModule = LoadLibraryA(sPath.c_str());
  if (theModule == nullptr) return "LoadLibrary failed with error " + std::to_string(GetLastError());
  auto Load = reinterpret_cast<LoadFn>(reinterpret_cast<void*>(GetProcAddress(theModule, "SFSEPlugin_Load")));
  if (Load == nullptr) {
    FreeLibrary(theModule);
    return "no SFSEPlugin_Load export";
  }
#else
  if (auto sReason = CheckElfImage(sPath)) return sReason;
  void* theModule = dlopen(sPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (theModule == nullptr) return std::string(dlerror());
  auto* theExported = static_cast<const sfse::PluginVersionData*>(dlsym(theModule, "SFSEPlugin_Version"));
  if (theExported == nullptr) {
    dlclose(theModule);
    return "no SFSEPlugin_Version export";
  }
  theRecord = *theExported;
  if (auto sReason = CheckVersionRecord(theRecord)) {
    Refuse(sPath, *sReason);
    dlclose(theModule);
    return std::nullopt;
  }
  auto Load = reinterpret_cast<LoadFn>(dlsym(theModule, "SFSEPlugin_Load"));
  if (Load == nullptr) {
    dlclose(theModule);
    return "no SFSEPlugin_Load export";
  }
#endif
  InterceptModule(theModule, theInterceptors);
  theOpened.push_back({sPath, Load});
  return std::nullopt;
}

void Loader::StartPlugins() {
  for (const OpenedPlugin& thePlugin : theOpened) {
    const uint32_t uHandle = gNextHandle++;
    gLoadingHandle = uHandle;
    const bool bLoaded = thePlugin.Load(&kInterface);
    gLoadingHandle = sfse::kInvalidPluginHandle;
    if (!bLoaded) {
      // The module stays mapped: the plugin may have handed out pointers into it (its box
      // texts, for one); the real loader's unload changes nothing a session can observe.
      Refuse(thePlugin.sPath, "reported as incompatible during load");
      std::erase_if(gListeners, [&](const Listener& theListener) { return theListener.uHandle == uHandle; });
      continue;
    }
    ++uLoadedCount;
  }
  theOpened.clear();
}

void Loader::DispatchFromLoader(uint32_t uType, void* theData, uint32_t uDataLen) {
  sfse::Message theMessage = {"SFSE", uType, uDataLen, theData};
  for (const Listener& theListener : gListeners) {
    theListener.theCallback(&theMessage);
  }
}

}  // namespace sim

// POSIX implementation of the platform seam, for native builds. It mirrors what the Win32
// implementation shows a test: the same settings files byte for byte, the same values read
// back, boxes and the Documents folder supplied by the process that hosts the plugin.
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>

#include "platform/Platform.h"
#include "platform/PrivateProfile.h"
#include "platform/TextEncoding.h"

namespace platform {
namespace {

int FindMainImage(dl_phdr_info* theInfo, size_t, void* theResult) {
  uintptr_t uLowest = UINTPTR_MAX;
  for (int i = 0; i < theInfo->dlpi_phnum; ++i) {
    if (theInfo->dlpi_phdr[i].p_type == PT_LOAD && theInfo->dlpi_phdr[i].p_vaddr < uLowest) {
      uLowest = theInfo->dlpi_phdr[i].p_vaddr;
    }
  }
  *static_cast<uintptr_t*>(theResult) = uLowest == UINTPTR_MAX ? 0 : theInfo->dlpi_addr + uLowest;
  return 1;  // the first object is the main program
}

// A Win32 function that the hosting process may export under its Windows name, as the
// simulated game does so that it sees boxes and hands out a Documents folder of its choice.
template <typename Fn>
Fn FindHostFunction(const char* sName) {
  return reinterpret_cast<Fn>(dlsym(RTLD_DEFAULT, sName));
}

int ToPosixProtection(Protection eProtection) {
  switch (eProtection) {
    case Protection::kNoAccess: return PROT_NONE;
    case Protection::kReadOnly: return PROT_READ;
    case Protection::kReadWrite: return PROT_READ | PROT_WRITE;
    case Protection::kReadExecute: return PROT_READ | PROT_EXEC;
    case Protection::kReadWriteExecute: return PROT_READ | PROT_WRITE | PROT_EXEC;
  }
  return PROT_NONE;
}

Protection FromMapsFlags(const std::string& sFlags) {
  bool bRead = sFlags.size() > 0 && sFlags[0] == 'r';
  bool bWrite = sFlags.size() > 1 && sFlags[1] == 'w';
  bool bExec = sFlags.size() > 2 && sFlags[2] == 'x';
  if (bExec) return bWrite ? Protection::kReadWriteExecute : Protection::kReadExecute;
  if (bWrite) return Protection::kReadWrite;
  return bRead ? Protection::kReadOnly : Protection::kNoAccess;
}

// The mapping of /proc/self/maps that holds `uAddress`, or the free gap around it.
bool FindMapping(uintptr_t uAddress, MemoryRegion& theRegion, Protection* eProtection) {
  std::ifstream theMaps("/proc/self/maps");
  std::string sLine;
  uintptr_t uGapStart = 0;
  while (std::getline(theMaps, sLine)) {
    std::istringstream theLine(sLine);
    uintptr_t uStart = 0, uEnd = 0;
    char chDash = 0;
    std::string sFlags;
    theLine >> std::hex >> uStart >> chDash >> uEnd >> sFlags;
    if (uAddress < uStart) {
      theRegion = {uGapStart, uStart - uGapStart, true};
      return true;
    }
    if (uAddress < uEnd) {
      theRegion = {uStart, uEnd - uStart, false};
      if (eProtection != nullptr) *eProtection = FromMapsFlags(sFlags);
      return true;
    }
    uGapStart = uEnd;
  }
  theRegion = {uGapStart, static_cast<std::size_t>(0x800000000000ull - uGapStart), true};
  if (uAddress >= 0x800000000000ull) errno = EINVAL;  // beyond the user address space
  return uAddress < 0x800000000000ull;
}

}  // namespace

uintptr_t GetGameImageBase() {
  uintptr_t uBase = 0;
  dl_iterate_phdr(FindMainImage, &uBase);
  return uBase;
}

std::string GetExecutablePath() {
  std::error_code theError;
  const std::filesystem::path thePath = std::filesystem::read_symlink("/proc/self/exe", theError);
  return theError ? std::string() : thePath.string();
}

void* FindImageExport(uintptr_t uImageBase, const char* sName) {
  if (uImageBase == 0) {
    return nullptr;
  }
  void* theMain = dlopen(nullptr, RTLD_NOW);
  void* theSymbol = theMain != nullptr ? dlsym(theMain, sName) : nullptr;
  if (theMain != nullptr) dlclose(theMain);
  return theSymbol;
}

void ShowMessageBox(const std::string& sText, const std::string& sCaption) {
  using MessageBoxFn = int (*)(void*, const char*, const char*, unsigned);
  if (auto fn = FindHostFunction<MessageBoxFn>("MessageBoxA")) {
    fn(nullptr, sText.c_str(), sCaption.c_str(), 0);
    return;
  }
  std::fprintf(stderr, "%s | %s\n", sCaption.c_str(), sText.c_str());
}

LocalTime GetLocalNow() {
  // SYSTEMTIME's layout: year, month, day of the week, day, hour, minute, second, millisecond.
  using ClockFn = void (*)(uint16_t*);
  static const ClockFn theHostClock = FindHostFunction<ClockFn>("GetLocalTime");
  if (theHostClock != nullptr) {
    uint16_t theTime[8] = {};
    theHostClock(theTime);
    return {theTime[0], theTime[1], theTime[3], theTime[4], theTime[5], theTime[6], theTime[7]};
  }
  const auto theNow = std::chrono::system_clock::now();
  const std::time_t theSecond = std::chrono::system_clock::to_time_t(theNow);
  std::tm theLocal = {};
  localtime_r(&theSecond, &theLocal);
  const auto iMilliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(theNow.time_since_epoch()).count() % 1000;
  return {theLocal.tm_year + 1900,
          theLocal.tm_mon + 1,
          theLocal.tm_mday,
          theLocal.tm_hour,
          theLocal.tm_min,
          theLocal.tm_sec,
          static_cast<int>(iMilliseconds)};
}

void ExitProcess(int iCode) { std::exit(iCode); }

bool GetDocumentsFolder(std::string& sFolder) {
  using FolderFn = long (*)(void*, int, void*, unsigned, char*);
  if (auto fn = FindHostFunction<FolderFn>("SHGetFolderPathA")) {
    char sBuffer[260] = {};
    // The result is a 32-bit HRESULT (E_FAIL is 0x80004005) carried in a wider native
    // long: only its own sign bit tells failure.
    if (static_cast<int32_t>(fn(nullptr, 0x8005, nullptr, 0, sBuffer)) < 0) {
      return false;
    }
    sFolder = sBuffer;
    return true;
  }
  const char* sHome = std::getenv("HOME");
  if (sHome == nullptr || *sHome == '\0') {
    return false;
  }
  sFolder = std::string(sHome) + "/Documents";
  return true;
}

std::string ReadPrivateProfileText(const std::string& sSection, const std::string& sKey, const std::string& sDefault,
                                   const std::string& sPath, std::size_t uBufferSize) {
  std::string sValue = sDefault;
  PrivateProfile theProfile;
  if (theProfile.Load(ToFileSystemPath(sPath))) {
    if (auto sFound = theProfile.Get(sSection, sKey)) {
      sValue = *sFound;
    }
  }
  if (uBufferSize == 0) return {};
  if (sValue.size() > uBufferSize - 1) sValue.resize(uBufferSize - 1);
  return sValue;
}

bool WritePrivateProfileText(const std::string& sSection, const std::string& sKey, const std::string& sValue,
                             const std::string& sPath) {
  PrivateProfile theProfile;
  auto thePath = ToFileSystemPath(sPath);
  // A file that exists but cannot be read is left alone rather than replaced by one key.
  std::error_code theError;
  if (!theProfile.Load(thePath) && std::filesystem::exists(thePath, theError)) {
    return false;
  }
  theProfile.Set(sSection, sKey, sValue);
  return theProfile.Save(thePath);
}

std::filesystem::path ToFileSystemPath(const std::string& sPath) {
  std::string sNative = sPath;
  for (char& ch : sNative) {
    if (ch == '\\') ch = '/';
  }
  return std::filesystem::path(sNative);
}

std::string FromFileSystemPath(const std::filesystem::path& thePath) { return thePath.string(); }

std::vector<std::string> GetCommandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

std::string ToUtf8FromSystemText(const std::string& sText) {
  return IsValidUtf8(sText) ? sText : ConvertWindows1252ToUtf8(sText);
}

bool IsAnyEntryAt(const std::filesystem::path& thePath) {
  struct stat theStat {};
  return lstat(thePath.c_str(), &theStat) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

std::vector<std::string> ListFileNames(const std::string& sFolder) {
  std::vector<std::string> theNames;
  std::error_code theError;
  for (std::filesystem::directory_iterator it(ToFileSystemPath(sFolder), theError), itEnd; !theError && it != itEnd;
       it.increment(theError)) {
    if (it->is_regular_file(theError) && !it->is_symlink(theError)) theNames.push_back(it->path().filename().string());
  }
  return theNames;
}

bool IsReadOnlyFile(const std::filesystem::path& thePath) {
  struct stat theStat {};
  return stat(thePath.c_str(), &theStat) == 0 && (theStat.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::error_code RenameWithoutReplacing(const std::string& sFrom, const std::string& sTo) {
  if (renameat2(AT_FDCWD, ToFileSystemPath(sFrom).c_str(), AT_FDCWD, ToFileSystemPath(sTo).c_str(), RENAME_NOREPLACE) !=
      0) {
    return std::error_code(errno, std::generic_category());
  }
  return {};
}

std::string DescribeError(const std::error_code& theError) { return std::strerror(theError.value()); }

// The stream writes what it is given.
const char* GetTextFileLineEnd() { return "\r\n"; }

std::string ToTextFileBytes(const std::string& sText) {
  std::string sBytes;
  sBytes.reserve(sText.size() + sText.size() / 16 + 1);
  std::size_t uStart = 0;
  for (std::size_t uFeed = sText.find('\n'); uFeed != std::string::npos; uFeed = sText.find('\n', uStart)) {
    sBytes.append(sText, uStart, uFeed - uStart).append("\r\n");
    uStart = uFeed + 1;
  }
  return sBytes.append(sText, uStart, std::string::npos);
}

bool QueryMemory(uintptr_t uAddress, MemoryRegion& theRegion) { return FindMapping(uAddress, theRegion, nullptr); }

void* AllocateMemory(uintptr_t uAddress, std::size_t uSize, Protection eProtection) {
  uAddress &= ~static_cast<uintptr_t>(GetAllocationGranularity() - 1);
  int iFlags = MAP_PRIVATE | MAP_ANONYMOUS | (uAddress != 0 ? MAP_FIXED_NOREPLACE : 0);
  void* theMemory = mmap(reinterpret_cast<void*>(uAddress), uSize, ToPosixProtection(eProtection), iFlags, -1, 0);
  if (theMemory == MAP_FAILED || (uAddress != 0 && reinterpret_cast<uintptr_t>(theMemory) != uAddress)) {
    if (theMemory != MAP_FAILED) {
      munmap(theMemory, uSize);
      errno = EEXIST;  // an old kernel took the address as a hint only
    }
    return nullptr;
  }
  return theMemory;
}

bool FreeMemory(void* theMemory, std::size_t uSize) { return munmap(theMemory, uSize) == 0; }

bool ProtectMemory(void* theMemory, std::size_t uSize, Protection eProtection, Protection* ePrevious) {
  uintptr_t uPage = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  uintptr_t uStart = reinterpret_cast<uintptr_t>(theMemory) & ~(uPage - 1);
  MemoryRegion theRegion;
  Protection eOld = Protection::kNoAccess;
  if (!FindMapping(uStart, theRegion, &eOld) || theRegion.bFree) {
    return false;
  }
  uintptr_t uEnd = reinterpret_cast<uintptr_t>(theMemory) + uSize;
  if (mprotect(reinterpret_cast<void*>(uStart), uEnd - uStart, ToPosixProtection(eProtection)) != 0) {
    return false;
  }
  if (ePrevious != nullptr) *ePrevious = eOld;
  return true;
}

void FlushInstructionCache(const void* theCode, std::size_t uSize) {
  char* theStart = static_cast<char*>(const_cast<void*>(theCode));
  __builtin___clear_cache(theStart, theStart + uSize);
}

std::size_t GetAllocationGranularity() { return 0x10000; }

uint32_t GetLastSystemError() { return static_cast<uint32_t>(errno); }

}  // namespace platform

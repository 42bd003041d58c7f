#include "Intercept.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#if defined(_WIN32)
#include <windows.h>
// windows.h first: shlobj.h needs it.
#include <shlobj.h>
#else
#include <sys/time.h>
#endif

namespace sim {
namespace {

Interceptors* gInterceptors = nullptr;

int ShowBox(const char* sText, const char* sCaption) {
  if (gInterceptors != nullptr && gInterceptors->OnMessageBox) {
    gInterceptors->OnMessageBox(sCaption != nullptr ? sCaption : "", sText != nullptr ? sText : "");
  }
  return 1;  // IDOK: the box was closed with its only button
}

// 0 for success, a negative HRESULT for failure; nullopt-like -1 for "ask the system".
long GetDocuments(char* sBuffer) {
  if (gInterceptors == nullptr) return -1;
  if (gInterceptors->bDocumentsUnavailable) return static_cast<long>(0x80004005);  // E_FAIL
  if (!gInterceptors->sDocumentsFolder) return -1;
  const std::string& sFolder = *gInterceptors->sDocumentsFolder;
  // A folder a Windows program cannot be given is never swapped for the system's own.
  if (sFolder.empty() || sFolder.size() >= kMaxHandedOutPath) return static_cast<long>(0x80004005);  // E_FAIL
  std::memcpy(sBuffer, sFolder.c_str(), sFolder.size() + 1);
  return 0;
}

// The fixed clock into `theTime` (SYSTEMTIME's eight fields); false when there is none.
bool GetFixedClock(uint16_t* theTime) {
  if (gInterceptors == nullptr || !gInterceptors->theFixedClock) return false;
  std::copy(gInterceptors->theFixedClock->begin(), gInterceptors->theFixedClock->end(), theTime);
  return true;
}

void NotifyExit(int iCode) {
  if (gInterceptors != nullptr && gInterceptors->OnExit) {
    gInterceptors->OnExit(iCode);
  }
}

#if defined(_WIN32)

int WINAPI MessageBoxStandIn(HWND, LPCSTR sText, LPCSTR sCaption, UINT) { return ShowBox(sText, sCaption); }

std::string ToUtf8(LPCWSTR sWide) {
  if (sWide == nullptr) return {};
  const int iLength = WideCharToMultiByte(CP_UTF8, 0, sWide, -1, nullptr, 0, nullptr, nullptr);
  std::string sText(static_cast<std::size_t>(iLength > 0 ? iLength : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, sWide, -1, sText.data(), iLength, nullptr, nullptr);
  sText.resize(sText.find('\0'));
  return sText;
}

// The plugin's texts are UTF-8, which it hands to the wide functions as UTF-16.
int WINAPI MessageBoxWideStandIn(HWND, LPCWSTR sText, LPCWSTR sCaption, UINT) {
  return ShowBox(ToUtf8(sText).c_str(), ToUtf8(sCaption).c_str());
}

HRESULT WINAPI GetFolderWideStandIn(HWND hWnd, int iFolder, HANDLE hToken, DWORD uFlags, LPWSTR sBuffer) {
  char sUtf8[kMaxHandedOutPath * 4] = {};
  const long iResult = GetDocuments(sUtf8);
  if (iResult == -1) {
    using Fn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    auto theReal =
        reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("shell32.dll"), "SHGetFolderPathW")));
    return theReal(hWnd, iFolder, hToken, uFlags, sBuffer);
  }
  if (iResult != 0) return static_cast<HRESULT>(iResult);
  const int iLength = MultiByteToWideChar(CP_UTF8, 0, sUtf8, -1, nullptr, 0);
  if (iLength <= 0 || iLength > static_cast<int>(kMaxHandedOutPath)) return static_cast<HRESULT>(0x80004005);
  MultiByteToWideChar(CP_UTF8, 0, sUtf8, -1, sBuffer, iLength);
  return 0;
}

HRESULT WINAPI GetFolderStandIn(HWND hWnd, int iFolder, HANDLE hToken, DWORD uFlags, LPSTR sBuffer) {
  long iResult = GetDocuments(sBuffer);
  if (iResult != -1) return static_cast<HRESULT>(iResult);
  using Fn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
  auto theReal =
      reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("shell32.dll"), "SHGetFolderPathA")));
  return theReal(hWnd, iFolder, hToken, uFlags, sBuffer);
}

void WINAPI LocalTimeStandIn(SYSTEMTIME* theTime) {
  if (GetFixedClock(reinterpret_cast<uint16_t*>(theTime))) return;
  // Not through this module's own import, which may be this stand-in (when the simulator
  // intercepts itself).
  using Fn = void(WINAPI*)(SYSTEMTIME*);
  static const auto theReal =
      reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetLocalTime")));
  theReal(theTime);
}

// The exit the redirected module imported; the stand-in ends the process through it, since
// the simulator's own calls of exit may be redirected too (when it intercepts itself).
using ExitFn = void(__cdecl*)(int);
ExitFn gOriginalExit = nullptr;

void __cdecl ExitStandIn(int iCode) {
  NotifyExit(iCode);
  std::fflush(nullptr);
  if (gOriginalExit != nullptr) gOriginalExit(iCode);
  std::_Exit(iCode);
}

struct Redirect {
  const char* sDll;
  const char* sFunction;
  void* theStandIn;
};

// Rewrites the module's import address table entries named in `theRedirects`.
bool PatchImports(HMODULE theModule, const Redirect* theRedirects, size_t uCount) {
  auto* theBase = reinterpret_cast<BYTE*>(theModule);
  auto* theDos = reinterpret_cast<IMAGE_DOS_HEADER*>(theBase);
  auto* theNt = reinterpret_cast<IMAGE_NT_HEADERS64*>(theBase + theDos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& theDir = theNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (theDir.VirtualAddress == 0) return false;
  for (auto* theImport = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(theBase + theDir.VirtualAddress);
       theImport->Name != 0; ++theImport) {
    const char* sDll = reinterpret_cast<const char*>(theBase + theImport->Name);
    auto* theNames = reinterpret_cast<IMAGE_THUNK_DATA64*>(theBase + theImport->OriginalFirstThunk);
    auto* theSlots = reinterpret_cast<IMAGE_THUNK_DATA64*>(theBase + theImport->FirstThunk);
    for (; theNames->u1.AddressOfData != 0; ++theNames, ++theSlots) {
      if (IMAGE_SNAP_BY_ORDINAL64(theNames->u1.Ordinal)) continue;
      auto* theName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(theBase + theNames->u1.AddressOfData);
      for (size_t i = 0; i < uCount; ++i) {
        if (_stricmp(sDll, theRedirects[i].sDll) == 0 &&
            std::strcmp(reinterpret_cast<const char*>(theName->Name), theRedirects[i].sFunction) == 0) {
          auto* theOld = reinterpret_cast<void*>(theSlots->u1.Function);
          if (theRedirects[i].theStandIn == reinterpret_cast<void*>(&ExitStandIn) &&
              theOld != theRedirects[i].theStandIn) {
            gOriginalExit = reinterpret_cast<ExitFn>(theOld);
          }
          DWORD uOld = 0;
          VirtualProtect(&theSlots->u1.Function, sizeof(ULONGLONG), PAGE_READWRITE, &uOld);
          theSlots->u1.Function = reinterpret_cast<ULONGLONG>(theRedirects[i].theStandIn);
          VirtualProtect(&theSlots->u1.Function, sizeof(ULONGLONG), uOld, &uOld);
        }
      }
    }
  }
  return true;
}

#endif

}  // namespace

bool InterceptModule(void* theModule, Interceptors* theInterceptors) {
  gInterceptors = theInterceptors;
#if defined(_WIN32)
  static const Redirect kRedirects[] = {
      {"USER32.dll", "MessageBoxA", reinterpret_cast<void*>(&MessageBoxStandIn)},
      {"USER32.dll", "MessageBoxW", reinterpret_cast<void*>(&MessageBoxWideStandIn)},
      {"SHELL32.dll", "SHGetFolderPathA", reinterpret_cast<void*>(&GetFolderStandIn)},
      {"SHELL32.dll", "SHGetFolderPathW", reinterpret_cast<void*>(&GetFolderWideStandIn)},
      {"msvcrt.dll", "exit", reinterpret_cast<void*>(&ExitStandIn)},
      {"KERNEL32.dll", "GetLocalTime", reinterpret_cast<void*>(&LocalTimeStandIn)},
  };
  HMODULE theTarget = theModule != nullptr ? static_cast<HMODULE>(theModule) : GetModuleHandleA(nullptr);
  return PatchImports(theTarget, kRedirects, std::size(kRedirects));
#else
  (void)theModule;
  static bool bRegistered = false;
  if (!bRegistered) {
    bRegistered = true;
    on_exit([](int iCode, void*) { NotifyExit(iCode); }, nullptr);
  }
  return true;
#endif
}

void StopIntercepting() { gInterceptors = nullptr; }

std::optional<std::array<uint16_t, 8>> ParseFixedClock(const std::string& sText) {
  int iYear = 0, iMonth = 0, iDay = 0, iHour = 0, iMinute = 0, iSecond = 0;
  char sEnd = 0;
  if (std::sscanf(sText.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &iYear, &iMonth, &iDay, &iHour, &iMinute, &iSecond,
                  &sEnd) != 6 ||
      iYear < 1601 || iMonth < 1 || iMonth > 12 || iDay < 1 || iDay > 31 || iHour > 23 || iMinute > 59 ||
      iSecond > 59 || iHour < 0 || iMinute < 0 || iSecond < 0) {
    return std::nullopt;
  }
  // The day of the week is not asked for by the plugin; Sunday stands in for it.
  return std::array<uint16_t, 8>{static_cast<uint16_t>(iYear),
                                 static_cast<uint16_t>(iMonth),
                                 0,
                                 static_cast<uint16_t>(iDay),
                                 static_cast<uint16_t>(iHour),
                                 static_cast<uint16_t>(iMinute),
                                 static_cast<uint16_t>(iSecond),
                                 0};
}

std::string GetSystemDocumentsFolder() {
#if defined(_WIN32)
  char sBuffer[MAX_PATH] = {};
  return SUCCEEDED(SHGetFolderPathA(nullptr, 0x8005, nullptr, 0, sBuffer)) ? sBuffer : "";
#else
  const char* sHome = std::getenv("HOME");
  return sHome != nullptr && *sHome != '\0' ? std::string(sHome) + "/Documents" : "";
#endif
}

}  // namespace sim

#if !defined(_WIN32)
// The stand-ins the POSIX platform finds under the Windows names. The executable that links
// this file must export its symbols (ENABLE_EXPORTS).
extern "C" __attribute__((visibility("default"))) int MessageBoxA(void*, const char* sText, const char* sCaption,
                                                                  unsigned) {
  return sim::ShowBox(sText, sCaption);
}

extern "C" __attribute__((visibility("default"))) void GetLocalTime(uint16_t* theTime) {
  if (sim::GetFixedClock(theTime)) return;
  timeval theNow = {};
  gettimeofday(&theNow, nullptr);
  std::tm theLocal = {};
  localtime_r(&theNow.tv_sec, &theLocal);
  const int theFields[8] = {
      theLocal.tm_year + 1900, theLocal.tm_mon + 1, theLocal.tm_wday, theLocal.tm_mday,
      theLocal.tm_hour,        theLocal.tm_min,     theLocal.tm_sec,  static_cast<int>(theNow.tv_usec / 1000)};
  for (int i = 0; i < 8; ++i) theTime[i] = static_cast<uint16_t>(theFields[i]);
}

extern "C" __attribute__((visibility("default"))) long SHGetFolderPathA(void*, int, void*, unsigned, char* sBuffer) {
  long iResult = sim::GetDocuments(sBuffer);
  if (iResult != -1) return iResult;
  const std::string sFolder = sim::GetSystemDocumentsFolder();
  if (sFolder.empty() || sFolder.size() >= sim::kMaxHandedOutPath) return static_cast<long>(0x80004005);
  std::snprintf(sBuffer, sim::kMaxHandedOutPath, "%s", sFolder.c_str());
  return 0;
}
#endif

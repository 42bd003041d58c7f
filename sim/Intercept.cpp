#include "Intercept.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
// windows.h first: shlobj.h needs it.
#include <shlobj.h>
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

void NotifyExit(int iCode) {
  if (gInterceptors != nullptr && gInterceptors->OnExit) {
    gInterceptors->OnExit(iCode);
  }
}

#if defined(_WIN32)

int WINAPI MessageBoxStandIn(HWND, LPCSTR sText, LPCSTR sCaption, UINT) { return ShowBox(sText, sCaption); }

HRESULT WINAPI GetFolderStandIn(HWND hWnd, int iFolder, HANDLE hToken, DWORD uFlags, LPSTR sBuffer) {
  long iResult = GetDocuments(sBuffer);
  if (iResult != -1) return static_cast<HRESULT>(iResult);
  using Fn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
  auto theReal =
      reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("shell32.dll"), "SHGetFolderPathA")));
  return theReal(hWnd, iFolder, hToken, uFlags, sBuffer);
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
      {"SHELL32.dll", "SHGetFolderPathA", reinterpret_cast<void*>(&GetFolderStandIn)},
      {"msvcrt.dll", "exit", reinterpret_cast<void*>(&ExitStandIn)},
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

extern "C" __attribute__((visibility("default"))) long SHGetFolderPathA(void*, int, void*, unsigned, char* sBuffer) {
  long iResult = sim::GetDocuments(sBuffer);
  if (iResult != -1) return iResult;
  const std::string sFolder = sim::GetSystemDocumentsFolder();
  if (sFolder.empty() || sFolder.size() >= sim::kMaxHandedOutPath) return static_cast<long>(0x80004005);
  std::snprintf(sBuffer, sim::kMaxHandedOutPath, "%s", sFolder.c_str());
  return 0;
}
#endif

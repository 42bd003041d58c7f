// Win32 implementation of the platform seam: the product's own calls.
#include <shlobj.h>
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/Platform.h"
#include "platform/TextEncoding.h"

namespace platform {
namespace {

DWORD ToPageProtection(Protection eProtection) {
  switch (eProtection) {
    case Protection::kNoAccess: return PAGE_NOACCESS;
    case Protection::kReadOnly: return PAGE_READONLY;
    case Protection::kReadWrite: return PAGE_READWRITE;
    case Protection::kReadExecute: return PAGE_EXECUTE_READ;
    case Protection::kReadWriteExecute: return PAGE_EXECUTE_READWRITE;
  }
  return PAGE_NOACCESS;
}

Protection FromPageProtection(DWORD uProtect) {
  switch (uProtect & 0xFF) {
    case PAGE_READONLY: return Protection::kReadOnly;
    case PAGE_READWRITE:
    case PAGE_WRITECOPY: return Protection::kReadWrite;
    case PAGE_EXECUTE:
    case PAGE_EXECUTE_READ: return Protection::kReadExecute;
    case PAGE_EXECUTE_READWRITE:
    case PAGE_EXECUTE_WRITECOPY: return Protection::kReadWriteExecute;
    default: return Protection::kNoAccess;
  }
}

// UTF-8 and UTF-16, the plugin's texts and Windows' own.
std::wstring Widen(const std::string& sText, UINT uCodePage = CP_UTF8) {
  if (sText.empty()) return {};
  const int iLength = MultiByteToWideChar(uCodePage, 0, sText.data(), static_cast<int>(sText.size()), nullptr, 0);
  std::wstring sWide(static_cast<std::size_t>(iLength), L'\0');
  MultiByteToWideChar(uCodePage, 0, sText.data(), static_cast<int>(sText.size()), sWide.data(), iLength);
  return sWide;
}

std::string Narrow(const std::wstring& sWide) {
  if (sWide.empty()) return {};
  const int iLength =
      WideCharToMultiByte(CP_UTF8, 0, sWide.data(), static_cast<int>(sWide.size()), nullptr, 0, nullptr, nullptr);
  std::string sText(static_cast<std::size_t>(iLength), '\0');
  WideCharToMultiByte(CP_UTF8, 0, sWide.data(), static_cast<int>(sWide.size()), sText.data(), iLength, nullptr,
                      nullptr);
  return sText;
}

}  // namespace

uintptr_t GetGameImageBase() { return reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr)); }

std::string GetExecutablePath() {
  wchar_t sPath[MAX_PATH] = {};
  const DWORD uLength = GetModuleFileNameW(nullptr, sPath, MAX_PATH);
  return uLength == 0 || uLength >= MAX_PATH ? std::string() : Narrow(std::wstring(sPath, uLength));
}

void* FindImageExport(uintptr_t uImageBase, const char* sName) {
  if (uImageBase == 0) {
    return nullptr;
  }
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(uImageBase), sName));
}

void ShowMessageBox(const std::string& sText, const std::string& sCaption) {
  MessageBoxW(nullptr, Widen(sText).c_str(), Widen(sCaption).c_str(), 0);
}

LocalTime GetLocalNow() {
  SYSTEMTIME theNow = {};
  ::GetLocalTime(&theNow);
  return {theNow.wYear, theNow.wMonth, theNow.wDay, theNow.wHour, theNow.wMinute, theNow.wSecond, theNow.wMilliseconds};
}

void ExitProcess(int iCode) { std::exit(iCode); }

bool GetDocumentsFolder(std::string& sFolder) {
  wchar_t sBuffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr, 0, sBuffer))) {
    return false;
  }
  sFolder = Narrow(sBuffer);
  return true;
}

std::string ReadPrivateProfileText(const std::string& sSection, const std::string& sKey, const std::string& sDefault,
                                   const std::string& sPath, std::size_t uBufferSize) {
  std::vector<wchar_t> sBuffer(uBufferSize + 1, L'\0');
  DWORD uLength =
      GetPrivateProfileStringW(Widen(sSection).c_str(), Widen(sKey).c_str(), Widen(sDefault).c_str(), sBuffer.data(),
                               static_cast<DWORD>(uBufferSize), ToFileSystemPath(sPath).c_str());
  return Narrow(std::wstring(sBuffer.data(), uLength));
}

bool WritePrivateProfileText(const std::string& sSection, const std::string& sKey, const std::string& sValue,
                             const std::string& sPath) {
  return WritePrivateProfileStringW(Widen(sSection).c_str(), Widen(sKey).c_str(), Widen(sValue).c_str(),
                                    ToFileSystemPath(sPath).c_str()) != FALSE;
}

std::filesystem::path ToFileSystemPath(const std::string& sPath) { return std::filesystem::path(Widen(sPath)); }

std::string FromFileSystemPath(const std::filesystem::path& thePath) { return Narrow(thePath.native()); }

std::vector<std::string> GetCommandLineArguments(int, char**) {
  int iCount = 0;
  wchar_t** theArguments = CommandLineToArgvW(GetCommandLineW(), &iCount);
  std::vector<std::string> theTexts;
  for (int i = 0; theArguments != nullptr && i < iCount; ++i) theTexts.push_back(Narrow(theArguments[i]));
  LocalFree(theArguments);
  return theTexts;
}

std::string ToUtf8FromSystemText(const std::string& sText) {
  return IsValidUtf8(sText) ? sText : Narrow(Widen(sText, CP_ACP));
}

bool IsAnyEntryAt(const std::filesystem::path& thePath) {
  // The directory entry itself: a symbolic link or junction is found even when its target is
  // gone, where GetFileAttributesW and the C runtime's stat would follow it.
  WIN32_FIND_DATAW theFound;
  HANDLE hFind = FindFirstFileW(thePath.c_str(), &theFound);
  if (hFind == INVALID_HANDLE_VALUE) return GetFileAttributesW(thePath.c_str()) != INVALID_FILE_ATTRIBUTES;
  FindClose(hFind);
  return true;
}

std::vector<std::string> ListFileNames(const std::string& sFolder) {
  std::vector<std::string> theNames;
  WIN32_FIND_DATAW theFound;
  HANDLE hFind = FindFirstFileW((ToFileSystemPath(sFolder) / L"*").c_str(), &theFound);
  if (hFind == INVALID_HANDLE_VALUE) return theNames;
  do {
    if ((theFound.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) continue;
    theNames.push_back(Narrow(theFound.cFileName));
  } while (FindNextFileW(hFind, &theFound));
  FindClose(hFind);
  return theNames;
}

bool IsReadOnlyFile(const std::filesystem::path& thePath) {
  const DWORD uAttributes = GetFileAttributesW(thePath.c_str());
  return uAttributes != INVALID_FILE_ATTRIBUTES && (uAttributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::error_code RenameWithoutReplacing(const std::string& sFrom, const std::string& sTo) {
  // Without MOVEFILE_REPLACE_EXISTING the move fails when anything stands at the new name.
  if (!MoveFileExW(ToFileSystemPath(sFrom).c_str(), ToFileSystemPath(sTo).c_str(), 0)) {
    const DWORD uError = GetLastError();
    if (uError == ERROR_ALREADY_EXISTS || uError == ERROR_FILE_EXISTS) {
      return std::make_error_code(std::errc::file_exists);
    }
    return std::error_code(static_cast<int>(uError), std::system_category());
  }
  return {};
}

// errno values and Windows error codes, each in the runtime's or the system's own words.
std::string DescribeError(const std::error_code& theError) {
  std::string sText = theError.message();
  // The system's words in UTF-8, as every other text of the plugin (a localized Windows has
  // its own letters).
  wchar_t* sWide = nullptr;
  if (theError.category() == std::system_category() &&
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(theError.value()), 0, reinterpret_cast<wchar_t*>(&sWide), 0,
                     nullptr) != 0) {
    sText = Narrow(sWide);
  }
  LocalFree(sWide);
  while (!sText.empty() &&
         (sText.back() == '\n' || sText.back() == '\r' || sText.back() == ' ' || sText.back() == '.')) {
    sText.pop_back();
  }
  return sText;
}

// The text-mode stream itself turns the line feed into CR LF.
const char* GetTextFileLineEnd() { return "\n"; }

std::string ToTextFileBytes(const std::string& sText) { return sText; }

bool QueryMemory(uintptr_t uAddress, MemoryRegion& theRegion) {
  MEMORY_BASIC_INFORMATION theInfo = {};
  if (VirtualQuery(reinterpret_cast<LPCVOID>(uAddress), &theInfo, sizeof(theInfo)) != sizeof(theInfo)) {
    return false;
  }
  theRegion.uBase = reinterpret_cast<uintptr_t>(theInfo.BaseAddress);
  theRegion.uSize = theInfo.RegionSize;
  theRegion.bFree = theInfo.State == MEM_FREE;
  return true;
}

void* AllocateMemory(uintptr_t uAddress, std::size_t uSize, Protection eProtection) {
  return VirtualAlloc(reinterpret_cast<LPVOID>(uAddress), uSize, MEM_RESERVE | MEM_COMMIT,
                      ToPageProtection(eProtection));
}

bool FreeMemory(void* theMemory, std::size_t) { return VirtualFree(theMemory, 0, MEM_RELEASE) != FALSE; }

bool ProtectMemory(void* theMemory, std::size_t uSize, Protection eProtection, Protection* ePrevious) {
  DWORD uOld = 0;
  if (!VirtualProtect(theMemory, uSize, ToPageProtection(eProtection), &uOld)) {
    return false;
  }
  if (ePrevious != nullptr) {
    *ePrevious = FromPageProtection(uOld);
  }
  return true;
}

void FlushInstructionCache(const void* theCode, std::size_t uSize) {
  ::FlushInstructionCache(GetCurrentProcess(), theCode, uSize);
}

std::size_t GetAllocationGranularity() {
  SYSTEM_INFO theInfo = {};
  GetSystemInfo(&theInfo);
  return theInfo.dwAllocationGranularity;
}

uint32_t GetLastSystemError() { return GetLastError(); }

}  // namespace platform

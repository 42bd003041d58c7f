#pragma once
// The few operating-system calls the plugin makes. This folder is the only place that
// includes <windows.h> or POSIX headers. The Win32 implementation is the product; the POSIX
// one exists for native tests and behaves the same in everything a test can observe.
//
// Paths are passed in the plugin's own backslash form (".\Data\SFSE\Plugins\Zorvane.ini");
// the POSIX implementation turns backslashes into slashes at the file-system call.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// The base address of the process's main image (GetModuleHandleA(NULL)); 0 when unknown.
uintptr_t GetGameImageBase();

// The path of the process's executable (GetModuleFileNameA(NULL)); empty when unknown.
std::string GetExecutablePath();

// The address of the data or function that the image at `uImageBase` exports as `sName`,
// or null.
void* FindImageExport(uintptr_t uImageBase, const char* sName);

// A modal box with an OK button and no owner window (MessageBoxA with type 0).
void ShowMessageBox(const std::string& sText, const std::string& sCaption);

// The local date and time now, to the millisecond (GetLocalTime). A hosting process that
// exports a GetLocalTime of its own decides it, as the simulated game's fixed clock does.
struct LocalTime {
  int iYear = 0;
  int iMonth = 0;  // 1 to 12
  int iDay = 0;
  int iHour = 0;
  int iMinute = 0;
  int iSecond = 0;
  int iMilliseconds = 0;
};
LocalTime GetLocalNow();

// Ends the process through the runtime library's exit.
[[noreturn]] void ExitProcess(int iCode);

// The current user's Documents folder (SHGetFolderPathA, folder id 0x8005); false when the
// system cannot give one.
bool GetDocumentsFolder(std::string& sFolder);

// Private-profile settings files (GetPrivateProfileStringA / WritePrivateProfileStringA).
// Reading copies at most `uBufferSize - 1` characters; writing creates the file and the
// section when needed and fails when the folder is missing.
std::string ReadPrivateProfileText(const std::string& sSection, const std::string& sKey, const std::string& sDefault,
                                   const std::string& sPath, std::size_t uBufferSize);
bool WritePrivateProfileText(const std::string& sSection, const std::string& sKey, const std::string& sValue,
                             const std::string& sPath);

// The file-system path for one of the plugin's path texts (UTF-8; on Windows every file
// operation then goes through the wide functions), and the text of a file-system path.
std::filesystem::path ToFileSystemPath(const std::string& sPath);
std::string FromFileSystemPath(const std::filesystem::path& thePath);

// A text from outside the plugin (a console parameter, a command line) as UTF-8: unchanged
// when it is valid UTF-8, otherwise read in the system's code page.
std::string ToUtf8FromSystemText(const std::string& sText);

// A program's command line as UTF-8, its own name first (on Windows from the wide command
// line, which the narrow `argv` gives only in the system's code page).
std::vector<std::string> GetCommandLineArguments(int argc, char** argv);

// Gives the file `sFrom` the name `sTo` unless an entry of any kind (a file, a folder, a link,
// a dangling link) already stands there, which is then left as it is. An empty result is
// success.
std::error_code RenameWithoutReplacing(const std::string& sFrom, const std::string& sTo);

// Whether anything stands under the path: a file, a folder, or a link, even one whose target
// is gone (the link itself is asked about, never followed). Wine hides a dangling link from
// every Windows call, so under Wine such a link is not seen.
bool IsAnyEntryAt(const std::filesystem::path& thePath);

// The names of the regular files in the folder `sFolder`, in the plugin's text form; empty when
// the folder cannot be read.
std::vector<std::string> ListFileNames(const std::string& sFolder);

// Whether a file carries the read-only mark (FILE_ATTRIBUTE_READONLY; natively, no write
// permission for anyone). Opening such a file for writing fails for a normal user; the mark is
// asked for itself because an administrator's process may open it anyway.
bool IsReadOnlyFile(const std::filesystem::path& thePath);

// The operating system's own words for an error.
std::string DescribeError(const std::error_code& theError);

// What a text-mode file stream must be given so that every line feed of `sText` reaches the
// file as CR LF, as Windows text mode stores it.
std::string ToTextFileBytes(const std::string& sText);
// What a text-mode file stream must be given to end a line with CR LF.
const char* GetTextFileLineEnd();

// Virtual memory, for code patches near the game image.
enum class Protection { kNoAccess, kReadOnly, kReadWrite, kReadExecute, kReadWriteExecute };

struct MemoryRegion {
  uintptr_t uBase = 0;    // start of the run of pages with the same state
  std::size_t uSize = 0;  // bytes in that run
  bool bFree = false;     // neither reserved nor committed
};

// Each of these leaves the system's error code for GetLastSystemError when it fails.
bool QueryMemory(uintptr_t uAddress, MemoryRegion& theRegion);
// Reserves and commits `uSize` bytes at `uAddress` rounded down to the allocation granularity,
// as VirtualAlloc places a reservation (0: anywhere); the start of the reservation, or null.
void* AllocateMemory(uintptr_t uAddress, std::size_t uSize, Protection eProtection);
bool FreeMemory(void* theMemory, std::size_t uSize);
bool ProtectMemory(void* theMemory, std::size_t uSize, Protection eProtection, Protection* ePrevious);
// After code was written: the processor runs the new bytes, not what it held of the old ones
// (FlushInstructionCache).
void FlushInstructionCache(const void* theCode, std::size_t uSize);
// The granularity at which AllocateMemory places reservations.
std::size_t GetAllocationGranularity();

// The error code the last failed system call of this thread left (GetLastError, errno).
uint32_t GetLastSystemError();

}  // namespace platform

#pragma once
// The rules a ship file's name follows.

#include <string>

namespace zorvane {

// The file name with each character a Windows file name cannot hold, except the colon,
// replaced by ';'.
std::string ReplaceForbiddenCharacters(std::string sFileName);

// True for a name Windows keeps for a device, whatever follows it: CON, PRN, AUX, NUL, COM1
// to COM9 and LPT1 to LPT9, in any letter case, alone or followed by blanks, dots or an
// extension ("nul.txt", "Com1 .txt"). A file of such a name cannot be made on Windows.
bool IsReservedDeviceName(const std::string& sFileName);

// True when both texts are non-empty, the folder exists and folder + name is a regular file.
bool DoesFileExistEx(std::string sFolder, std::string sFileName);

// True when anything at all stands at the path: a file, a folder, a link, a dangling link.
bool IsAnyEntryAt(const std::string& sPath);

}  // namespace zorvane

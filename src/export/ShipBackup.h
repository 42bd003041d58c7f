#pragma once
// The home ship saved before a layout import rewrites it: the game has no undo, and importing
// the saved file is one. A backup is an ordinary ship file of the ship's layout (no
// decoration) in the ship folder, named "Backup - <ship name> - <yyyy-mm-dd hh-mm-ss>".

#include <optional>
#include <string>

#include "core/Settings.h"
#include "game/Types.h"

namespace zorvane {

// How many backups of one ship name are kept: the newest.
inline constexpr std::size_t kBackupsKept = 10;

// The backup name of the ship name `sShipName` at the local time now, as a file name may hold
// it (the characters no export name may hold replaced, line breaks and other control
// characters made blanks), without ".txt".
std::string MakeBackupName(const std::string& sShipName);

// A backup written: its name, as ImportShipLayout takes it, and what the names of all backups
// of its ship name begin with.
struct ShipBackup {
  std::string sName;
  std::string sPrefix;
};

// Exports the layout of `theShipRef` to the ship folder under its backup name (" (2)",
// " (3)" ... added when the name is taken). Nothing when it could not be written (the
// export's own lines say why).
std::optional<ShipBackup> BackUpShipLayout(game::TESObjectREFR* theShipRef, const PluginSettings& theSettings);

// Deletes all but the newest kBackupsKept backups of the ship name of `theBackup`, logging each
// deletion under `sFunction`; files of other names (a backup the player renamed) are never
// touched. (After the import, which holds its file open: Windows deletes no open file.)
void DeleteOldBackups(const ShipBackup& theBackup, const char* sFunction);

}  // namespace zorvane

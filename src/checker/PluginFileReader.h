#pragma once
// A reader of the game's plugin files (.esm, .esp, .esl): the header record with its kind and
// master list, and an index of the records a ship file can name, by form ID, with their
// record type, editor ID and object bounds. Plugin files come from anywhere: every size is
// checked against its parent's, and what cannot be read is reported by the file's name and
// the byte offset where reading stopped, never by a crash.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "checker/PluginHeaders.h"

namespace zorvane::shipfile {

// One record as the index keeps it.
struct PluginRecord {
  std::string sType;                                // "KYWD", "GBFM", ...
  std::string sEditorID;                            // the EDID field; empty without one
  std::optional<std::array<int16_t, 6>> theBounds;  // OBND: x1, y1, z1, x2, y2, z2; a bound object has them
  std::string sFile;                                // the file the record was read from (an override's file)
};

// A form as a ship file names it: its defining plugin file (letter case as a load order has
// it) and its local ID (without the file's index byte).
struct FormKey {
  std::string sFile;  // lower case, so lookups ignore letter case
  uint32_t uLocalID = 0;
  bool operator<(const FormKey& theOther) const {
    return sFile != theOther.sFile ? sFile < theOther.sFile : uLocalID < theOther.uLocalID;
  }
};

// The forms a reader is asked to keep; a reader given none keeps every record.
struct WantedForms {
  std::set<FormKey> theForms;
  bool Wants(const FormKey& theKey) const { return theForms.count(theKey) != 0; }
};

// Why a file could not be read: where reading stopped and what was found there.
struct PluginReadError {
  std::string sFile;
  uint64_t uOffset = 0;
  std::string sWhat;
  std::string Describe() const;  // "<file>: <what> (at byte <offset>)"
};

// What a plugin file holds.
struct PluginFileContents {
  std::string sName;
  uint32_t uHeaderFlags = 0;
  PluginKind eKind = PluginKind::kFull;
  bool bLocalized = false;
  bool bMaster = false;
  std::vector<std::string> theMasters;  // in the order of the file's MAST fields
  // Every record read, by the form it names, resolved through the master list: the file's
  // own forms under its own name, overrides under their master's.
  std::unordered_map<uint32_t, PluginRecord> theOwnForms;      // local ID -> record
  std::vector<std::pair<FormKey, PluginRecord>> theOverrides;  // forms of the masters
  std::optional<PluginReadError> theError;                     // set when reading stopped early
};

// Reads the plugin file at `thePath`, keeping the records `theWanted` asks for (all when null).
// Records are read from the file in pieces: the whole file is never held at once.
PluginFileContents ReadPluginFile(const std::filesystem::path& thePath, const std::string& sName,
                                  const WantedForms* theWanted = nullptr);
// The same for a plugin file's bytes already in memory (tests, fuzzing).
PluginFileContents ReadPluginBytes(std::string_view sBytes, const std::string& sName,
                                   const WantedForms* theWanted = nullptr);

// The header record alone, from the bytes of a file's start that hold it: its kind, flags and
// masters, or the error that keeps them from being read.
PluginFileContents ReadPluginHeaderBytes(std::string_view sBytes, const std::string& sName);

// The game's form type code of a record type ("KYWD" -> 0x04); nothing for a type the list
// does not hold.
std::optional<uint8_t> GetFormTypeCode(std::string_view sRecordType);
// The record type of a form type code; empty for a code the list does not hold.
std::string GetRecordType(uint8_t uFormType);

}  // namespace zorvane::shipfile

#pragma once
// The game's pool of interned strings, with real reference counts. Every handle holds one
// reference; making, copying and assigning take one, releasing gives one back. Misuse (a
// release too many, the use of a released entry, a pointer that is no entry) is reported
// through the given function instead of corrupting the pool.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <unordered_set>

#include "GameObjects.h"

namespace sim {

class StringPool {
 public:
  explicit StringPool(std::function<void(const std::string&)> Report) : Report(std::move(Report)) {}

  // A new handle to the live entry of `sText` (equal texts share one).
  game::BSFixedString Make(const std::string& sText);
  // A handle to a new entry that stands for the entry of `sText`.
  game::BSFixedString MakeIndirect(const std::string& sText);

  // The operations of the game's table; `sOperation` names them in reports.
  void Copy(game::BSFixedString* theTarget, const game::BSFixedString* theSource, const char* sOperation);
  void Assign(game::BSFixedString* theTarget, const game::BSFixedString* theSource, const char* sOperation);
  void Release(game::BSFixedString* theString, const char* sOperation);
  // The text a handle stands for; null for an empty handle, entry or a misused one.
  const char* GetText(const game::BSFixedString* theString, const char* sOperation);

  // Compares every entry's count with the handles `CountHeld` says the world holds to it
  // (the pool's own references, of entries standing for others, are added here) and reports
  // each difference.
  void Audit(const std::map<const game::StringPoolEntry*, uint32_t>& theHeld);

  const std::deque<game::StringPoolEntry>& GetEntries() const { return theEntries; }

 private:
  // The live entry of a handle; null for an empty handle, after a report for a misused one.
  game::StringPoolEntry* CheckEntry(const game::BSFixedString* theString, const char* sOperation);
  void AddReference(game::StringPoolEntry* theEntry);
  void DropReference(game::StringPoolEntry* theEntry, const char* sOperation);

  std::function<void(const std::string&)> Report;
  std::deque<game::StringPoolEntry> theEntries;
  std::unordered_set<const game::StringPoolEntry*> theKnown;
};

}  // namespace sim

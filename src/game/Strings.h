#pragma once
// The game's interned strings. A handle holds one reference to a pool entry; the plugin
// gives back every reference it takes, so the pool's counts stay what the game expects.

#include <string>

#include "game/Types.h"

namespace game {

// The text of a handle; empty for an empty handle or entry.
std::string GetStringText(const BSFixedString* theString);

// An interned string the plugin owns: made from a text, copied with one more reference,
// released when it goes. An empty one holds no entry.
class InternedString {
 public:
  InternedString() = default;
  explicit InternedString(const std::string& sText);
  InternedString(const InternedString& theOther);
  InternedString& operator=(const InternedString& theOther);
  InternedString(InternedString&& theOther) noexcept;
  InternedString& operator=(InternedString&& theOther) noexcept;
  ~InternedString();

  bool IsEmpty() const { return theHandle.theEntry == nullptr; }
  std::string GetText() const { return GetStringText(&theHandle); }
  const BSFixedString& GetHandle() const { return theHandle; }

  // Gives this string to a handle the game holds (a component's field): the game's handle
  // takes a reference to this entry and gives back the one it held.
  void AssignTo(BSFixedString& theTarget) const;

 private:
  void Release() noexcept;

  BSFixedString theHandle = {nullptr};
};

}  // namespace game

#include "game/Strings.h"

#include <utility>

#include "game/HostCalls.h"
#include "game/Text.h"

namespace game {

std::string GetStringText(const BSFixedString* theString) {
  if (theString == nullptr || theString->theEntry == nullptr) return {};
  return ToText(host::GetStringText(theString));
}

InternedString::InternedString(const std::string& sText) { host::MakeString(&theHandle, sText.c_str()); }

InternedString::InternedString(const InternedString& theOther) {
  if (!theOther.IsEmpty()) host::CopyString(&theHandle, &theOther.theHandle);
}

InternedString& InternedString::operator=(const InternedString& theOther) {
  if (this != &theOther) theOther.AssignTo(theHandle);
  return *this;
}

InternedString::InternedString(InternedString&& theOther) noexcept
    : theHandle(std::exchange(theOther.theHandle, BSFixedString{nullptr})) {}

InternedString& InternedString::operator=(InternedString&& theOther) noexcept {
  if (this != &theOther) {
    Release();
    theHandle = std::exchange(theOther.theHandle, BSFixedString{nullptr});
  }
  return *this;
}

InternedString::~InternedString() { Release(); }

void InternedString::AssignTo(BSFixedString& theTarget) const { host::AssignString(&theTarget, &theHandle); }

void InternedString::Release() noexcept {
  if (IsEmpty()) return;
  try {
    host::ReleaseString(&theHandle);
  } catch (...) {
    // Only an unbound game interface throws here, and then there is no pool to give back to.
  }
  theHandle.theEntry = nullptr;
}

}  // namespace game

// The simulated game's interned strings, through the world's string pool.
#include "HostOperations.h"

namespace sim::host {

const char* GetStringText(const game::BSFixedString* theString) {
  World& theWorld = GetWorld();
  // A handle inside an extra-data entry is the entry's contents.
  const auto* theEntry = reinterpret_cast<const game::BSExtraData*>(reinterpret_cast<const char*>(theString) -
                                                                    offsetof(game::BSExtraData, theString));
  if (theString != nullptr && theWorld.IsObject(theEntry, ObjectKind::kExtraData) &&
      !IsExtraListLocked(*theEntry->theList)) {
    theWorld.ReportViolation(std::string(__func__) + " read the text of an extra-data entry of kind " +
                             std::to_string(theEntry->uKind) + " without its list's lock");
  }
  return theWorld.theStrings.GetText(theString, __func__);
}

void MakeString(game::BSFixedString* theTarget, const char* sText) {
  World& theWorld = GetWorld();
  if (theTarget == nullptr || sText == nullptr) {
    theWorld.ReportViolation(std::string(__func__) + " called without a target handle or text");
    return;
  }
  if (theTarget->theEntry != nullptr) {
    theWorld.ReportViolation(std::string(__func__) + " made a string into a handle that still holds one");
  }
  *theTarget = theWorld.theStrings.Make(sText);
}

void CopyString(game::BSFixedString* theTarget, const game::BSFixedString* theSource) {
  GetWorld().theStrings.Copy(theTarget, theSource, __func__);
}

void AssignString(game::BSFixedString* theTarget, const game::BSFixedString* theSource) {
  GetWorld().theStrings.Assign(theTarget, theSource, __func__);
}

void ReleaseString(game::BSFixedString* theString) { GetWorld().theStrings.Release(theString, __func__); }

}  // namespace sim::host

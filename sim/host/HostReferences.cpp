// The simulated game's references and their extra data, with the extra-data list's read and
// write locks: a lookup without the read lock, a lock the real game would deadlock on, and
// an unlock of a lock not held are reported.
#include <cstring>

#include "HostOperations.h"

namespace sim::host {
namespace {

game::ExtraDataList* CheckList(game::ExtraDataList* theList, const char* sOperation) {
  return Check(theList, {ObjectKind::kExtraList}, sOperation);
}

void Report(const char* sOperation, const std::string& sWhat) {
  GetWorld().ReportViolation(std::string(sOperation) + " " + sWhat);
}

// An entry whose contents are read: another of the game's threads may change them unless the
// entry's list is locked.
game::BSExtraData* CheckEntry(game::BSExtraData* theEntry, const char* sOperation) {
  auto* theChecked = Check(theEntry, {ObjectKind::kExtraData}, sOperation);
  if (theChecked != nullptr && !IsExtraListLocked(*theChecked->theList)) {
    Report(sOperation,
           "read an extra-data entry of kind " + std::to_string(theChecked->uKind) + " without its list's lock");
  }
  return theChecked;
}

}  // namespace

game::TESObjectREFR* GetPlayer() { return GetWorld().thePlayer; }

game::TESObjectREFR* GetPlayerHomeShip() { return GetWorld().thePlayerHomeShip; }

game::TESObjectREFR* GetShipAboard(game::TESObjectREFR* theActor) {
  auto* theChecked = CheckRef(theActor, __func__);
  return theChecked != nullptr ? theChecked->theShipAboard : nullptr;
}

game::TESForm* GetRefBaseForm(game::TESObjectREFR* theRef) {
  auto* theChecked = CheckRef(theRef, __func__);
  return theChecked != nullptr ? theChecked->theBase : nullptr;
}

game::TESObjectCELL* GetRefParentCell(game::TESObjectREFR* theRef) {
  auto* theChecked = CheckRef(theRef, __func__);
  return theChecked != nullptr ? theChecked->theParentCell : nullptr;
}

void GetRefPosition(game::TESObjectREFR* theRef, float* theXYZ) {
  if (auto* theChecked = CheckRef(theRef, __func__)) std::memcpy(theXYZ, theChecked->fPosition, 12);
}

void GetRefRotation(game::TESObjectREFR* theRef, float* theXYZ) {
  if (auto* theChecked = CheckRef(theRef, __func__)) std::memcpy(theXYZ, theChecked->fRotation, 12);
}

uint16_t GetRefScale(game::TESObjectREFR* theRef) {
  auto* theChecked = CheckRef(theRef, __func__);
  return theChecked != nullptr ? theChecked->uScale : 0;
}

game::TESObjectREFR* GetLinkedRef(game::TESObjectREFR* theRef, game::TESForm* theKeyword) {
  auto* theChecked = CheckRef(theRef, __func__);
  auto* theCheckedKeyword = CheckForm(theKeyword, __func__);
  if (theChecked == nullptr || theCheckedKeyword == nullptr) return nullptr;
  for (const auto& [theLinkKeyword, theLinked] : theChecked->theLinks) {
    if (theLinkKeyword == theCheckedKeyword) return theLinked;
  }
  return nullptr;
}

void SetRefDisplayName(game::TESObjectREFR* theRef, const char* sName) {
  auto* theChecked = CheckRef(theRef, __func__);
  if (theChecked == nullptr || !theChecked->theExtra) return;
  if (sName == nullptr) {
    Report(__func__, "called without a name");
    return;
  }
  // The game takes the list's write lock itself: a lock its own thread already holds would
  // never be given.
  game::ExtraDataList* theList = theChecked->theExtra.get();
  if (theList->bWriteLocked || theList->iReadLocks > 0) Report(__func__, "waits for a lock its own thread holds");
  World& theWorld = GetWorld();
  game::BSExtraData* theEntry = nullptr;
  for (const auto& theExisting : theList->theEntries) {
    if (theExisting->uKind == game::kExtraDisplayName) theEntry = theExisting.get();
  }
  if (theEntry == nullptr) theEntry = &theWorld.AddExtraData(theChecked, game::kExtraDisplayName);
  game::BSFixedString theName = theWorld.MakeString(sName);
  theWorld.theStrings.Assign(&theEntry->theString, &theName, __func__);
  theWorld.theStrings.Release(&theName, __func__);
}

game::ExtraDataList* GetRefExtraList(game::TESObjectREFR* theRef) {
  auto* theChecked = CheckRef(theRef, __func__);
  return theChecked != nullptr ? theChecked->theExtra.get() : nullptr;
}

void LockExtraListRead(game::ExtraDataList* theList) {
  auto* theChecked = CheckList(theList, __func__);
  if (theChecked == nullptr) return;
  if (theChecked->bWriteLocked) Report(__func__, "waits for the write lock its own thread holds");
  ++theChecked->iReadLocks;
}

void UnlockExtraListRead(game::ExtraDataList* theList) {
  auto* theChecked = CheckList(theList, __func__);
  if (theChecked == nullptr) return;
  if (theChecked->iReadLocks <= 0) {
    Report(__func__, "released a read lock that was not held");
    return;
  }
  --theChecked->iReadLocks;
}

void LockExtraListWrite(game::ExtraDataList* theList) {
  auto* theChecked = CheckList(theList, __func__);
  if (theChecked == nullptr) return;
  if (theChecked->bWriteLocked || theChecked->iReadLocks > 0) {
    Report(__func__, "waits for a lock its own thread holds");
  }
  theChecked->bWriteLocked = true;
}

void UnlockExtraListWrite(game::ExtraDataList* theList) {
  auto* theChecked = CheckList(theList, __func__);
  if (theChecked == nullptr) return;
  if (!theChecked->bWriteLocked) {
    Report(__func__, "released a write lock that was not held");
    return;
  }
  theChecked->bWriteLocked = false;
}

game::BSExtraData* LookupExtraData(game::ExtraDataList* theList, uint32_t uKind) {
  auto* theChecked = CheckList(theList, __func__);
  if (theChecked == nullptr) return nullptr;
  if (!IsExtraListLocked(*theChecked)) {
    Report(__func__, "read extra data of kind " + std::to_string(uKind) + " without the list's lock");
  }
  for (const auto& theEntry : theChecked->theEntries) {
    if (theEntry->uKind == uKind) return theEntry.get();
  }
  return nullptr;
}

const game::BSFixedString* GetExtraDataString(game::BSExtraData* theEntry) {
  auto* theChecked = CheckEntry(theEntry, __func__);
  return theChecked != nullptr ? &theChecked->theString : nullptr;
}

uint32_t GetExtraDataFormID(game::BSExtraData* theEntry) {
  auto* theChecked = CheckEntry(theEntry, __func__);
  return theChecked != nullptr ? theChecked->uFormID : 0;
}

uint32_t GetExtraDataListCount(game::BSExtraData* theEntry) {
  auto* theChecked = CheckEntry(theEntry, __func__);
  return theChecked != nullptr ? theChecked->uListCount : 0;
}

}  // namespace sim::host

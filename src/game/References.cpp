#include "game/References.h"

#include <stdexcept>

#include "game/HostCalls.h"

namespace game {

TESObjectREFR* GetPlayer() { return host::GetPlayer(); }
TESObjectREFR* GetShipAboard(TESObjectREFR* theActor) {
  return theActor != nullptr ? host::GetShipAboard(theActor) : nullptr;
}
TESObjectREFR* GetPlayerHomeShip() { return host::GetPlayerHomeShip(); }
TESForm* GetRefBaseForm(TESObjectREFR* theRef) { return theRef != nullptr ? host::GetRefBaseForm(theRef) : nullptr; }
TESObjectCELL* GetRefParentCell(TESObjectREFR* theRef) {
  return theRef != nullptr ? host::GetRefParentCell(theRef) : nullptr;
}
std::array<float, 3> GetRefPosition(TESObjectREFR* theRef) {
  std::array<float, 3> theXYZ = {0.0f, 0.0f, 0.0f};
  if (theRef != nullptr) host::GetRefPosition(theRef, theXYZ.data());
  return theXYZ;
}
std::array<float, 3> GetRefRotation(TESObjectREFR* theRef) {
  std::array<float, 3> theXYZ = {0.0f, 0.0f, 0.0f};
  if (theRef != nullptr) host::GetRefRotation(theRef, theXYZ.data());
  return theXYZ;
}
uint16_t GetRefScale(TESObjectREFR* theRef) { return theRef != nullptr ? host::GetRefScale(theRef) : 0; }
TESObjectREFR* GetLinkedRef(TESObjectREFR* theRef, TESForm* theKeyword) {
  return theRef != nullptr && theKeyword != nullptr ? host::GetLinkedRef(theRef, theKeyword) : nullptr;
}

void SetRefDisplayName(TESObjectREFR* theRef, const std::string& sName) {
  if (theRef == nullptr) throw std::invalid_argument("SetRefDisplayName on a null reference");
  host::SetRefDisplayName(theRef, sName.c_str());
}

void SetRefScale(TESObjectREFR* theRef, float fScale) {
  if (theRef == nullptr) throw std::invalid_argument("SetRefScale on a null reference");
  host::SetRefScale(theRef, fScale);
}
void LinkRef(TESObjectREFR* theRef, TESForm* theKeyword, TESObjectREFR* theTarget) {
  if (theRef == nullptr || theKeyword == nullptr || theTarget == nullptr) {
    throw std::invalid_argument("LinkRef without a reference, a keyword or a target");
  }
  host::LinkRef(theRef, theKeyword, theTarget, true);
}
void RemoveRef(TESObjectREFR* theRef) {
  if (theRef == nullptr) throw std::invalid_argument("RemoveRef on a null reference");
  host::RemoveRef(theRef);
}

float GetRefDistance(TESObjectREFR* theRef, TESObjectREFR* theOther) {
  return theRef != nullptr && theOther != nullptr ? host::GetRefDistance(theRef, theOther) : 0.0f;
}
TESWorldSpace* GetRefWorldspace(TESObjectREFR* theRef) {
  return theRef != nullptr ? host::GetRefWorldspace(theRef) : nullptr;
}

ExtraDataList* GetRefExtraList(TESObjectREFR* theRef) {
  return theRef != nullptr ? host::GetRefExtraList(theRef) : nullptr;
}
BSExtraData* LookupExtraData(ExtraDataList* theList, uint32_t uKind) {
  return theList != nullptr ? host::LookupExtraData(theList, uKind) : nullptr;
}
const BSFixedString* GetExtraDataString(BSExtraData* theEntry) {
  return theEntry != nullptr ? host::GetExtraDataString(theEntry) : nullptr;
}
uint32_t GetExtraDataFormID(BSExtraData* theEntry) {
  return theEntry != nullptr ? host::GetExtraDataFormID(theEntry) : 0;
}
uint32_t GetExtraDataListCount(BSExtraData* theEntry) {
  return theEntry != nullptr ? host::GetExtraDataListCount(theEntry) : 0;
}

ExtraListLock::ExtraListLock(ExtraDataList* theList, Kind eKind) : theList(theList), eKind(eKind) {
  if (theList == nullptr) return;
  if (eKind == kRead) host::LockExtraListRead(theList);
  if (eKind == kWrite) host::LockExtraListWrite(theList);
}

ExtraListLock::~ExtraListLock() {
  if (theList == nullptr) return;
  if (eKind == kRead) host::UnlockExtraListRead(theList);
  if (eKind == kWrite) host::UnlockExtraListWrite(theList);
}

}  // namespace game

#pragma once
// Placed references: the player and the ship aboard, base form, cell, placement, links, and
// the extra-data list with its locks. A null reference gives the neutral answer without
// asking the game.

#include <array>
#include <cstdint>
#include <string>

#include "game/Types.h"

namespace game {

TESObjectREFR* GetPlayer();
// The ship an actor is aboard; null when none.
TESObjectREFR* GetShipAboard(TESObjectREFR* theActor);
// The player's home ship; null when the player has none.
TESObjectREFR* GetPlayerHomeShip();
TESForm* GetRefBaseForm(TESObjectREFR* theRef);
TESObjectCELL* GetRefParentCell(TESObjectREFR* theRef);
std::array<float, 3> GetRefPosition(TESObjectREFR* theRef);
// Radians.
std::array<float, 3> GetRefRotation(TESObjectREFR* theRef);
// Percent.
uint16_t GetRefScale(TESObjectREFR* theRef);
// The reference linked to `theRef` under `theKeyword`; null for none or a null keyword.
TESObjectREFR* GetLinkedRef(TESObjectREFR* theRef, TESForm* theKeyword);
// Gives the reference a display-name override (the game locks its extra-data list itself);
// a reference without an extra-data list keeps its name. A null reference is refused with
// std::invalid_argument: a write never fails silently.
void SetRefDisplayName(TESObjectREFR* theRef, const std::string& sName);

// Writes. A null reference (or keyword) is refused with std::invalid_argument.
// The scale as a factor of the base's size.
void SetRefScale(TESObjectREFR* theRef, float fScale);
// Links `theRef` to `theTarget` under `theKeyword`, replacing its link under that keyword.
void LinkRef(TESObjectREFR* theRef, TESForm* theKeyword, TESObjectREFR* theTarget);
// Takes the reference out of the world: it leaves its cell's reference list.
void RemoveRef(TESObjectREFR* theRef);

// The game's distance between two references; 0.0 when either is null.
float GetRefDistance(TESObjectREFR* theRef, TESObjectREFR* theOther);
// The worldspace the reference stands in; null in an interior cell.
TESWorldSpace* GetRefWorldspace(TESObjectREFR* theRef);

// Null: the reference has no extra data at all.
ExtraDataList* GetRefExtraList(TESObjectREFR* theRef);
// An entry of a list; look it up while holding the list's lock (ExtraListLock).
BSExtraData* LookupExtraData(ExtraDataList* theList, uint32_t uKind);
// The interned string of an entry of kind 6 or 150.
const BSFixedString* GetExtraDataString(BSExtraData* theEntry);
// The form ID of an entry of kind 180.
uint32_t GetExtraDataFormID(BSExtraData* theEntry);
// The number of entries of the list an entry of kind 128 holds.
uint32_t GetExtraDataListCount(BSExtraData* theEntry);

// Holds a list's read or write lock for the scope's duration; nothing for a null list.
class ExtraListLock {
 public:
  enum Kind { kRead, kWrite };
  ExtraListLock(ExtraDataList* theList, Kind eKind);
  ~ExtraListLock();
  ExtraListLock(const ExtraListLock&) = delete;
  ExtraListLock& operator=(const ExtraListLock&) = delete;

 private:
  ExtraDataList* theList;
  Kind eKind;
};

}  // namespace game

#pragma once
// Game memory that the plugin reads or writes itself. Everything else of the game is an
// opaque pointer whose properties are read through the operation table (Host.h). The
// simulated game builds its objects from these same declarations, so both sides agree on
// every byte; each layout is pinned by static_asserts.

#include <cstddef>
#include <cstdint>

namespace game {

// Opaque game objects.
struct TESForm;
struct TESObjectREFR;  // a TESForm placed in a cell; the same address is its TESForm
struct TESObjectCELL;  // a TESForm too
struct TESFile;
struct TESDataHandler;
struct ConsoleLog;
struct ExtraDataList;
struct BSExtraData;
struct StringPoolEntry;
struct TESWorldSpace;
struct NewRefRequest;  // the game's request record for a new reference
struct CellIDList;     // the form IDs of the cells the game relates to a reference
struct CellManager;

inline TESForm* AsForm(TESObjectREFR* theRef) { return reinterpret_cast<TESForm*>(theRef); }
inline TESForm* AsForm(TESObjectCELL* theCell) { return reinterpret_cast<TESForm*>(theCell); }

// The game's interned string handle: null or a pool entry, whose text the game reads
// (Host::GetStringText).
struct BSFixedString {
  StringPoolEntry* theEntry;
};
static_assert(sizeof(BSFixedString) == 8);
static_assert(offsetof(BSFixedString, theEntry) == 0x00);

// The game's dynamic array: count, capacity, and storage from the game heap.
template <typename T>
struct GameArray {
  uint32_t uCount;
  uint32_t uCapacity;
  T* theData;
};
static_assert(sizeof(GameArray<int>) == 16);
static_assert(offsetof(GameArray<int>, uCount) == 0x00);
static_assert(offsetof(GameArray<int>, uCapacity) == 0x04);
static_assert(offsetof(GameArray<int>, theData) == 0x08);

}  // namespace game

#pragma once
// One table per element type of the ship's components: each field's key in a ship file, its
// offset in the game's element (game/Components.h) and how its value is encoded, in the order
// the file carries them. The export writes elements through these tables, the layout import
// reads them through them, and the simulated game's world files name element fields by the
// same keys. Plain data over game/ declarations only, so the simulated game may use it.

#include <cstddef>
#include <span>

#include "game/Components.h"

namespace zorvane {

enum class FieldKind {
  kFloat,      // "%f" of the float
  kUInt8,      // unsigned decimal
  kUInt32,     // unsigned decimal
  kInt32,      // signed decimal
  kUInt64,     // unsigned decimal
  kByteBlock,  // 80 bytes, each in upper-case hexadecimal without a leading zero
  kAddress,    // a pointer to an object of the game's, its address in hexadecimal ("?" for none)
  kForm,       // a form reference; a form without plugin file stops the export
  kString,     // an interned string's text
  // A property entry's form: one without plugin file is written as a form of Starfield.esm.
  kPropertyForm,
  kOptionalPropertyForm,  // the same, and no line at all when there is no form
};

// The bytes a field of the kind takes in its element.
constexpr std::size_t GetFieldSize(FieldKind eKind) {
  switch (eKind) {
    case FieldKind::kUInt8: return 1;
    case FieldKind::kFloat:
    case FieldKind::kUInt32:
    case FieldKind::kInt32: return 4;
    case FieldKind::kByteBlock: return sizeof(game::BlueprintModule::unk48_98);
    default: return 8;  // 64-bit numbers, pointers, interned string handles
  }
}

struct ElementField {
  const char* sKey;
  std::size_t uOffset;
  FieldKind eKind;
  // For a kForm field: the error the export logs before it stops when the form is not set.
  const char* sMissingFormError = nullptr;
};

#define ZV_FIELD(Type, member, kind, ...) \
  ElementField { #member, offsetof(game::Type, member), FieldKind::kind __VA_OPT__(, ) __VA_ARGS__ }

// A stored traversal entry, "...traversals1[n]." and "...traversals2[n].traversals[m].".
inline constexpr ElementField kTraversalFields[] = {
    ZV_FIELD(TraversalEntry, unk00, kFloat),
    ZV_FIELD(TraversalEntry, unk04, kFloat),
    ZV_FIELD(TraversalEntry, unk08, kFloat),
    ZV_FIELD(TraversalEntry, unk0C, kUInt32),
    ZV_FIELD(TraversalEntry, traversal, kForm, "traversal is nullptr"),
    ZV_FIELD(TraversalEntry, fFromX, kFloat),
    ZV_FIELD(TraversalEntry, fFromY, kFloat),
    ZV_FIELD(TraversalEntry, fFromZ, kFloat),
    ZV_FIELD(TraversalEntry, fToX, kFloat),
    ZV_FIELD(TraversalEntry, fToY, kFloat),
    ZV_FIELD(TraversalEntry, fToZ, kFloat),
    ZV_FIELD(TraversalEntry, fUnknown30, kFloat),
    ZV_FIELD(TraversalEntry, fUnknown34, kFloat),
    ZV_FIELD(TraversalEntry, uUnknown38, kUInt32),
    ZV_FIELD(TraversalEntry, uUnknown3C, kUInt32),
    ZV_FIELD(TraversalEntry, unk40, kUInt32),
};

// A traversal group's own fields, after the lines of its entry list ("traversals"). Its
// unk10 is not carried.
inline constexpr const char* kGroupEntriesKey = "traversals";
inline constexpr ElementField kTraversalGroupFields[] = {
    ZV_FIELD(TraversalGroup, unk14, kFloat), ZV_FIELD(TraversalGroup, unk18, kFloat),
    ZV_FIELD(TraversalGroup, unk1C, kFloat), ZV_FIELD(TraversalGroup, unk20, kFloat),
    ZV_FIELD(TraversalGroup, unk24, kFloat),
};

// A blueprint module placement, "Blueprint.data[n].".
inline constexpr ElementField kModuleFields[] = {
    ZV_FIELD(BlueprintModule, fPosX, kFloat),
    ZV_FIELD(BlueprintModule, fPosY, kFloat),
    ZV_FIELD(BlueprintModule, fPosZ, kFloat),
    ZV_FIELD(BlueprintModule, fRotX, kFloat),
    ZV_FIELD(BlueprintModule, fRotY, kFloat),
    ZV_FIELD(BlueprintModule, fRotZ, kFloat),
    ZV_FIELD(BlueprintModule, partID, kUInt32),
    ZV_FIELD(BlueprintModule, unk1C, kFloat),
    ZV_FIELD(BlueprintModule, unk20, kFloat),
    ZV_FIELD(BlueprintModule, unk24, kFloat),
    ZV_FIELD(BlueprintModule, unk28, kFloat),
    ZV_FIELD(BlueprintModule, unk2C, kFloat),
    ZV_FIELD(BlueprintModule, unk30, kFloat),
    ZV_FIELD(BlueprintModule, unk34, kFloat),
    ZV_FIELD(BlueprintModule, unk38, kUInt8),
    ZV_FIELD(BlueprintModule, unk39, kUInt8),
    ZV_FIELD(BlueprintModule, unk3A, kUInt8),
    ZV_FIELD(BlueprintModule, unk3B, kUInt8),
    ZV_FIELD(BlueprintModule, unk3C, kUInt8),
    ZV_FIELD(BlueprintModule, unk40, kUInt32),
    ZV_FIELD(BlueprintModule, unk44, kUInt32),
    ZV_FIELD(BlueprintModule, unk48_98, kByteBlock),
    ZV_FIELD(BlueprintModule, item, kForm, "data.item is nullptr"),
    ZV_FIELD(BlueprintModule, unkA0, kUInt32),
    ZV_FIELD(BlueprintModule, unkA4, kUInt32),
};

// A property sheet entry, "BGSPropertySheet[n].".
inline constexpr ElementField kPropertyFields[] = {
    ZV_FIELD(PropertyEntry, first, kPropertyForm),
    ZV_FIELD(PropertyEntry, second, kOptionalPropertyForm),
    ZV_FIELD(PropertyEntry, third, kFloat),
};

// A container entry, "TESContainer[n].".
inline constexpr ElementField kContainerFields[] = {
    ZV_FIELD(ContainerEntry, count, kInt32),
    ZV_FIELD(ContainerEntry, itemExtra, kAddress),
    ZV_FIELD(ContainerEntry, obj, kForm, "object.obj is nullptr"),
};

#undef ZV_FIELD

inline constexpr std::size_t kByteBlockSize = sizeof(game::BlueprintModule::unk48_98);

}  // namespace zorvane

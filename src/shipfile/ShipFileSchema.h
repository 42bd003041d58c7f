#pragma once
// The ship file's key schema: one table per kind of line gives everything about its keys, in
// the order the file carries them. For the fields of an element of the ship's components: the
// key, the offset in the game's element (game/Components.h), how the value is written and how
// it is read back, whether the line starts a new entry, what a form must be. For a decoration
// item's lines: the key, the value's kind, which line starts an item and which an item needs.
// The export writes through these tables, both imports read through them, the checker knows
// the keys from them, and the simulated game's world files name element fields by the same
// keys. Plain data over game/ declarations only, so the simulated game may use it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "game/Codes.h"
#include "game/Components.h"
#include "shipfile/ShipFile.h"

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

// How a reader takes a value back from its line.
enum class ReadBack {
  kAsWritten,  // as its kind writes it
  // An integer field read as a float and truncated toward zero as the x86 conversion does
  // (a whole number is taken exactly: a float would lose the digits of 4294967295).
  kFloatTruncated,
  kCheckedOnly,  // a text that must not be empty, not decoded (the module byte block)
  kNotRead,      // passed over by every reader (an address of another game process)
};

// What the form a line names must be, with the failed checks' messages (each followed by the
// line): a null form, a form of another type code, a form that is no bound object.
struct FormCheck {
  const char* sNullMessage;
  std::optional<uint8_t> uType = std::nullopt;
  const char* sTypeMessage = nullptr;
  bool bBound = false;
};

// The forms of the components' single lines and of the form lists.
inline constexpr FormCheck kAddToInventoryCheck = {"form is nullptr | sLine: ", std::nullopt, nullptr, true};
inline constexpr FormCheck kKeywordCheck = {"keywordform is nullptr | sLine: ", game::kFormTypeKeyword,
                                            "keywordform is not BGSKeyword | sLine: "};
inline constexpr FormCheck kActorCheck = {"actorform is nullptr | sLine: ", game::kFormTypeNPC,
                                          "actorform is not TESNPC | sLine: "};
inline constexpr FormCheck kVoiceCheck = {"voicetypeform is nullptr | sLine: ", game::kFormTypeVoiceType,
                                          "voicetypeform is not BGSVoiceType | sLine: "};
// The forms of the elements' fields.
inline constexpr FormCheck kTraversalCheck = {"traversalform is nullptr | sLine: ", game::kFormTypeTraversal,
                                              "traversalform is not BGSTraversal | sLine: "};
inline constexpr FormCheck kModuleCheck = {"form is nullptr | sLine: ", game::kFormTypeGenericBaseForm,
                                           "form is not BGSGenericBaseForm | sLine: "};
inline constexpr FormCheck kContainerObjectCheck = {"form is false | sLine: ", std::nullopt, nullptr, true};
inline constexpr FormCheck kPropertyFirstCheck = {"first is nullptr | sLine: "};

struct ElementField {
  const char* sKey;
  std::size_t uOffset;
  FieldKind eKind;
  // For a kForm field: the error the export logs before it stops when the form is not set.
  const char* sMissingFormError = nullptr;
  ReadBack eReadBack = ReadBack::kAsWritten;
  bool bCreates = false;                // its line starts the next entry of the list
  const FormCheck* theCheck = nullptr;  // for a form field
  // In an entry of a group of the second traversal list, the text its line is found by
  // instead of "]." and the key: the creating line and the form's line are found so.
  const char* sGroupEntryKey = nullptr;
};

#define ZV_FIELD(Type, member, kind, ...)                                                                         \
  ElementField {                                                                                                  \
    .sKey = #member, .uOffset = offsetof(game::Type, member), .eKind = FieldKind::kind __VA_OPT__(, ) __VA_ARGS__ \
  }

// A stored traversal entry, "...traversals1[n]." and "...traversals2[n].traversals[m].".
inline constexpr ElementField kTraversalFields[] = {
    ZV_FIELD(TraversalEntry, unk00, kFloat, .bCreates = true, .sGroupEntryKey = ".unk00"),
    ZV_FIELD(TraversalEntry, unk04, kFloat),
    ZV_FIELD(TraversalEntry, unk08, kFloat),
    ZV_FIELD(TraversalEntry, unk0C, kUInt32),
    ZV_FIELD(TraversalEntry, traversal, kForm, .sMissingFormError = "traversal is nullptr",
             .theCheck = &kTraversalCheck, .sGroupEntryKey = "].traversal |"),
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
    ZV_FIELD(BlueprintModule, fPosX, kFloat, .bCreates = true),
    ZV_FIELD(BlueprintModule, fPosY, kFloat),
    ZV_FIELD(BlueprintModule, fPosZ, kFloat),
    ZV_FIELD(BlueprintModule, fRotX, kFloat),
    ZV_FIELD(BlueprintModule, fRotY, kFloat),
    ZV_FIELD(BlueprintModule, fRotZ, kFloat),
    ZV_FIELD(BlueprintModule, partID, kUInt32, .eReadBack = ReadBack::kFloatTruncated),
    ZV_FIELD(BlueprintModule, unk1C, kFloat),
    ZV_FIELD(BlueprintModule, unk20, kFloat),
    ZV_FIELD(BlueprintModule, unk24, kFloat),
    ZV_FIELD(BlueprintModule, unk28, kFloat),
    ZV_FIELD(BlueprintModule, unk2C, kFloat),
    ZV_FIELD(BlueprintModule, unk30, kFloat),
    ZV_FIELD(BlueprintModule, unk34, kFloat),
    ZV_FIELD(BlueprintModule, unk38, kUInt8, .eReadBack = ReadBack::kFloatTruncated),
    ZV_FIELD(BlueprintModule, unk39, kUInt8, .eReadBack = ReadBack::kFloatTruncated),
    ZV_FIELD(BlueprintModule, unk3A, kUInt8, .eReadBack = ReadBack::kFloatTruncated),
    ZV_FIELD(BlueprintModule, unk3B, kUInt8, .eReadBack = ReadBack::kFloatTruncated),
    ZV_FIELD(BlueprintModule, unk3C, kUInt8, .eReadBack = ReadBack::kFloatTruncated),
    ZV_FIELD(BlueprintModule, unk40, kUInt32, .eReadBack = ReadBack::kFloatTruncated),
    ZV_FIELD(BlueprintModule, unk44, kUInt32, .eReadBack = ReadBack::kFloatTruncated),
    ZV_FIELD(BlueprintModule, unk48_98, kByteBlock, .eReadBack = ReadBack::kCheckedOnly),
    ZV_FIELD(BlueprintModule, item, kForm, .sMissingFormError = "data.item is nullptr", .theCheck = &kModuleCheck),
    ZV_FIELD(BlueprintModule, unkA0, kUInt32),
    ZV_FIELD(BlueprintModule, unkA4, kUInt32),
};

// A property sheet entry, "BGSPropertySheet[n].".
inline constexpr ElementField kPropertyFields[] = {
    ZV_FIELD(PropertyEntry, first, kPropertyForm, .bCreates = true, .theCheck = &kPropertyFirstCheck),
    ZV_FIELD(PropertyEntry, second, kOptionalPropertyForm),
    ZV_FIELD(PropertyEntry, third, kFloat),
};

// A container entry, "TESContainer[n].".
inline constexpr ElementField kContainerFields[] = {
    ZV_FIELD(ContainerEntry, count, kInt32, .bCreates = true),
    ZV_FIELD(ContainerEntry, itemExtra, kAddress, .eReadBack = ReadBack::kNotRead),
    ZV_FIELD(ContainerEntry, obj, kForm, .sMissingFormError = "object.obj is nullptr",
             .theCheck = &kContainerObjectCheck),
};

#undef ZV_FIELD

// The lists of the components whose entries are elements, each with its fields. A group of
// the second traversal list holds a list of its own, kGroupEntriesKey, of traversal entries.
struct ElementList {
  const char* sKey;
  std::span<const ElementField> theFields;
};
inline constexpr ElementList kElementLists[] = {{keys::kPropertySheet, kPropertyFields},
                                                {keys::kTraversals1, kTraversalFields},
                                                {keys::kTraversals2, kTraversalGroupFields},
                                                {keys::kBlueprintData, kModuleFields},
                                                {keys::kContainer, kContainerFields}};

inline constexpr std::size_t kByteBlockSize = sizeof(game::BlueprintModule::unk48_98);

// A decoration item's lines, "DecorItem[n].<key>", in the order the export writes them.
struct DecorField {
  const char* sKey;
  FieldKind eKind;         // kForm, kFloat, or kString for a text
  bool bCreates = false;   // its line starts the next item
  bool bRequired = false;  // an item without the line is refused
  bool bFlag = false;      // no bar and no value: the line's presence is the value
};
inline constexpr DecorField kDecorFields[] = {
    {"base", FieldKind::kForm, true, true},
    {"fPosX", FieldKind::kFloat, false, true},
    {"fPosY", FieldKind::kFloat, false, true},
    {"fPosZ", FieldKind::kFloat, false, true},
    {"fRotX", FieldKind::kFloat},
    {"fRotY", FieldKind::kFloat},
    {"fRotZ", FieldKind::kFloat},
    {"fScale", FieldKind::kFloat},
    {"overrideName", FieldKind::kString},
    {"bWorkshopItem", FieldKind::kString, false, false, true},
};

}  // namespace zorvane

#pragma once
// The components of a ship's base form (BGSGenericBaseForm) and their elements, as the plugin
// reads and writes them. Each component struct names the game type it is found under
// (kTypeName, for Host::GetComponentByTypeName), so a component can only be fetched as the
// struct of its own type (GetComponent<T>, Forms.h). Every size and offset is pinned below.

#include <cstddef>

#include "game/Types.h"

namespace game {

struct AddToInventoryOnDestroyComponent {
  static constexpr const char* kTypeName = "BGSAddToInventoryOnDestroy_Component";
  TESForm* theForm;  // 00 null: not set
};

struct AnimationGraphComponent {
  static constexpr const char* kTypeName = "BGSAnimationGraph_Component";
  BSFixedString rootAnimGraph;  // 00
  BSFixedString rigFile;        // 08
  BSFixedString animPath;       // 10
  BSFixedString responseFile;   // 18
};

struct KeywordFormComponent {
  static constexpr const char* kTypeName = "BGSKeywordForm_Component";
  uint8_t unk00[0x20];              // 00 the game's own, never read or written
  GameArray<TESForm*> theKeywords;  // 20 slots; an empty slot is null
};

struct AttachParentArrayComponent {
  static constexpr const char* kTypeName = "BGSAttachParentArray_Component";
  GameArray<TESForm*> theParents;  // 00 keywords; the list ends at the first entry that is not one
};

struct PropertyEntry {
  TESForm* first;   // 00
  TESForm* second;  // 08 null: none
  float third;      // 10
};

struct PropertySheetComponent {
  static constexpr const char* kTypeName = "BGSPropertySheet_Component";
  GameArray<PropertyEntry>* theProperties;  // 00 null: no property list
};

struct SpaceshipAIActorComponent {
  static constexpr const char* kTypeName = "BGSSpaceshipAIActor_Component";
  TESForm* theActor;  // 00
};

struct LinkedVoiceTypeComponent {
  static constexpr const char* kTypeName = "BGSLinkedVoiceType_Component";
  TESForm* theVoice;  // 00 null: not set
};

struct SpaceshipWeaponBindingsComponent {
  static constexpr const char* kTypeName = "BGSSpaceshipWeaponBindings_Component";
  uint32_t weaponSlot1;  // 00
  uint32_t weaponSlot2;  // 04
  uint32_t weaponSlot3;  // 08
};

struct SpaceshipHullCodeComponent {
  static constexpr const char* kTypeName = "BGSSpaceshipHullCode_Component";
  BSFixedString hullCode;  // 00
};

struct TraversalEntry {
  float unk00;          // 00
  float unk04;          // 04
  float unk08;          // 08
  uint32_t unk0C;       // 0C
  TESForm* traversal;   // 10 a BGSTraversal
  float fFromX;         // 18
  float fFromY;         // 1C
  float fFromZ;         // 20
  float fToX;           // 24
  float fToY;           // 28
  float fToZ;           // 2C
  float fUnknown30;     // 30
  float fUnknown34;     // 34
  uint32_t uUnknown38;  // 38
  uint32_t uUnknown3C;  // 3C
  uint32_t unk40;       // 40
};

struct TraversalGroup {
  GameArray<TraversalEntry> traversals;  // 00
  uint32_t unk10;                        // 10 not carried by ship files; 0 in a group the plugin makes
  float unk14;                           // 14
  float unk18;                           // 18
  float unk1C;                           // 1C
  float unk20;                           // 20
  float unk24;                           // 24
};

struct StoredTraversalsComponent {
  static constexpr const char* kTypeName = "BGSStoredTraversals_Component";
  GameArray<TraversalEntry> traversals1;  // 00
  GameArray<TraversalGroup> traversals2;  // 10
};

struct BlueprintModule {
  float fPosX;           // 00
  float fPosY;           // 04
  float fPosZ;           // 08
  float fRotX;           // 0C
  float fRotY;           // 10
  float fRotZ;           // 14
  uint32_t partID;       // 18
  float unk1C;           // 1C
  float unk20;           // 20
  float unk24;           // 24
  float unk28;           // 28
  float unk2C;           // 2C
  float unk30;           // 30
  float unk34;           // 34
  uint8_t unk38;         // 38
  uint8_t unk39;         // 39
  uint8_t unk3A;         // 3A
  uint8_t unk3B;         // 3B
  uint8_t unk3C;         // 3C
  uint32_t unk40;        // 40
  uint32_t unk44;        // 44
  uint8_t unk48_98[80];  // 48
  TESForm* item;         // 98 the module's form, a BGSGenericBaseForm
  uint32_t unkA0;        // A0
  uint32_t unkA4;        // A4
};

struct BlueprintComponent {
  static constexpr const char* kTypeName = "Blueprint_Component";
  uint64_t unk08;                   // 00
  BSFixedString unk10;              // 08
  GameArray<BlueprintModule> data;  // 10 the module placements
  uint64_t unk28;                   // 20
  uint64_t unk30;                   // 28
  uint32_t unk34;                   // 30
  uint32_t unk3C;                   // 34
};

struct ContainerItemExtra;  // opaque: only its address is written

struct ContainerEntry {
  int32_t count;                  // 00
  TESForm* obj;                   // 08
  ContainerItemExtra* itemExtra;  // 10 null: none
};

struct ContainerComponent {
  static constexpr const char* kTypeName = "TESContainer_Component";
  GameArray<ContainerEntry*> theEntries;  // 00
};

struct FullNameComponent {
  static constexpr const char* kTypeName = "TESFullName_Component";
  BSFixedString fullName;  // 00
};

struct ModelComponent {
  static constexpr const char* kTypeName = "TESModel_Component";
  BSFixedString model;  // 00
};

// The layouts, pinned: a wrong size or offset fails here, not in a player's save.
#define ZV_AT(Type, field, uOffset) static_assert(offsetof(Type, field) == (uOffset), #Type "::" #field)
static_assert(sizeof(AddToInventoryOnDestroyComponent) == 0x08);
ZV_AT(AddToInventoryOnDestroyComponent, theForm, 0x00);
static_assert(sizeof(AnimationGraphComponent) == 0x20);
ZV_AT(AnimationGraphComponent, rootAnimGraph, 0x00);
ZV_AT(AnimationGraphComponent, rigFile, 0x08);
ZV_AT(AnimationGraphComponent, animPath, 0x10);
ZV_AT(AnimationGraphComponent, responseFile, 0x18);
static_assert(sizeof(KeywordFormComponent) == 0x30);
ZV_AT(KeywordFormComponent, theKeywords, 0x20);
static_assert(sizeof(AttachParentArrayComponent) == 0x10);
ZV_AT(AttachParentArrayComponent, theParents, 0x00);
static_assert(sizeof(PropertyEntry) == 0x18);
ZV_AT(PropertyEntry, first, 0x00);
ZV_AT(PropertyEntry, second, 0x08);
ZV_AT(PropertyEntry, third, 0x10);
static_assert(sizeof(PropertySheetComponent) == 0x08);
ZV_AT(PropertySheetComponent, theProperties, 0x00);
static_assert(sizeof(SpaceshipAIActorComponent) == 0x08);
ZV_AT(SpaceshipAIActorComponent, theActor, 0x00);
static_assert(sizeof(LinkedVoiceTypeComponent) == 0x08);
ZV_AT(LinkedVoiceTypeComponent, theVoice, 0x00);
static_assert(sizeof(SpaceshipWeaponBindingsComponent) == 0x0C);
ZV_AT(SpaceshipWeaponBindingsComponent, weaponSlot1, 0x00);
ZV_AT(SpaceshipWeaponBindingsComponent, weaponSlot2, 0x04);
ZV_AT(SpaceshipWeaponBindingsComponent, weaponSlot3, 0x08);
static_assert(sizeof(SpaceshipHullCodeComponent) == 0x08);
ZV_AT(SpaceshipHullCodeComponent, hullCode, 0x00);
static_assert(sizeof(TraversalEntry) == 0x48);
ZV_AT(TraversalEntry, unk00, 0x00);
ZV_AT(TraversalEntry, unk04, 0x04);
ZV_AT(TraversalEntry, unk08, 0x08);
ZV_AT(TraversalEntry, unk0C, 0x0C);
ZV_AT(TraversalEntry, traversal, 0x10);
ZV_AT(TraversalEntry, fFromX, 0x18);
ZV_AT(TraversalEntry, fFromY, 0x1C);
ZV_AT(TraversalEntry, fFromZ, 0x20);
ZV_AT(TraversalEntry, fToX, 0x24);
ZV_AT(TraversalEntry, fToY, 0x28);
ZV_AT(TraversalEntry, fToZ, 0x2C);
ZV_AT(TraversalEntry, fUnknown30, 0x30);
ZV_AT(TraversalEntry, fUnknown34, 0x34);
ZV_AT(TraversalEntry, uUnknown38, 0x38);
ZV_AT(TraversalEntry, uUnknown3C, 0x3C);
ZV_AT(TraversalEntry, unk40, 0x40);
static_assert(sizeof(TraversalGroup) == 0x28);
ZV_AT(TraversalGroup, traversals, 0x00);
ZV_AT(TraversalGroup, unk10, 0x10);
ZV_AT(TraversalGroup, unk14, 0x14);
ZV_AT(TraversalGroup, unk18, 0x18);
ZV_AT(TraversalGroup, unk1C, 0x1C);
ZV_AT(TraversalGroup, unk20, 0x20);
ZV_AT(TraversalGroup, unk24, 0x24);
static_assert(sizeof(StoredTraversalsComponent) == 0x20);
ZV_AT(StoredTraversalsComponent, traversals1, 0x00);
ZV_AT(StoredTraversalsComponent, traversals2, 0x10);
static_assert(sizeof(BlueprintModule) == 0xA8);
ZV_AT(BlueprintModule, fPosX, 0x00);
ZV_AT(BlueprintModule, fPosY, 0x04);
ZV_AT(BlueprintModule, fPosZ, 0x08);
ZV_AT(BlueprintModule, fRotX, 0x0C);
ZV_AT(BlueprintModule, fRotY, 0x10);
ZV_AT(BlueprintModule, fRotZ, 0x14);
ZV_AT(BlueprintModule, partID, 0x18);
ZV_AT(BlueprintModule, unk1C, 0x1C);
ZV_AT(BlueprintModule, unk20, 0x20);
ZV_AT(BlueprintModule, unk24, 0x24);
ZV_AT(BlueprintModule, unk28, 0x28);
ZV_AT(BlueprintModule, unk2C, 0x2C);
ZV_AT(BlueprintModule, unk30, 0x30);
ZV_AT(BlueprintModule, unk34, 0x34);
ZV_AT(BlueprintModule, unk38, 0x38);
ZV_AT(BlueprintModule, unk39, 0x39);
ZV_AT(BlueprintModule, unk3A, 0x3A);
ZV_AT(BlueprintModule, unk3B, 0x3B);
ZV_AT(BlueprintModule, unk3C, 0x3C);
ZV_AT(BlueprintModule, unk40, 0x40);
ZV_AT(BlueprintModule, unk44, 0x44);
ZV_AT(BlueprintModule, unk48_98, 0x48);
ZV_AT(BlueprintModule, item, 0x98);
ZV_AT(BlueprintModule, unkA0, 0xA0);
ZV_AT(BlueprintModule, unkA4, 0xA4);
static_assert(sizeof(BlueprintComponent) == 0x38);
ZV_AT(BlueprintComponent, unk08, 0x00);
ZV_AT(BlueprintComponent, unk10, 0x08);
ZV_AT(BlueprintComponent, data, 0x10);
ZV_AT(BlueprintComponent, unk28, 0x20);
ZV_AT(BlueprintComponent, unk30, 0x28);
ZV_AT(BlueprintComponent, unk34, 0x30);
ZV_AT(BlueprintComponent, unk3C, 0x34);
static_assert(sizeof(ContainerEntry) == 0x18);
ZV_AT(ContainerEntry, count, 0x00);
ZV_AT(ContainerEntry, obj, 0x08);
ZV_AT(ContainerEntry, itemExtra, 0x10);
static_assert(sizeof(ContainerComponent) == 0x10);
ZV_AT(ContainerComponent, theEntries, 0x00);
static_assert(sizeof(FullNameComponent) == 0x08);
ZV_AT(FullNameComponent, fullName, 0x00);
static_assert(sizeof(ModelComponent) == 0x08);
ZV_AT(ModelComponent, model, 0x00);
#undef ZV_AT

}  // namespace game

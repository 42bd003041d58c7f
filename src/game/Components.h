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
  TESForm* theForm;  // null: not set
};

struct AnimationGraphComponent {
  static constexpr const char* kTypeName = "BGSAnimationGraph_Component";
  BSFixedString rootAnimGraph;
  BSFixedString rigFile;
  BSFixedString animPath;
  BSFixedString responseFile;
};

struct KeywordFormComponent {
  static constexpr const char* kTypeName = "BGSKeywordForm_Component";
  uint8_t unk00[0x20];              // the game's own, never read or written
  GameArray<TESForm*> theKeywords;  // slots; an empty slot is null
};

struct AttachParentArrayComponent {
  static constexpr const char* kTypeName = "BGSAttachParentArray_Component";
  GameArray<TESForm*> theParents;  // keywords; the list ends at the first entry that is not one
};

struct PropertyEntry {
  TESForm* first;
  TESForm* second;  // null: none
  float third;
};

struct PropertySheetComponent {
  static constexpr const char* kTypeName = "BGSPropertySheet_Component";
  GameArray<PropertyEntry>* theProperties;  // null: no property list
};

struct SpaceshipAIActorComponent {
  static constexpr const char* kTypeName = "BGSSpaceshipAIActor_Component";
  TESForm* theActor;
};

struct LinkedVoiceTypeComponent {
  static constexpr const char* kTypeName = "BGSLinkedVoiceType_Component";
  TESForm* theVoice;  // null: not set
};

struct SpaceshipWeaponBindingsComponent {
  static constexpr const char* kTypeName = "BGSSpaceshipWeaponBindings_Component";
  uint32_t weaponSlot1;
  uint32_t weaponSlot2;
  uint32_t weaponSlot3;
};

struct SpaceshipHullCodeComponent {
  static constexpr const char* kTypeName = "BGSSpaceshipHullCode_Component";
  BSFixedString hullCode;
};

struct TraversalEntry {
  float unk00;
  float unk04;
  float unk08;
  uint32_t unk0C;
  TESForm* traversal;  // a BGSTraversal
  float fFromX;
  float fFromY;
  float fFromZ;
  float fToX;
  float fToY;
  float fToZ;
  float fUnknown30;
  float fUnknown34;
  uint32_t uUnknown38;
  uint32_t uUnknown3C;
  uint32_t unk40;
};

struct TraversalGroup {
  GameArray<TraversalEntry> traversals;
  uint32_t unk10;  // not carried by ship files; 0 in a group the plugin makes
  float unk14;
  float unk18;
  float unk1C;
  float unk20;
  float unk24;
};

struct StoredTraversalsComponent {
  static constexpr const char* kTypeName = "BGSStoredTraversals_Component";
  GameArray<TraversalEntry> traversals1;
  GameArray<TraversalGroup> traversals2;
};

struct BlueprintModule {
  float fPosX;
  float fPosY;
  float fPosZ;
  float fRotX;
  float fRotY;
  float fRotZ;
  uint32_t partID;
  float unk1C;
  float unk20;
  float unk24;
  float unk28;
  float unk2C;
  float unk30;
  float unk34;
  uint8_t unk38;
  uint8_t unk39;
  uint8_t unk3A;
  uint8_t unk3B;
  uint8_t unk3C;
  uint32_t unk40;
  uint32_t unk44;
  uint8_t unk48_98[80];
  TESForm* item;  // the module's form, a BGSGenericBaseForm
  uint32_t unkA0;
  uint32_t unkA4;
};

struct BlueprintComponent {
  static constexpr const char* kTypeName = "Blueprint_Component";
  uint64_t unk08;
  BSFixedString unk10;
  GameArray<BlueprintModule> data;  // the module placements
  uint64_t unk28;
  uint64_t unk30;
  uint32_t unk34;
  uint32_t unk3C;
};

struct ContainerItemExtra;  // opaque: only its address is written

struct ContainerEntry {
  int32_t count;
  TESForm* obj;
  ContainerItemExtra* itemExtra;  // null: none
};

struct ContainerComponent {
  static constexpr const char* kTypeName = "TESContainer_Component";
  GameArray<ContainerEntry*> theEntries;
};

struct FullNameComponent {
  static constexpr const char* kTypeName = "TESFullName_Component";
  BSFixedString fullName;
};

struct ModelComponent {
  static constexpr const char* kTypeName = "TESModel_Component";
  BSFixedString model;
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
ZV_AT(KeywordFormComponent, unk00, 0x00);
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

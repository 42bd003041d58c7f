#pragma once
// The components of a ship's base form (BGSGenericBaseForm), as the plugin reads and writes
// them. A component is found by its type name (Host::GetComponentByTypeName).

#include "game/Types.h"

namespace game {

inline constexpr const char* kAddToInventoryOnDestroyComponent = "BGSAddToInventoryOnDestroy_Component";
inline constexpr const char* kAnimationGraphComponent = "BGSAnimationGraph_Component";
inline constexpr const char* kKeywordFormComponent = "BGSKeywordForm_Component";
inline constexpr const char* kAttachParentArrayComponent = "BGSAttachParentArray_Component";
inline constexpr const char* kPropertySheetComponent = "BGSPropertySheet_Component";
inline constexpr const char* kSpaceshipAIActorComponent = "BGSSpaceshipAIActor_Component";
inline constexpr const char* kLinkedVoiceTypeComponent = "BGSLinkedVoiceType_Component";
inline constexpr const char* kSpaceshipWeaponBindingsComponent = "BGSSpaceshipWeaponBindings_Component";
inline constexpr const char* kSpaceshipHullCodeComponent = "BGSSpaceshipHullCode_Component";
inline constexpr const char* kStoredTraversalsComponent = "BGSStoredTraversals_Component";
inline constexpr const char* kBlueprintComponent = "Blueprint_Component";
inline constexpr const char* kContainerComponent = "TESContainer_Component";
inline constexpr const char* kFullNameComponent = "TESFullName_Component";
inline constexpr const char* kModelComponent = "TESModel_Component";

struct AddToInventoryOnDestroyComponent {
  TESForm* theForm;  // 00 null: not set
};

struct AnimationGraphComponent {
  BSFixedString rootAnimGraph;  // 00
  BSFixedString rigFile;        // 08
  BSFixedString animPath;       // 10
  BSFixedString responseFile;   // 18
};
static_assert(sizeof(AnimationGraphComponent) == 0x20);

struct KeywordFormComponent {
  TESForm** theKeywords;  // 00 slots; an empty slot is null
  uint32_t uCount;        // 08
};
static_assert(sizeof(KeywordFormComponent) == 0x10);

struct AttachParentArrayComponent {
  GameArray<TESForm*> theParents;  // 00 keywords; the list ends at the first entry that is not one
};

struct PropertyEntry {
  TESForm* first;   // 00
  TESForm* second;  // 08 null: none
  float third;      // 10
};
static_assert(sizeof(PropertyEntry) == 0x18);

struct PropertySheetComponent {
  GameArray<PropertyEntry>* theProperties;  // 00 null: no property list
};

struct SpaceshipAIActorComponent {
  TESForm* theActor;  // 00
};

struct LinkedVoiceTypeComponent {
  TESForm* theVoice;  // 00 null: not set
};

struct SpaceshipWeaponBindingsComponent {
  uint32_t weaponSlot1;  // 00
  uint32_t weaponSlot2;  // 04
  uint32_t weaponSlot3;  // 08
};

struct SpaceshipHullCodeComponent {
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
static_assert(offsetof(TraversalEntry, unk40) == 0x40);
static_assert(sizeof(TraversalEntry) == 0x48);

struct TraversalGroup {
  GameArray<TraversalEntry> traversals;  // 00
  float unk14;                           // 10 (named after the game's own field labels, not offsets)
  float unk18;                           // 14
  float unk1C;                           // 18
  float unk20;                           // 1C
  float unk24;                           // 20
};
static_assert(sizeof(TraversalGroup) == 0x28);

struct StoredTraversalsComponent {
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
static_assert(offsetof(BlueprintModule, unk40) == 0x40);
static_assert(offsetof(BlueprintModule, item) == 0x98);
static_assert(sizeof(BlueprintModule) == 0xA8);

struct BlueprintComponent {
  uint64_t unk08;                   // 00
  BSFixedString unk10;              // 08
  GameArray<BlueprintModule> data;  // 10 the module placements
  uint64_t unk28;                   // 20
  uint64_t unk30;                   // 28
  uint32_t unk34;                   // 30
  uint32_t unk3C;                   // 34
};
static_assert(sizeof(BlueprintComponent) == 0x38);

struct ContainerItemExtra;  // opaque: only its address is written

struct ContainerEntry {
  int32_t count;                  // 00
  TESForm* obj;                   // 08
  ContainerItemExtra* itemExtra;  // 10 null: none
};
static_assert(sizeof(ContainerEntry) == 0x18);

struct ContainerComponent {
  GameArray<ContainerEntry*> theEntries;  // 00
};

struct FullNameComponent {
  BSFixedString fullName;  // 00
};

struct ModelComponent {
  BSFixedString model;  // 00
};

}  // namespace game

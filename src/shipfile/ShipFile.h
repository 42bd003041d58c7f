#pragma once
// The ship file: its header, its keys, its line shape (key + " |" + value) and the encoding
// of every kind of value. Every key text of the file is defined here.

#include <cstdint>
#include <string>

namespace zorvane {

inline constexpr const char* kShipFileVersionLine = "Version: 1.00";
inline constexpr const char* kShipHeaderStart = "Ship: ";

// Header line 1: "Ship: " + name + " [FormID: " + ID + "] [EditorID: " + editor ID + "] ".
std::string FormatShipHeader(const std::string& sShipName, const std::string& sFormID, const std::string& sEditorID);
// Header line 2, in the log's timestamp layout.
std::string FormatExportTimeLine();

// The keys. A list's key is its name with the index in brackets, "BGSKeywordForm[2]"; a
// field of a list entry follows after a point, "Blueprint.data[0].fPosX".
namespace keys {
inline constexpr const char* kAddToInventoryOnDestroyForm = "BGSAddToInventoryOnDestroy.form";
inline constexpr const char* kRootAnimGraph = "BGSAnimationGraphComponent.rootAnimGraph";
inline constexpr const char* kRigFile = "BGSAnimationGraphComponent.rigFile";
inline constexpr const char* kAnimPath = "BGSAnimationGraphComponent.animPath";
inline constexpr const char* kResponseFile = "BGSAnimationGraphComponent.responseFile";
inline constexpr const char* kKeywordForm = "BGSKeywordForm";
inline constexpr const char* kAttachParentArray = "BGSAttachParentArray";
inline constexpr const char* kPropertySheet = "BGSPropertySheet";
inline constexpr const char* kSpaceshipAIActor = "BGSSpaceshipAIActor.actor";
inline constexpr const char* kLinkedVoiceType = "BGSLinkedVoiceType.voice";
inline constexpr const char* kWeaponSlot1 = "BGSSpaceshipWeaponBinding.weaponSlot1";
inline constexpr const char* kWeaponSlot2 = "BGSSpaceshipWeaponBinding.weaponSlot2";
inline constexpr const char* kWeaponSlot3 = "BGSSpaceshipWeaponBinding.weaponSlot3";
inline constexpr const char* kHullCode = "BGSSpaceshipHullCode.hullCode";
// Stored traversal entries of the first list; the second list holds groups, each with its
// own entries and fields.
inline constexpr const char* kTraversals1 = "BGSStoredTraversalData.traversals1";
inline constexpr const char* kTraversals2 = "BGSStoredTraversalData.traversals2";
inline constexpr const char* kBlueprintUnk08 = "Blueprint.unk08";
inline constexpr const char* kBlueprintUnk10 = "Blueprint.unk10";
inline constexpr const char* kBlueprintData = "Blueprint.data";  // the module placements
inline constexpr const char* kBlueprintUnk28 = "Blueprint.unk28";
inline constexpr const char* kBlueprintUnk30 = "Blueprint.unk30";
inline constexpr const char* kBlueprintUnk34 = "Blueprint.unk34";
inline constexpr const char* kBlueprintUnk3C = "Blueprint.unk3C";
inline constexpr const char* kContainer = "TESContainer";
inline constexpr const char* kDisplayName = "DisplayName";
inline constexpr const char* kFullName = "TESFullName.fullName";
inline constexpr const char* kModel = "TESModel.model";
// Decoration items: the fields below in file order; the flag bWorkshopItem stands alone.
inline constexpr const char* kDecorItem = "DecorItem";
inline constexpr const char* kDecorFields[] = {"base",  "fPosX", "fPosY",  "fPosZ",       "fRotX",
                                               "fRotY", "fRotZ", "fScale", "overrideName"};
inline constexpr const char* kWorkshopItemFlag = "bWorkshopItem";

// The fields of list entries follow their entry's key after a point; their keys are those of
// the element field tables (ElementFields.h).
}  // namespace keys

// "P[n]" for a list key P and an index n.
std::string FormatIndexedKey(const std::string& sPrefix, std::size_t uIndex);
// "E.f" for a list entry's key E and a field f.
std::string FormatFieldKey(const std::string& sEntryKey, const char* sField);

std::string FormatUInt32(uint32_t uValue);
std::string FormatInt32(int32_t iValue);
std::string FormatUInt64(uint64_t uValue);
std::string FormatByte(uint8_t uValue);
// Each byte in upper-case hexadecimal without a leading zero, concatenated.
std::string FormatByteBlock(const uint8_t* theBytes, std::size_t uCount);
// An object's address in upper-case hexadecimal, or "?" for none.
std::string FormatAddress(const void* theObject);
// The local form ID, a bar and the plugin file name.
std::string FormatFormReference(const std::string& sLocalHexFormID, const std::string& sPluginName);

}  // namespace zorvane

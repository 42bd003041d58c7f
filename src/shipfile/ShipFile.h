#pragma once
// The ship file: its header, its keys, its line shape (key + " |" + value) and the encoding
// of every kind of value. Every key text of the file is defined here or, for the fields of a
// list's entries and of a decoration item, in the key schema (ShipFileSchema.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

inline constexpr const char* kShipFileVersionLine = "Version: 1.00";
inline constexpr const char* kShipHeaderStart = "Ship: ";
inline constexpr const char* kExportTimeStart = "Export time: ";
inline constexpr const char* kVersionStart = "Version: ";

// A line is its key, this and its value. A list's key is its name with the index in
// brackets, "BGSKeywordForm[2]"; a field of a list entry follows after a point,
// "Blueprint.data[0].fPosX".
inline constexpr const char* kValueSeparator = " |";
inline constexpr char kIndexOpen = '[';
inline constexpr char kIndexClose = ']';
inline constexpr char kFieldSeparator = '.';

// Header line 1: "Ship: " + name + " [FormID: " + ID + "] [EditorID: " + editor ID + "] ".
std::string FormatShipHeader(const std::string& sShipName, const std::string& sFormID, const std::string& sEditorID);
// The ship name of a header line 1; nothing for another line.
std::optional<std::string> ReadShipHeaderName(const std::string& sLine);
// Header line 2, in the log's timestamp layout.
std::string FormatExportTimeLine();

// The keys of the components' lines, in the order the file carries them.
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
// Decoration items, each with the lines of the schema's kDecorFields.
inline constexpr const char* kDecorItem = "DecorItem";

// Every key of a single value of a component, in file order.
inline constexpr const char* kSingleValueKeys[] = {kAddToInventoryOnDestroyForm,
                                                   kRootAnimGraph,
                                                   kRigFile,
                                                   kAnimPath,
                                                   kResponseFile,
                                                   kSpaceshipAIActor,
                                                   kLinkedVoiceType,
                                                   kWeaponSlot1,
                                                   kWeaponSlot2,
                                                   kWeaponSlot3,
                                                   kHullCode,
                                                   kBlueprintUnk08,
                                                   kBlueprintUnk10,
                                                   kBlueprintUnk28,
                                                   kBlueprintUnk30,
                                                   kBlueprintUnk34,
                                                   kBlueprintUnk3C,
                                                   kDisplayName,
                                                   kFullName,
                                                   kModel};
// The lists whose entries are a form each, "name[n]".
inline constexpr const char* kFormListKeys[] = {kKeywordForm, kAttachParentArray};
}  // namespace keys

// The names of the components' groups of lines, as the export, the layout import's line
// dispatch and its application name them in their messages.
namespace groups {
inline constexpr const char* kAddToInventoryOnDestroy = "BGSAddToInventoryOnDestroy";
inline constexpr const char* kAnimationGraph = "BGSAnimationGraphComponent";
inline constexpr const char* kKeywordForm = keys::kKeywordForm;
inline constexpr const char* kAttachParentArray = keys::kAttachParentArray;
inline constexpr const char* kPropertySheet = keys::kPropertySheet;
inline constexpr const char* kSpaceshipAIActor = "BGSSpaceshipAIActor";
inline constexpr const char* kLinkedVoiceType = "BGSLinkedVoiceType";
inline constexpr const char* kWeaponBinding = "BGSSpaceshipWeaponBinding";
inline constexpr const char* kHullCode = "BGSSpaceshipHullCode";
inline constexpr const char* kStoredTraversalData = "BGSStoredTraversalData";
inline constexpr const char* kBlueprint = "Blueprint";
inline constexpr const char* kContainer = keys::kContainer;
inline constexpr const char* kDisplayName = keys::kDisplayName;
inline constexpr const char* kFullName = "TESFullName";
inline constexpr const char* kModel = "TESModel";
}  // namespace groups

// What every key of a component holds: its component's name and the point after it
// ("BGSAnimationGraphComponent." of "BGSAnimationGraphComponent.rigFile"); the whole key when
// it has no point.
std::string_view GetComponentPart(std::string_view sKey);

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

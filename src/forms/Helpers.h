#pragma once
// Turning game forms and placed references into text: hexadecimal form IDs, the local form
// ID that ship files use, names and editor IDs with their fallbacks, one-line descriptions
// for log messages, and a reference's rotation in degrees. Nothing here changes the game
// or throws; a null input gives an empty text, null, false or 0.

#include <cstdint>
#include <string>

#include "game/Types.h"

namespace zorvane {

// Plugin types of a loaded plugin file.
inline constexpr uint32_t kPluginTypeNone = 0;
inline constexpr uint32_t kPluginTypeFull = 1;
inline constexpr uint32_t kPluginTypeSmall = 2;
inline constexpr uint32_t kPluginTypeMedium = 3;

// What the entry of kind `uKind` of an extra-data list holds, copied out under the list's read
// lock (another of the game's threads may change the entry once it is released): whether there
// is one, its text, its form ID, its list's size. Nothing, empty or 0 without one.
bool HasExtraData(game::ExtraDataList* theList, uint32_t uKind);
std::string ReadExtraDataText(game::ExtraDataList* theList, uint32_t uKind);
uint32_t ReadExtraDataFormID(game::ExtraDataList* theList, uint32_t uKind);
uint32_t ReadExtraDataListCount(game::ExtraDataList* theList, uint32_t uKind);

// "0001A2B3": the form ID as eight upper-case digits; empty for a null form.
std::string GetHexFormID(game::TESForm* theForm);
// Eight upper-case digits; empty for 0.
std::string GetHexValue(uint32_t uValue);
// Upper-case digits without leading zeros; empty for 0.
std::string GetHexAddress(uint64_t uValue);

// 2 for a compile index of 0xFE (small), 3 for 0xFD (medium), 1 otherwise, 0 for null.
uint32_t GetPluginType(game::TESFile* theFile);
// The form ID without its file's digits: the last 6, 3 or 4 of GetHexFormID for plugin type
// 1, 2 or 3; empty for a null form or any other type.
std::string GetLocalHexFormID(game::TESForm* theForm, uint32_t uPluginType);
// True when the form ID's top byte is 0xFF.
bool IsRuntimeCreatedForm(game::TESForm* theForm);

std::string GetFormEditorID(game::TESForm* theForm);
// The editor ID text of the reference's extra data (kind 6).
std::string GetRefEditorIDFromExtra(game::TESObjectREFR* theRef);
// The form's full name; logs "theForm is nullptr" for a null form.
std::string GetTESFullNameNative(game::TESForm* theForm);
// The display-name override, else the base form's full name; logs "theRef is nullptr".
std::string GetReferenceName(game::TESObjectREFR* theRef);
// Only the display-name override (kind 150); logs "theRef is nullptr".
std::string GetOverrideName(game::TESObjectREFR* theRef);
// The form whose ID the reference's extra data of kind 180 holds.
game::TESForm* GetRecordedShipForm(game::TESObjectREFR* theRef);

// "[address | form ID | type | mod index|0xhex | name | editor ID]" with the chosen parts;
// "!!! ERROR: nullptr form !!!" for a null form.
std::string GetFormDescription(game::TESForm* theForm, bool withType, bool withModIndex, bool withName,
                               bool withEditorID);
// The same with every part, named by the reference's own name.
std::string GetReferenceDescription(game::TESObjectREFR* theRef);

// The rotation about 'x', 'y' or 'z' in degrees; 0 (and an error line) for any other axis.
float GetAngle(game::TESObjectREFR* theRef, char chAxis);

// The single-precision value nearest to pi / 180 (bit pattern 0x3C8EFA35): GetAngle divides
// by it, the interior import multiplies by it to turn degrees back into radians.
inline constexpr float kRadiansPerDegree = 0.017453292f;

// Whether the form is a keyword; false for null.
bool IsKeyword(game::TESForm* theForm);

}  // namespace zorvane

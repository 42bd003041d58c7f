#pragma once
// The game's own numbers that the plugin compares or looks up, each named once: form type
// codes, extra-data kinds, the forms of the master file it looks up by ID, and the plugin
// file arrays of the data handler.

#include <cstdint>

namespace game {

// Form type codes.
inline constexpr uint8_t kFormTypeKeyword = 4;
inline constexpr uint8_t kFormTypeNPC = 50;
inline constexpr uint8_t kFormTypeGenericBaseForm = 65;  // every ship base and ship module
inline constexpr uint8_t kFormTypeCell = 73;
inline constexpr uint8_t kFormTypeNeverDecoration = 75;  // a kind of placed reference that is never decoration
inline constexpr uint8_t kFormTypeActorValueInfo = 109;
inline constexpr uint8_t kFormTypeVoiceType = 112;
inline constexpr uint8_t kFormTypeTraversal = 170;

// The base form types a decoration item may have, by the record codes the skip settings use.
inline constexpr uint8_t kFormTypeARMO = 34;
inline constexpr uint8_t kFormTypeBOOK = 35;
inline constexpr uint8_t kFormTypeCONT = 36;
inline constexpr uint8_t kFormTypeMISC = 40;
inline constexpr uint8_t kFormTypeMSTT = 44;
inline constexpr uint8_t kFormTypeFURN = 47;
inline constexpr uint8_t kFormTypeWEAP = 48;
inline constexpr uint8_t kFormTypeAlwaysDecoration = 49;  // no skip setting: always carried
inline constexpr uint8_t kFormTypeKEYM = 53;
inline constexpr uint8_t kFormTypeALCH = 54;
inline constexpr uint8_t kFormTypeTERM = 62;

// Extra-data kinds of a reference.
inline constexpr uint32_t kExtraEditorID = 6;                         // an interned string
inline constexpr uint32_t kExtraCountedList = 128;                    // a list; its entry count is read
inline constexpr uint32_t kExtraDisplayName = 150;                    // an interned string: the display-name override
inline constexpr uint32_t kExtraShipFormID = 180;                     // the form ID of the recorded ship form
inline constexpr uint32_t kExtraModuleItemKinds[] = {221, 218, 212};  // together: an item a ship module brings

// Forms of Starfield.esm looked up by form ID.
inline constexpr uint32_t kPlayerRefFormID = 0x14;
inline constexpr uint32_t kExcludedDecorRefKeywordID = 0x5627;
inline constexpr uint32_t kExcludedDecorBaseKeywordID = 0x18DFD;
inline constexpr uint32_t kPilotingPerkFormID = 0x002CFCAC;
inline constexpr uint32_t kSpaceshipRegistrationFormID = 0x000C55B1;  // an ActorValueInfo
inline constexpr uint32_t kCannotBeModifiedShipKeywordID = 0x3413F3;
inline constexpr uint32_t kShipTypeStarbornKeywordID = 0x33DB7A;

// The data handler's plugin file arrays.
enum FileArrayKind : uint32_t { kFullFiles = 0, kSmallFiles = 1, kMediumFiles = 2 };

}  // namespace game

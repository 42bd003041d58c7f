#pragma once
// The decoration items of a ship's interior cell: which references are exported, and their
// blocks of lines.

#include <cstdint>

#include "core/Settings.h"
#include "game/Codes.h"
#include "game/Types.h"
#include "ship/ShipFileWriter.h"

namespace zorvane {

// The keywords the decoration filters test, found before anything is written.
struct DecorKeywords {
  game::TESForm* theExcludedRefKeyword;
  game::TESForm* theExcludedBaseKeyword;
};

// True for the base form types that may be decoration, unless the skip setting of the type
// in `theSection` (the Export or the Import settings) is on; one type has no such setting.
template <typename Section>
bool IsDecorTypeKept(uint8_t uFormType, const Section& theSection) {
  switch (uFormType) {
    case game::kFormTypeARMO: return !theSection.bSkipARMO;
    case game::kFormTypeBOOK: return !theSection.bSkipBOOK;
    case game::kFormTypeCONT: return !theSection.bSkipCONT;
    case game::kFormTypeMISC: return !theSection.bSkipMISC;
    case game::kFormTypeMSTT: return !theSection.bSkipMSTT;
    case game::kFormTypeFURN: return !theSection.bSkipFURN;
    case game::kFormTypeWEAP: return !theSection.bSkipWEAP;
    case game::kFormTypeAlwaysDecoration: return true;
    case game::kFormTypeKEYM: return !theSection.bSkipKEYM;
    case game::kFormTypeALCH: return !theSection.bSkipALCH;
    case game::kFormTypeTERM: return !theSection.bSkipTERM;
    default: return false;
  }
}

// The same with the Export settings.
bool IsSupportedDecorType(uint8_t uFormType, const PluginSettings& theSettings);

// True when the reference is linked along the workshop link keyword to a reference that has
// the workshop keyword: an item placed in build mode.
bool IsWorkshopItem(game::TESObjectREFR* theRef);

// Writes a block for every reference of the cell that passes the filters, numbered from 0
// without gaps. False when an item's base form has no plugin file (the export stops).
bool ExportDecorItems(ShipFileWriter& theWriter, game::TESObjectCELL* theCell, const DecorKeywords& theKeywords,
                      const PluginSettings& theSettings);

}  // namespace zorvane

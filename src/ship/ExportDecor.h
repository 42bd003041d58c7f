#pragma once
// The decoration items of a ship's interior cell: which references are exported, and their
// blocks of lines.

#include <cstdint>

#include "game/Types.h"
#include "plugin/Settings.h"
#include "ship/ShipFileWriter.h"

namespace zorvane {

// The keywords the decoration filters test, found before anything is written.
struct DecorKeywords {
  game::TESForm* theExcludedRefKeyword;   // 0x5627
  game::TESForm* theExcludedBaseKeyword;  // 0x18DFD
};

// True for the base form types that may be decoration, unless the skip setting of the type
// in `theSection` (the Export or the Import settings) is on; type 49 has none.
template <typename Section>
bool IsDecorTypeKept(uint8_t uFormType, const Section& theSection) {
  switch (uFormType) {
    case 34: return !theSection.bSkipARMO;
    case 35: return !theSection.bSkipBOOK;
    case 36: return !theSection.bSkipCONT;
    case 40: return !theSection.bSkipMISC;
    case 44: return !theSection.bSkipMSTT;
    case 47: return !theSection.bSkipFURN;
    case 48: return !theSection.bSkipWEAP;
    case 49: return true;
    case 53: return !theSection.bSkipKEYM;
    case 54: return !theSection.bSkipALCH;
    case 62: return !theSection.bSkipTERM;
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

#pragma once
// The decoration items of a ship's interior cell: which references are exported, and their
// blocks of lines.

#include <cstdint>

#include "core/Settings.h"
#include "game/Types.h"
#include "shipfile/ShipFileWriter.h"

namespace zorvane {

// The keywords the decoration filters test, found before anything is written.
struct DecorKeywords {
  game::TESForm* theExcludedRefKeyword;
  game::TESForm* theExcludedBaseKeyword;
};

// IsDecorTypeKept (forms/DecorItems.h) with the Export settings.
bool IsSupportedDecorType(uint8_t uFormType, const PluginSettings& theSettings);

// Writes a block for every reference of the cell that passes the filters, numbered from 0
// without gaps. False when an item's base form has no plugin file (the export stops).
bool ExportDecorItems(ShipFileWriter& theWriter, game::TESObjectCELL* theCell, const DecorKeywords& theKeywords,
                      const PluginSettings& theSettings);

}  // namespace zorvane

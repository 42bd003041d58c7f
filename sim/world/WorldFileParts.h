#pragma once
// The parts of a world file, each read by its own file: forms, cells and references
// (WorldFileForms.cpp), the components of base forms (WorldFileComponents.cpp), the command
// tables (WorldFileCommands.cpp); and the world's state written back (WorldFileDump.cpp).
// Forms are made first and filled second, so any part may name any form of the file.

#include <functional>

#include "CommandTables.h"
#include "WorldFileJson.h"

namespace sim::worldfile {

// Makes the objects of the "forms", "cells" and "references" lists with their identity
// (form ID, type, editor ID, name, file, mod index).
void CreateForms(World& theWorld, const json& theRoot);
// Fills them: keywords, components, reference lists, parent cells, bases, placement, links,
// extra data.
void FillForms(World& theWorld, const json& theRoot);

// The "components" member of a form.
void LoadComponents(World& theWorld, game::TESForm* theForm, const json& theValue, const Where& theWhere);
json DumpComponents(const game::TESForm& theForm);
// Every interned string handle the components of `theForm` hold.
void ForEachComponentString(const game::TESForm& theForm, const std::function<void(const game::BSFixedString&)>& Visit);

// A "consoleCommands" or "scriptCommands" list, replacing the game's table.
void LoadCommandTable(World& theWorld, CommandTable eTable, const json& theValue, const Where& theWhere);

}  // namespace sim::worldfile

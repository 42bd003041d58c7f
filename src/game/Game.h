#pragma once
// The plugin's view of the game: the binding of the operation table and the wrappers of
// every area, for code that uses several of them.

#include "game/Binding.h"
#include "game/Cells.h"
#include "game/Code.h"
#include "game/Codes.h"
#include "game/Console.h"
#include "game/Files.h"
#include "game/Forms.h"
#include "game/Memory.h"
#include "game/NewReferences.h"
#include "game/References.h"
#include "game/Strings.h"

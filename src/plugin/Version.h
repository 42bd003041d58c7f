#pragma once
// The exported version record, by which the loader decides whether to load the plugin. Its
// name and version come from the same definitions as the texts of core/PluginName.h.

#include "game/LoaderInterface.h"
#include "plugin/Export.h"

extern "C" {
ZORVANE_EXPORT extern const sfse::PluginVersionData SFSEPlugin_Version;
}

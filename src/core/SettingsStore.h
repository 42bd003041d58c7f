#pragma once
// Writing the live settings record. Only the loading of the settings file does this; tests
// set the record through their own helper built on it.

#include "core/Settings.h"

namespace zorvane {

void StoreSettings(const PluginSettings& theSettings);

}  // namespace zorvane

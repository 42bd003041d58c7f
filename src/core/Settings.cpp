#include "core/Settings.h"

#include "core/SettingsStore.h"

namespace zorvane {
namespace {

PluginSettings gSettings;

}  // namespace

// Every setting is one byte, so a reader on another thread sees each field whole.
static_assert(sizeof(PluginSettings) == 26);

const PluginSettings& GetSettings() { return gSettings; }

void StoreSettings(const PluginSettings& theSettings) { gSettings = theSettings; }

}  // namespace zorvane

#include "core/Settings.h"

#include <atomic>

#include "core/SettingsStore.h"

namespace zorvane {
namespace {

PluginSettings gSettings;
std::atomic<bool> gNoPilotingSkillRequirement{false};
std::atomic<bool> gVerboseLogging{false};

}  // namespace

static_assert(sizeof(PluginSettings) == 26);

const PluginSettings& GetSettings() { return gSettings; }

PilotingHookSettings GetPilotingHookSettings() { return {gNoPilotingSkillRequirement.load(), gVerboseLogging.load()}; }

void StoreSettings(const PluginSettings& theSettings) {
  gSettings = theSettings;
  gNoPilotingSkillRequirement.store(theSettings.Piloting.bNoPilotingSkillRequirement);
  gVerboseLogging.store(theSettings.Logging.bVerboseLogging);
}

}  // namespace zorvane

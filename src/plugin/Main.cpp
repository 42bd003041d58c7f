#include "plugin/Main.h"

#include "core/Guard.h"
#include "core/Log.h"
#include "core/MessageBox.h"
#include "core/Settings.h"
#include "game/Binding.h"
#include "patch/PilotingSkill.h"
#include "platform/Platform.h"
#include "plugin/Settings.h"
#include "plugin/commands/InstallCommands.h"

namespace zorvane {
namespace {

uint32_t gPluginHandle = sfse::kInvalidPluginHandle;

bool LoadPluginChecked(const sfse::Interface* theInterface, uintptr_t (*GetImageBase)()) {
  constexpr const char* kFunction = "SFSEPlugin_Load";
  gPluginHandle = theInterface->GetPluginHandle();
  OpenLog();
  const uintptr_t uImageBase = GetImageBase();
  if (uImageBase == 0) {
    // The box comes first; its line is written once the player has closed it.
    ShowMessageBox("Installation error: Starfield.exe handle couldn't be acquired", false);
    LOG_ERROR_IN(kFunction, "Starfield.exe handle couldn't be acquired, shutting down");
    return false;
  }
  if (!game::BindHostFromImage(uImageBase)) {
    ShowMessageBox("Installation error: game interface couldn't be bound", false);
    LOG_ERROR_IN(kFunction,
                 "game interface couldn't be bound, shutting down (what a binding to this game build must provide is "
                 "listed in docs/real-game.md of the Zorvane project)");
    return false;
  }
  auto* theMessaging = static_cast<sfse::MessagingInterface*>(theInterface->QueryInterface(sfse::kInterfaceMessaging));
  if (theMessaging != nullptr) {
    theMessaging->RegisterListener(gPluginHandle, "SFSE", ::SFSEPlugin_HandleOnPostDataLoad);
  }
  return true;
}

}  // namespace

bool LoadPlugin(const sfse::Interface* theInterface, uintptr_t (*GetImageBase)()) {
  bool bLoaded = false;
  RunGuarded("SFSEPlugin_Load", MessageWithReason("exception while loading, shutting down"),
             [&] { bLoaded = LoadPluginChecked(theInterface, GetImageBase); });
  return bLoaded;
}

uint32_t GetPluginHandle() { return gPluginHandle; }

}  // namespace zorvane

extern "C" {

bool SFSEPlugin_Load(const sfse::Interface* theInterface) {
  return zorvane::LoadPlugin(theInterface, &platform::GetGameImageBase);
}

void SFSEPlugin_HandleOnPostDataLoad(sfse::Message* theMessage) {
  using namespace zorvane;
  if (theMessage == nullptr || theMessage->uType != sfse::kMessagePostDataLoad) {
    return;
  }
  LOG_INFO("PostDataLoad!");
  // A command table the plugin cannot take over ends the game before any settings file is
  // written; so does a failure that stopped the installation half-way.
  bool bInstalled = false;
  RunGuarded(__func__, MessageWithReason("exception while installing the commands"),
             [&] { bInstalled = InstallCommands(); });
  if (!bInstalled) {
    ShowMessageBox("INSTALLATION ERROR", true);
  }
  RunGuarded(__func__, MessageWithReason("exception while loading the settings"), [] { LoadSettings(true); });
  if (GetSettings().Piloting.bNoPilotingSkillRequirement) {
    RunGuarded(__func__, MessageWithReason("exception while installing the piloting patch"),
               [] { InstallNoPilotingSkillRequirement(); });
  }
}

}  // extern "C"

#include "plugin/Main.h"

#include "game/Game.h"
#include "platform/Platform.h"
#include "plugin/Log.h"
#include "plugin/Settings.h"
#include "plugin/Version.h"
#include "plugin/commands/InstallCommands.h"

namespace zorvane {
namespace {

uint32_t gPluginHandle = sfse::kInvalidPluginHandle;
uintptr_t gGameImageBase = 0;

}  // namespace

void ShowMessageBox(const std::string& sText, bool terminate) {
  platform::ShowMessageBox(sText, GetPluginNameAndVersion());
  if (terminate) {
    platform::ExitProcess(0);
  }
}

bool LoadPlugin(const sfse::Interface* theInterface, uintptr_t (*GetImageBase)()) {
  constexpr const char* kFunction = "SFSEPlugin_Load";
  gPluginHandle = theInterface->GetPluginHandle();
  OpenLog();
  gGameImageBase = GetImageBase();
  if (gGameImageBase == 0) {
    // The box comes first; its line is written once the player has closed it.
    ShowMessageBox("Installation error: Starfield.exe handle couldn't be acquired", false);
    LOG_ERROR_IN(kFunction, "Starfield.exe handle couldn't be acquired, shutting down");
    return false;
  }
  if (!game::BindHostFromImage(gGameImageBase)) {
    ShowMessageBox("Installation error: game interface couldn't be bound", false);
    LOG_ERROR_IN(kFunction, "game interface couldn't be bound, shutting down");
    return false;
  }
  auto* theMessaging = static_cast<sfse::MessagingInterface*>(theInterface->QueryInterface(sfse::kInterfaceMessaging));
  if (theMessaging != nullptr) {
    theMessaging->RegisterListener(gPluginHandle, "SFSE", ::SFSEPlugin_HandleOnPostDataLoad);
  }
  return true;
}

uint32_t GetPluginHandle() { return gPluginHandle; }
uintptr_t GetGameImageBase() { return gGameImageBase; }

}  // namespace zorvane

extern "C" {

bool SFSEPlugin_Load(const sfse::Interface* theInterface) {
  return zorvane::LoadPlugin(theInterface, &platform::GetGameImageBase);
}

void SFSEPlugin_HandleOnPostDataLoad(sfse::Message* theMessage) {
  if (theMessage == nullptr || theMessage->uType != sfse::kMessagePostDataLoad) {
    return;
  }
  LOG_INFO("PostDataLoad!");
  // A command table the plugin cannot take over ends the game before any settings file is
  // written.
  if (!zorvane::InstallCommands()) {
    zorvane::ShowMessageBox("INSTALLATION ERROR", true);
  }
  zorvane::LoadSettings(true);
}

}  // extern "C"

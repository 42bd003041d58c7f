#include "core/MessageBox.h"

#include "core/Log.h"

#include "core/PluginName.h"
#include "platform/Platform.h"

namespace zorvane {

void ShowMessageBox(const std::string& sText, bool terminate) {
  FlushLog();  // the box may end the game
  platform::ShowMessageBox(sText, GetPluginNameAndVersion());
  if (terminate) {
    platform::ExitProcess(0);
  }
}

}  // namespace zorvane

#pragma once
// The plugin's only user interface of its own besides console lines: a modal box for fatal
// errors and log failures.

#include <string>

namespace zorvane {

// A modal box captioned with the plugin name and version; with `terminate` the game process
// ends with exit code 0 once the box is closed.
void ShowMessageBox(const std::string& sText, bool terminate);

}  // namespace zorvane

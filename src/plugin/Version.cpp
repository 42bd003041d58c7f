#include "plugin/Version.h"

#include "core/PluginInfo.h"

// The loader reads the record's bytes from the image without running any of the plugin's
// code, so it must be constant-initialised.
extern "C" {
constinit const sfse::PluginVersionData SFSEPlugin_Version = {
    1,
    (ZORVANE_VERSION_MAJOR << 24) | (ZORVANE_VERSION_MINOR << 16),
    ZORVANE_PLUGIN_NAME,
    ZORVANE_AUTHOR,
    0,
    0,
    {sfse::kRuntime_1_14_74, 0},
    0,
    0,
    0,
};
}

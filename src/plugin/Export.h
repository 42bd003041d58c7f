#pragma once
// Marks the few symbols the loader looks up in the plugin module.
#if defined(_WIN32)
#define ZORVANE_EXPORT __declspec(dllexport)
#else
#define ZORVANE_EXPORT __attribute__((visibility("default")))
#endif

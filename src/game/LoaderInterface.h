#pragma once
// The script extender's published plugin interface, as far as the plugin and the simulated
// loader use it (x64, little-endian, natural alignment).

#include <cstddef>
#include <cstdint>

namespace sfse {

extern "C" {

struct PluginVersionData {
  uint32_t uDataVersion;             // 000 record format version, 1
  uint32_t uPluginVersion;           // 004
  char sName[256];                   // 008
  char sAuthor[256];                 // 108
  uint32_t uAddressIndependence;     // 208
  uint32_t uStructureIndependence;   // 20C
  uint32_t uCompatibleVersions[16];  // 210 zero-terminated
  uint32_t uSeVersionRequired;       // 250
  uint32_t uReservedNonBreaking;     // 254
  uint32_t uReservedBreaking;        // 258
};
static_assert(sizeof(PluginVersionData) == 604);
static_assert(offsetof(PluginVersionData, uCompatibleVersions) == 528);

struct PluginInfo {
  uint32_t uInfoVersion;
  const char* sName;
  uint32_t uVersion;
};

struct Message {
  const char* sSender;  // 00
  uint32_t uType;       // 08
  uint32_t uDataLen;    // 0C
  void* theData;        // 10
};
static_assert(sizeof(Message) == 24);

using EventCallback = void (*)(Message* theMessage);

struct MessagingInterface {
  uint32_t uInterfaceVersion;                                                                                   // 00
  bool (*RegisterListener)(uint32_t uListener, const char* sSender, EventCallback theCallback);                 // 08
  bool (*Dispatch)(uint32_t uSender, uint32_t uType, void* theData, uint32_t uDataLen, const char* sReceiver);  // 10
};
static_assert(offsetof(MessagingInterface, RegisterListener) == 0x08);
static_assert(offsetof(MessagingInterface, Dispatch) == 0x10);

struct Interface {
  uint32_t uSfseVersion;                                  // 00
  uint32_t uRuntimeVersion;                               // 04
  uint32_t uInterfaceVersion;                             // 08
  void* (*QueryInterface)(uint32_t uId);                  // 10
  uint32_t (*GetPluginHandle)();                          // 18
  const PluginInfo* (*GetPluginInfo)(const char* sName);  // 20
};
static_assert(offsetof(Interface, QueryInterface) == 0x10);
static_assert(offsetof(Interface, GetPluginInfo) == 0x20);

}  // extern "C"

inline constexpr uint32_t kInterfaceMessaging = 1;
inline constexpr uint32_t kInvalidPluginHandle = 0xFFFFFFFF;
inline constexpr uint32_t kMessagePostLoad = 0;
inline constexpr uint32_t kMessagePostPostLoad = 1;
inline constexpr uint32_t kMessagePostDataLoad = 2;
inline constexpr uint32_t kMessagePostPostDataLoad = 3;

constexpr uint32_t MakeRuntimeVersion(uint32_t uMajor, uint32_t uMinor, uint32_t uBuild, uint32_t uStore = 0) {
  return (uMajor << 24) | (uMinor << 16) | (uBuild << 4) | uStore;
}
inline constexpr uint32_t kRuntime_1_14_74 = MakeRuntimeVersion(1, 14, 74);
static_assert(kRuntime_1_14_74 == 0x010E04A0);

}  // namespace sfse

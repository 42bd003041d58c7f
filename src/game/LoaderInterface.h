#pragma once
// The script extender's published plugin interface, as far as the plugin and the simulated
// loader use it (x64, little-endian, natural alignment).

#include <cstddef>
#include <cstdint>

namespace sfse {

extern "C" {

struct PluginVersionData {
  uint32_t uDataVersion;  // record format version, 1
  uint32_t uPluginVersion;
  char sName[256];
  char sAuthor[256];
  uint32_t uAddressIndependence;
  uint32_t uStructureIndependence;
  uint32_t uCompatibleVersions[16];  // zero-terminated
  uint32_t uSeVersionRequired;
  uint32_t uReservedNonBreaking;
  uint32_t uReservedBreaking;
};
static_assert(sizeof(PluginVersionData) == 0x25C);
static_assert(offsetof(PluginVersionData, uDataVersion) == 0x00);
static_assert(offsetof(PluginVersionData, uPluginVersion) == 0x04);
static_assert(offsetof(PluginVersionData, sName) == 0x08);
static_assert(offsetof(PluginVersionData, sAuthor) == 0x108);
static_assert(offsetof(PluginVersionData, uAddressIndependence) == 0x208);
static_assert(offsetof(PluginVersionData, uStructureIndependence) == 0x20C);
static_assert(offsetof(PluginVersionData, uCompatibleVersions) == 0x210);
static_assert(offsetof(PluginVersionData, uSeVersionRequired) == 0x250);
static_assert(offsetof(PluginVersionData, uReservedNonBreaking) == 0x254);
static_assert(offsetof(PluginVersionData, uReservedBreaking) == 0x258);

struct PluginInfo {
  uint32_t uInfoVersion;
  const char* sName;
  uint32_t uVersion;
};

struct Message {
  const char* sSender;
  uint32_t uType;
  uint32_t uDataLen;
  void* theData;
};
static_assert(sizeof(Message) == 24);
static_assert(offsetof(Message, sSender) == 0x00);
static_assert(offsetof(Message, uType) == 0x08);
static_assert(offsetof(Message, uDataLen) == 0x0C);
static_assert(offsetof(Message, theData) == 0x10);

using EventCallback = void (*)(Message* theMessage);

struct MessagingInterface {
  uint32_t uInterfaceVersion;
  bool (*RegisterListener)(uint32_t uListener, const char* sSender, EventCallback theCallback);
  bool (*Dispatch)(uint32_t uSender, uint32_t uType, void* theData, uint32_t uDataLen, const char* sReceiver);
};
static_assert(offsetof(MessagingInterface, uInterfaceVersion) == 0x00);
static_assert(offsetof(MessagingInterface, RegisterListener) == 0x08);
static_assert(offsetof(MessagingInterface, Dispatch) == 0x10);

struct Interface {
  uint32_t uSfseVersion;
  uint32_t uRuntimeVersion;
  uint32_t uInterfaceVersion;
  void* (*QueryInterface)(uint32_t uId);
  uint32_t (*GetPluginHandle)();
  const PluginInfo* (*GetPluginInfo)(const char* sName);
};
static_assert(offsetof(Interface, uSfseVersion) == 0x00);
static_assert(offsetof(Interface, uRuntimeVersion) == 0x04);
static_assert(offsetof(Interface, uInterfaceVersion) == 0x08);
static_assert(offsetof(Interface, QueryInterface) == 0x10);
static_assert(offsetof(Interface, GetPluginHandle) == 0x18);
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

// The version record the loader reads byte by byte, and the texts made from the same
// definitions.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/PluginName.h"
#include "platform/Platform.h"
#include "plugin/Main.h"
#include "plugin/Version.h"

namespace {

TEST(VersionRecordTest, RecordHoldsExactBytesAndIsExportedWithTheLoadEntry) {
  std::vector<uint8_t> theExpected(604, 0);
  const uint32_t kWords[][2] = {{0, 1}, {4, 0x01000000}, {528, 0x010E04A0}};
  for (const auto& [uOffset, uValue] : kWords) std::memcpy(&theExpected[uOffset], &uValue, 4);
  std::memcpy(&theExpected[8], "Zorvane - SFSE Plugin by Pelloquin", 34);
  std::memcpy(&theExpected[264], "Pelloquin", 9);

  const auto* theRecord = reinterpret_cast<const uint8_t*>(&SFSEPlugin_Version);
  EXPECT_EQ(std::vector<uint8_t>(theRecord, theRecord + sizeof(SFSEPlugin_Version)), theExpected);
  uintptr_t uImage = platform::GetGameImageBase();
  EXPECT_EQ(platform::FindImageExport(uImage, "SFSEPlugin_Version"), static_cast<const void*>(&SFSEPlugin_Version));
  EXPECT_EQ(platform::FindImageExport(uImage, "SFSEPlugin_Load"), reinterpret_cast<void*>(&SFSEPlugin_Load));
  EXPECT_EQ(zorvane::GetPluginNameAndVersion(), "Zorvane - SFSE Plugin by Pelloquin v1.0");
}

}  // namespace

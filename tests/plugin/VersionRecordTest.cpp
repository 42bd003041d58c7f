// The version record the loader reads byte by byte, and the texts built from it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/Platform.h"
#include "plugin/Main.h"
#include "plugin/Version.h"

namespace {

void PutWord(std::vector<uint8_t>& theBytes, std::size_t uOffset, uint32_t uValue) {
  for (int i = 0; i < 4; ++i) theBytes[uOffset + i] = static_cast<uint8_t>(uValue >> (8 * i));
}

void PutText(std::vector<uint8_t>& theBytes, std::size_t uOffset, const std::string& sText) {
  std::memcpy(theBytes.data() + uOffset, sText.data(), sText.size());
}

TEST(VersionRecordTest, VersionRecordIs604Bytes) { EXPECT_EQ(sizeof(SFSEPlugin_Version), 604u); }

TEST(VersionRecordTest, VersionRecordHoldsExactBytes) {
  std::vector<uint8_t> theExpected(604, 0);
  PutWord(theExpected, 0, 1);
  PutWord(theExpected, 4, 0x01000000);
  PutText(theExpected, 8, "Zorvane - SFSE Plugin by Pelloquin");
  PutText(theExpected, 264, "Pelloquin");
  PutWord(theExpected, 528, 0x010E04A0);

  const auto* theRecord = reinterpret_cast<const uint8_t*>(&SFSEPlugin_Version);
  std::vector<uint8_t> theActual(theRecord, theRecord + sizeof(SFSEPlugin_Version));
  EXPECT_EQ(theActual, theExpected);
}

TEST(VersionRecordTest, EntryPointsAreExportedUnderTheirNames) {
  uintptr_t uImage = platform::GetGameImageBase();
  EXPECT_EQ(platform::FindImageExport(uImage, "SFSEPlugin_Version"), static_cast<const void*>(&SFSEPlugin_Version));
  EXPECT_EQ(platform::FindImageExport(uImage, "SFSEPlugin_Load"), reinterpret_cast<void*>(&SFSEPlugin_Load));
}

TEST(VersionRecordTest, VersionTextIsMajorDotMinor) { EXPECT_EQ(zorvane::GetVersionText(), "1.0"); }

TEST(VersionRecordTest, CaptionIsNameAndVersion) {
  EXPECT_EQ(zorvane::GetPluginName(), "Zorvane - SFSE Plugin by Pelloquin");
  EXPECT_EQ(zorvane::GetPluginNameAndVersion(), "Zorvane - SFSE Plugin by Pelloquin v1.0");
}

}  // namespace

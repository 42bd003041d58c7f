// Texts entering the plugin become UTF-8: well-formed UTF-8 is told apart, a cut never keeps
// part of a character, and the system's code page (natively Windows-1252) is converted.
#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(TextEncodingTest, Utf8IsToldApartCutsKeepWholeCharactersAndWindows1252IsConverted) {
  EXPECT_TRUE(IsValidUtf8("Caf\xC3\xA9 \xC5\xA0koda \xE2\x85\xA1 \xD0\x9A\xD0\xBE \xE5\xAE\x87 \xF0\x9F\x9A\x80"));
  // Latin-1, overlong, a surrogate, beyond U+10FFFF, cut short.
  for (const char* sBad : {"Caf\xE9", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ab\xE2\x85"}) {
    EXPECT_FALSE(IsValidUtf8(sBad)) << sBad;
  }
  EXPECT_EQ(DropCutCharacter("ab\xE2\x85"), "ab");
  EXPECT_EQ(DropCutCharacter("ab\xE2\x85\xA1"), "ab\xE2\x85\xA1");
  EXPECT_EQ(DropCutCharacter("\xE9z\xF0\x9F\x9A"), "\xE9z");
  EXPECT_EQ(ConvertWindows1252ToUtf8("Caf\xE9 \x80\x81\x9F\xFF"), "Caf\xC3\xA9 \xE2\x82\xAC\xC2\x81\xC5\xB8\xC3\xBF");
}

}  // namespace
}  // namespace platform

// Reading values and bracket indices out of ship file lines: what the value text is, the
// conversion rules of each number kind, the exact errors and the "inf"/"nan" guard.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>

#include "forms/FormsTest.h"
#include "forms/NumberConversion.h"
#include "forms/ValueParsing.h"

namespace zorvane::test {
namespace {

using ValueParsingTest = FormsTest;

// Expects `Run` to raise exactly the error type E with the text `sText`.
template <typename E>
void ExpectError(const std::function<void()>& Run, const std::string& sText, const std::string& sLine) {
  try {
    Run();
    ADD_FAILURE() << "no error for " << sLine;
  } catch (const E& theError) {
    EXPECT_EQ(std::string(theError.what()), sText) << sLine;
  } catch (...) {
    ADD_FAILURE() << "another error type for " << sLine;
  }
}

template <typename T>
T Read(bool (*GetValue)(const std::string&, T&), const std::string& sLine) {
  T value{};
  EXPECT_TRUE(GetValue(sLine, value)) << sLine;
  return value;
}

template <typename T>
void ExpectErrors(bool (*GetValue)(const std::string&, T&), const std::string& sName,
                  std::initializer_list<const char*> theInvalid, std::initializer_list<const char*> theOutOfRange) {
  T value{};
  for (const char* sLine : theInvalid) {
    ExpectError<std::invalid_argument>([&] { GetValue(sLine, value); }, "invalid " + sName + " argument", sLine);
  }
  for (const char* sLine : theOutOfRange) {
    ExpectError<std::out_of_range>([&] { GetValue(sLine, value); }, sName + " argument out of range", sLine);
  }
}

TEST_F(ValueParsingTest, ValueTextIsEverythingAfterTheLastBarAndEmptyLeavesOutputsAlone) {
  EXPECT_EQ(GetValueText("Blueprint.data[2].fPosX | 1.5"), " 1.5");
  EXPECT_EQ(GetValueText("a|b|c"), "c");
  float fValue = 42.0f;
  int32_t iValue = 42;
  uint32_t uValue = 42;
  uint64_t uValue64 = 42;
  for (const char* sLine : {"", "no bar", "TESModel.model |", "|"}) {
    EXPECT_EQ(GetValueText(sLine), "") << sLine;
    EXPECT_FALSE(GetFloat(sLine, fValue) || GetInt32(sLine, iValue) || GetUInt32(sLine, uValue) ||
                 GetUInt64(sLine, uValue64));
  }
  EXPECT_EQ(fValue + static_cast<float>(iValue) + static_cast<float>(uValue) + static_cast<float>(uValue64), 168.0f);
}

TEST_F(ValueParsingTest, FloatsFollowStrtofRules) {
  EXPECT_EQ(Read(GetFloat, "Blueprint.data[2].fPosX | 1.5"), 1.5f);
  EXPECT_EQ(Read(GetFloat, "k|1.5abc"), 1.5f);
  EXPECT_EQ(Read(GetFloat, "k|\t-2.25"), -2.25f);
  EXPECT_EQ(Read(GetFloat, "k|+.5e1x"), 5.0f);
  EXPECT_EQ(Read(GetFloat, "k|0x1.8p1"), 3.0f);
  EXPECT_EQ(Read(GetFloat, "k|3.4028235e38"), std::numeric_limits<float>::max());
  EXPECT_EQ(Read(GetFloat, "k|INF"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(Read(GetFloat, "k|-Infinity"), -std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(Read(GetFloat, "k|NAN")));
  ExpectErrors(GetFloat, "stof", {"k|abc", "k|   ", "k|.", "k|-"}, {"k|1e40", "k|-3.5e38", "k|1e-45", "k|1e-50"});
  EXPECT_EQ(ReadFormsLog(), "");
}

TEST_F(ValueParsingTest, InfAndNanInLowerCaseAnywhereGiveZero) {
  EXPECT_EQ(Read(GetFloat, "k|info"), 0.0f);
  EXPECT_EQ(Read(GetFloat, "k|banana"), 0.0f);
  EXPECT_EQ(Read(GetInt32, "k|12inf"), 0);
  EXPECT_EQ(Read(GetUInt32, "k|nan"), 0u);
  EXPECT_EQ(Read(GetUInt64, "k| infnan"), 0u);
  EXPECT_EQ(ReadFormsLog(), MakeLogLine("error", "ValueParsing.cpp", "GetFloat", "inf input") +
                                MakeLogLine("error", "ValueParsing.cpp", "GetFloat", "nan input") +
                                MakeLogLine("error", "ValueParsing.cpp", "GetInt32", "inf input") +
                                MakeLogLine("error", "ValueParsing.cpp", "GetUInt32", "nan input") +
                                MakeLogLine("error", "ValueParsing.cpp", "GetUInt64", "inf input"));
}

TEST_F(ValueParsingTest, IntegersAreBaseTenWithTheirRanges) {
  EXPECT_EQ(Read(GetInt32, "k|0x1F"), 0);
  EXPECT_EQ(Read(GetInt32, "k|010"), 10);
  EXPECT_EQ(Read(GetInt32, "k| +42abc"), 42);
  EXPECT_EQ(Read(GetInt32, "k|-2147483648"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(Read(GetInt32, "k|2147483647"), std::numeric_limits<int32_t>::max());
  ExpectErrors(GetInt32, "stoi", {"k|abc", "k|- 1", "k|--1", "k|+-1", "k| "},
               {"k|2147483648", "k|-2147483649", "k|99999999999999999999999"});

  EXPECT_EQ(Read(GetUInt32, "k|-1"), 4294967295u);
  EXPECT_EQ(Read(GetUInt32, "k|-4294967295"), 1u);
  EXPECT_EQ(Read(GetUInt32, "k|\n4294967295"), 4294967295u);
  EXPECT_EQ(Read(GetUInt32, "k|0x10"), 0u);
  ExpectErrors(GetUInt32, "stoul", {"k|x1", "k|+"}, {"k|4294967296", "k|-4294967296", "k|18446744073709551616"});

  EXPECT_EQ(Read(GetUInt64, "k|18446744073709551615"), std::numeric_limits<uint64_t>::max());
  EXPECT_EQ(Read(GetUInt64, "k|-1"), std::numeric_limits<uint64_t>::max());
  EXPECT_EQ(Read(GetUInt64, "k|-18446744073709551615"), 1u);
  EXPECT_EQ(Read(GetUInt64, "k|4294967296"), 4294967296u);
  ExpectErrors(GetUInt64, "stoull", {"k|abc"}, {"k|18446744073709551616", "k|-18446744073709551616"});
}

TEST_F(ValueParsingTest, IndicesComeFromFirstOrLastBracketPair) {
  const std::string sLine = "BGSStoredTraversalData.traversals2[3].traversals[5].unk04 | 2";
  EXPECT_EQ(GetIndex(sLine), 3);
  EXPECT_EQ(GetIndex2(sLine), 5);
  EXPECT_EQ(GetIndex2("a[1].b | [9]"), 9);
  EXPECT_EQ(GetIndex("a[ 7 ]"), 7);
  EXPECT_EQ(GetIndex("a[-2]"), -2);
  EXPECT_EQ(GetIndex("7].x"), 7);  // no '[': the text starts the line
  for (const char* sNone : {"no brackets", "a[]", "a]1[", "a[5", ""}) {
    EXPECT_EQ(GetIndex(sNone), -1) << sNone;
    EXPECT_EQ(GetIndex2(sNone), -1) << sNone;
  }
  EXPECT_EQ(GetIndex2("a[1]b["), -1);
  ExpectError<std::invalid_argument>([] { GetIndex("a[x]"); }, "invalid stoi argument", "a[x]");
  ExpectError<std::invalid_argument>([] { GetIndex2("a[1][inf]"); }, "invalid stoi argument", "a[1][inf]");
  ExpectError<std::out_of_range>([] { GetIndex("a[99999999999]"); }, "stoi argument out of range", "a[99999999999]");
}

// As the x86 truncating conversions: toward zero, low bits kept; out of range, infinite or NaN
// give the "integer indefinite" value, whose low bits are 0.
TEST_F(ValueParsingTest, FloatsTruncateToIntegersForEveryFloat) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const float kNaN = std::nanf("");
  EXPECT_EQ(TruncateToUInt32(123.9f), 123u);
  EXPECT_EQ(TruncateToUInt32(-1.5f), 4294967295u);
  EXPECT_EQ(TruncateToUInt32(4294967296.0f), 0u);
  EXPECT_EQ(TruncateToUInt32(-9223372036854775808.0f), 0u);
  for (float fOut : {9223372036854775808.0f, 1e30f, -1e30f, kInf, -kInf, kNaN}) {
    EXPECT_EQ(TruncateToUInt32(fOut), 0u) << fOut;
    EXPECT_EQ(TruncateToUInt8(fOut), 0u) << fOut;
  }
  EXPECT_EQ(TruncateToUInt8(-1.0f), 255u);
  EXPECT_EQ(TruncateToUInt8(256.0f), 0u);
  EXPECT_EQ(TruncateToUInt8(2147483520.0f), 128u);  // the largest float below 2^31
  EXPECT_EQ(TruncateToUInt8(2147483648.0f), 0u);
}

TEST_F(ValueParsingTest, FloatsAreWrittenWithSixDecimals) {
  EXPECT_EQ(FormatFloat(0.5f), "0.500000");
  EXPECT_EQ(FormatFloat(0.1f), "0.100000");
  EXPECT_EQ(FormatFloat(-2.25f), "-2.250000");
  EXPECT_EQ(FormatFloat(16777217.0f), "16777216.000000");
  EXPECT_EQ(FormatFloat(std::numeric_limits<float>::max()), "340282346638528859811704183484516925440.000000");
  EXPECT_EQ(FormatFloat(-std::numeric_limits<float>::infinity()), "-inf");
}

}  // namespace
}  // namespace zorvane::test

// One-line descriptions of forms and references, and a reference's rotation in degrees.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <sstream>

#include "forms/FormsTest.h"
#include "forms/Helpers.h"
#include "game/Game.h"

namespace zorvane::test {
namespace {

using DescriptionAndAngleTest = FormsTest;

std::string GetAddressText(const void* theObject) {
  std::ostringstream theText;
  theText << std::hex << std::uppercase << reinterpret_cast<uintptr_t>(theObject);
  return theText.str();
}

TEST_F(DescriptionAndAngleTest, FormDescriptionHasTheChosenParts) {
  game::TESForm* theBare = AddForm(0x0001A2B3, 4);
  const std::string sAddress = GetAddressText(theBare);
  EXPECT_EQ(GetFormDescription(theBare, true, true, true, true),
            "[" + sAddress + " | 0001A2B3 | 4 | 0|0x0 | {unnamed} | {no_edid}]");
  EXPECT_EQ(GetFormDescription(theBare, true, false, false, false), "[" + sAddress + " | 0001A2B3 | 4]");
  EXPECT_EQ(GetFormDescription(theBare, false, false, false, false), "[" + sAddress + " | 0001A2B3]");

  game::TESForm* theNamed = AddForm(0, 65, "ChairEdid", "Chair", 300);
  EXPECT_EQ(GetFormDescription(theNamed, false, true, true, true),
            "[" + GetAddressText(theNamed) + " |  | 300|0x12C | Chair | ChairEdid]");
  game::TESForm* theModIndexTwo = AddForm(0x12, 0, "", "", 2);
  EXPECT_EQ(GetFormDescription(theModIndexTwo, false, true, false, false),
            "[" + GetAddressText(theModIndexTwo) + " | 00000012 | 2|0x2]");
  for (int iFlags = 0; iFlags < 16; ++iFlags) {
    EXPECT_EQ(GetFormDescription(nullptr, iFlags & 1, iFlags & 2, iFlags & 4, iFlags & 8),
              "!!! ERROR: nullptr form !!!");
  }
  EXPECT_EQ(ReadFormsLog(), "");
}

TEST_F(DescriptionAndAngleTest, ReferenceDescriptionNamesTheReference) {
  game::TESObjectREFR* theRef = theWorld->AddReference(0x0010ABCD, AddForm(0x10, 4, "BaseEdid", "Base Name"));
  theRef->uFormType = 64;
  theRef->uModIndex = 300;
  theRef->sEditorID = "RefEdid";
  theRef->sFullName = "Own Name";
  const std::string sStart = "[" + GetAddressText(theRef) + " | 0010ABCD | 64 | 300|0x12C | ";
  EXPECT_EQ(GetReferenceDescription(theRef), sStart + "Base Name | RefEdid]");
  theWorld->AddExtraData(theRef, game::kExtraDisplayName).theString = theWorld->MakeIndirectString("Override");
  EXPECT_EQ(GetReferenceDescription(theRef), sStart + "Override | RefEdid]");

  game::TESObjectREFR* theOrphan = theWorld->AddReference(0x0010ABCE, nullptr);
  EXPECT_EQ(GetReferenceDescription(theOrphan),
            "[" + GetAddressText(theOrphan) + " | 0010ABCE | 74 | 0|0x0 | {unnamed} | {no_edid}]");
  EXPECT_EQ(GetReferenceDescription(nullptr), "!!! ERROR: nullptr form !!!");
  // The orphan's name is asked of its missing base form twice: by the reference name and by
  // the description's own fallback.
  const std::string sNoBase = MakeLogLine("error", "FormNames.cpp", "GetTESFullNameNative", "theForm is nullptr");
  EXPECT_EQ(ReadFormsLog(), sNoBase + sNoBase);
}

TEST_F(DescriptionAndAngleTest, AngleIsRadiansDividedInSinglePrecision) {
  const float kDivisor = std::bit_cast<float>(0x3C8EFA35u);
  game::TESObjectREFR* theRef = theWorld->AddReference(0x20, nullptr);
  const float fHalfPi = static_cast<float>(std::acos(-1.0) / 2);
  // Values whose quotient differs from a multiplication by 57.29578f or a division in double.
  theRef->fRotation[0] = 0.0025f;
  theRef->fRotation[1] = -0.0033f;
  theRef->fRotation[2] = fHalfPi;
  EXPECT_EQ(GetAngle(theRef, 'x'), 0.0025f / kDivisor);
  EXPECT_EQ(GetAngle(theRef, 'y'), -0.0033f / kDivisor);
  EXPECT_EQ(GetAngle(theRef, 'z'), fHalfPi / kDivisor);
  EXPECT_NEAR(GetAngle(theRef, 'z'), 90.0f, 1e-4f);
  theRef->fRotation[0] = 7.0f;  // more than a turn: not normalised
  EXPECT_NEAR(GetAngle(theRef, 'x'), 401.0705f, 1e-3f);
  EXPECT_EQ(ReadFormsLog(), "");

  EXPECT_EQ(GetAngle(theRef, 'Z'), 0.0f);
  EXPECT_EQ(GetAngle(theRef, 'w'), 0.0f);
  EXPECT_EQ(GetAngle(nullptr, 'Z'), 0.0f);
  EXPECT_EQ(ReadFormsLog(),
            MakeLogLine("error", "FormRotation.cpp", "GetAngle", "unknown chAxis [Z], cannot GetAngle") +
                MakeLogLine("error", "FormRotation.cpp", "GetAngle", "unknown chAxis [w], cannot GetAngle"));
}

TEST_F(DescriptionAndAngleTest, FailedRotationReadGivesZeroAndErrorLine) {
  game::TESObjectREFR* theRef = theWorld->AddReference(0x20, nullptr);
  theWorld->FailOperation("GetRefRotation");
  EXPECT_EQ(GetAngle(theRef, 'y'), 0.0f);
  EXPECT_EQ(ReadFormsLog(), MakeLogLine("error", "FormRotation.cpp", "GetAngle",
                                        "exception when getting angle 'y' for actor [" + GetAddressText(theRef) +
                                            "] for angle [0.000000]"));
}

}  // namespace
}  // namespace zorvane::test

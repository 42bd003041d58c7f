#include "WorldFileJson.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "WorldFile.h"

namespace sim::worldfile {

Where Where::WithFormID(uint32_t uFormID) const { return Where(sPath + " (" + FormatFormID(uFormID) + ")"); }

void Where::Fail(const std::string& sProblem) const { throw std::runtime_error(sPath + ": " + sProblem); }

std::string DescribeValue(const json& theValue) {
  // Text that is no UTF-8 (a world built in code may hold such) is shown, not thrown over.
  std::string sText = theValue.dump(-1, ' ', false, json::error_handler_t::replace);
  return sText.size() <= kShownValueLength ? sText : sText.substr(0, kShownValueLength) + "...";
}

void CheckObject(const json& theValue, const Where& theWhere, const std::vector<const char*>& theAllowed) {
  if (!theValue.is_object()) theWhere.Fail("must be an object, not " + DescribeValue(theValue));
  for (const auto& [sMember, theMember] : theValue.items()) {
    bool bKnown = false;
    for (const char* sAllowed : theAllowed) bKnown = bKnown || sMember == sAllowed;
    if (!bKnown) theWhere.Fail("unknown member " + DescribeValue(sMember));
  }
}

void CheckArray(const json& theValue, const Where& theWhere) {
  if (!theValue.is_array()) theWhere.Fail("must be an array, not " + DescribeValue(theValue));
}

bool ReadBool(const json& theValue, const Where& theWhere) {
  if (!theValue.is_boolean()) theWhere.Fail("must be true or false, not " + DescribeValue(theValue));
  return theValue.get<bool>();
}

std::string ReadText(const json& theValue, const Where& theWhere) {
  if (!theValue.is_string()) theWhere.Fail("must be a text, not " + DescribeValue(theValue));
  return theValue.get<std::string>();
}

float ReadFloat(const json& theValue, const Where& theWhere) {
  if (theValue.is_string()) {
    const std::string& sText = theValue.get_ref<const std::string&>();
    if (sText == "inf") return std::numeric_limits<float>::infinity();
    if (sText == "-inf") return -std::numeric_limits<float>::infinity();
    if (sText == "nan") return std::numeric_limits<float>::quiet_NaN();
  }
  if (!theValue.is_number())
    theWhere.Fail("must be a number (or \"inf\", \"-inf\", \"nan\"), not " + DescribeValue(theValue));
  double dValue = theValue.get<double>();
  if (std::fabs(dValue) > std::numeric_limits<float>::max()) theWhere.Fail("is out of the float range");
  return static_cast<float>(dValue);
}

uint64_t ReadUnsigned(const json& theValue, const Where& theWhere, uint64_t uMax) {
  uint64_t uValue = 0;
  if (theValue.is_number_unsigned()) {
    uValue = theValue.get<uint64_t>();
  } else if (theValue.is_number_integer() && theValue.get<int64_t>() >= 0) {
    // A world built in code holds its numbers as signed ones.
    uValue = static_cast<uint64_t>(theValue.get<int64_t>());
  } else if (theValue.is_string()) {
    const std::string& sText = theValue.get_ref<const std::string&>();
    bool bHex = sText.size() > 2 && sText[0] == '0' && (sText[1] == 'x' || sText[1] == 'X');
    const char* sEnd = sText.data() + sText.size();
    auto theResult = bHex ? std::from_chars(sText.data() + 2, sEnd, uValue, 16) : std::from_chars_result{};
    if (!bHex || theResult.ec != std::errc() || theResult.ptr != sEnd) {
      theWhere.Fail("must be a whole number or \"0x\" hexadecimal text, not " + DescribeValue(theValue));
    }
  } else {
    theWhere.Fail("must be a whole number of at least 0, not " + DescribeValue(theValue));
  }
  if (uValue > uMax) theWhere.Fail("must be at most " + std::to_string(uMax) + ", not " + DescribeValue(theValue));
  return uValue;
}

int32_t ReadInt32(const json& theValue, const Where& theWhere) {
  if (!theValue.is_number_integer()) theWhere.Fail("must be a whole number, not " + DescribeValue(theValue));
  if (theValue.is_number_unsigned()) {
    if (theValue.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) {
      theWhere.Fail("is out of the 32-bit range");
    }
    return static_cast<int32_t>(theValue.get<uint64_t>());
  }
  int64_t iValue = theValue.get<int64_t>();
  if (iValue < std::numeric_limits<int32_t>::min() || iValue > std::numeric_limits<int32_t>::max()) {
    theWhere.Fail("is out of the 32-bit range");
  }
  return static_cast<int32_t>(iValue);
}

uint32_t ReadFormID(const json& theValue, const Where& theWhere) {
  try {
    return ParseFormID(theValue);
  } catch (const std::exception&) {
    theWhere.Fail("bad form ID " + DescribeValue(theValue));
  }
}

game::TESForm* ReadForm(const World& theWorld, const json& theValue, const Where& theWhere) {
  if (theValue.is_null()) return nullptr;
  uint32_t uFormID = ReadFormID(theValue, theWhere);
  game::TESForm* theForm = theWorld.FindForm(uFormID);
  if (theForm == nullptr) theWhere.Fail("unknown form ID " + FormatFormID(uFormID));
  return theForm;
}

game::TESObjectREFR* ReadReference(const World& theWorld, const json& theValue, const Where& theWhere) {
  game::TESForm* theForm = ReadForm(theWorld, theValue, theWhere);
  auto* theRef = dynamic_cast<game::TESObjectREFR*>(theForm);
  if (theForm != nullptr && theRef == nullptr) theWhere.Fail(FormatFormID(theForm->uFormID) + " is not a reference");
  return theRef;
}

game::TESObjectCELL* ReadCell(const World& theWorld, const json& theValue, const Where& theWhere) {
  game::TESForm* theForm = ReadForm(theWorld, theValue, theWhere);
  auto* theCell = dynamic_cast<game::TESObjectCELL*>(theForm);
  if (theForm != nullptr && theCell == nullptr) theWhere.Fail(FormatFormID(theForm->uFormID) + " is not a cell");
  return theCell;
}

game::TESForm* ReadKeyword(const World& theWorld, const json& theValue, const Where& theWhere) {
  if (theValue.is_null()) theWhere.Fail("must be a keyword, not null");
  game::TESForm* theForm = ReadForm(theWorld, theValue, theWhere);
  if (theForm->uFormType != game::kFormTypeKeyword) {
    theWhere.Fail(FormatFormID(theForm->uFormID) + " is not a keyword (type " + std::to_string(theForm->uFormType) +
                  ")");
  }
  return theForm;
}

game::BSFixedString ReadString(World& theWorld, const json& theValue, const Where& theWhere) {
  if (theValue.is_null()) return {nullptr};
  if (theValue.is_object()) {
    CheckObject(theValue, theWhere, {"indirect"});
    if (!theValue.contains("indirect")) theWhere.Fail("an indirect string needs the member \"indirect\"");
    return theWorld.MakeIndirectString(ReadText(theValue.at("indirect"), theWhere["indirect"]));
  }
  return theWorld.MakeString(ReadText(theValue, theWhere));
}

bool ReadBoolMember(const json& theObject, const char* sName, const Where& theWhere, bool bDefault) {
  auto it = theObject.find(sName);
  return it == theObject.end() ? bDefault : ReadBool(*it, theWhere[sName]);
}

std::string ReadTextMember(const json& theObject, const char* sName, const Where& theWhere) {
  auto it = theObject.find(sName);
  return it == theObject.end() ? std::string() : ReadText(*it, theWhere[sName]);
}

float ReadFloatMember(const json& theObject, const char* sName, const Where& theWhere, float fDefault) {
  auto it = theObject.find(sName);
  return it == theObject.end() ? fDefault : ReadFloat(*it, theWhere[sName]);
}

uint64_t ReadUnsignedMember(const json& theObject, const char* sName, const Where& theWhere, uint64_t uMax,
                            uint64_t uDefault) {
  auto it = theObject.find(sName);
  return it == theObject.end() ? uDefault : ReadUnsigned(*it, theWhere[sName], uMax);
}

json DumpFormID(uint32_t uFormID) { return FormatFormID(uFormID); }

json DumpForm(const game::TESForm* theForm) {
  return theForm != nullptr ? DumpFormID(theForm->uFormID) : json(nullptr);
}

json DumpFloat(float fValue) {
  if (std::isnan(fValue)) return "nan";
  if (std::isinf(fValue)) return fValue > 0 ? "inf" : "-inf";
  char sText[64];
  auto theResult = std::to_chars(sText, sText + sizeof(sText) - 1, fValue);
  *theResult.ptr = '\0';
  return std::strtod(sText, nullptr);
}

json DumpString(const game::BSFixedString& theString) {
  const game::StringPoolEntry* theEntry = theString.theEntry;
  if (theEntry == nullptr) return nullptr;
  if (theEntry->theTarget != nullptr) {
    const game::StringPoolEntry* theTarget = theEntry->theTarget;
    while (theTarget->theTarget != nullptr) theTarget = theTarget->theTarget;
    return {{"indirect", theTarget->sText}};
  }
  return theEntry->sText;
}

}  // namespace sim::worldfile

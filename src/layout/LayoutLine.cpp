#include "layout/LayoutLine.h"

#include <cstring>

#include "core/Log.h"
#include "forms/NumberConversion.h"

namespace zorvane::layout {
namespace {

// A value text that is a whole number alone (blanks around it, an optional sign) of at most
// 18 digits, so it fits in 64 bits.
std::optional<int64_t> ReadWholeNumber(const std::string& sValue) {
  std::size_t uPos = sValue.find_first_not_of(" \t\n\v\f\r");
  if (uPos == std::string::npos) return std::nullopt;
  const std::size_t uEnd = sValue.find_last_not_of(" \t") + 1;
  const bool bNegative = sValue[uPos] == '-';
  if (sValue[uPos] == '-' || sValue[uPos] == '+') ++uPos;
  if (uPos >= uEnd || uEnd - uPos > 18) return std::nullopt;
  int64_t iValue = 0;
  for (; uPos < uEnd; ++uPos) {
    if (sValue[uPos] < '0' || sValue[uPos] > '9') return std::nullopt;
    iValue = iValue * 10 + (sValue[uPos] - '0');
  }
  return bNegative ? -iValue : iValue;
}

template <typename T>
void StoreField(void* theElement, const ElementField& theField, T theValue) {
  std::memcpy(static_cast<char*>(theElement) + theField.uOffset, &theValue, sizeof(T));
}

}  // namespace

bool ReadForm(const Line& theLine, FormSource& theForms, const FormCheck& theCheck, game::TESForm*& theForm) {
  theForm = theForms.ResolveFormRef(theLine.sLine);
  if (theForm == nullptr) return Refuse(kImportLayoutFunction, theCheck.sNullMessage + theLine.sLine);
  if (theCheck.uType) {
    const std::optional<uint8_t> uType = theForms.GetFormType(theForm);
    if (uType && *uType != *theCheck.uType) return Refuse(kImportLayoutFunction, theCheck.sTypeMessage + theLine.sLine);
  }
  if (theCheck.bBound) {
    theForm = theForms.CastToBoundObject(theForm);
    if (theForm == nullptr) return Refuse(kImportLayoutFunction, "boundObject is nullptr | sLine: " + theLine.sLine);
  }
  return true;
}

bool ReadFloatAsUInt32(const Line& theLine, uint32_t& uValue) {
  if (const std::optional<int64_t> iWhole = ReadWholeNumber(GetValueText(theLine.sLine))) {
    uValue = static_cast<uint32_t>(static_cast<uint64_t>(*iWhole));
    return true;
  }
  float fValue = 0.0f;
  if (!ReadNumber(theLine, GetFloat, fValue)) return false;
  uValue = TruncateToUInt32(fValue);
  return true;
}

bool ReadFloatAsUInt8(const Line& theLine, uint8_t& uValue) {
  const std::optional<int64_t> iWhole = ReadWholeNumber(GetValueText(theLine.sLine));
  if (iWhole && *iWhole >= INT32_MIN && *iWhole <= INT32_MAX) {
    uValue = static_cast<uint8_t>(static_cast<uint32_t>(static_cast<int32_t>(*iWhole)));
    return true;
  }
  float fValue = 0.0f;
  if (!ReadNumber(theLine, GetFloat, fValue)) return false;
  uValue = TruncateToUInt8(fValue);
  return true;
}

std::string IndexError(int32_t iIndex, std::size_t uSize) {
  return "index error | index: " + std::to_string(iIndex) + " | size: " + std::to_string(uSize) + " | sLine: ";
}

bool ReadFieldValue(const Line& theLine, FormSource& theForms, const ElementField& theField, void* theElement) {
  const bool bTruncated = theField.eReadBack == ReadBack::kFloatTruncated;
  switch (theField.eKind) {
    case FieldKind::kFloat: {
      float fValue = 0.0f;
      if (!ReadNumber(theLine, GetFloat, fValue)) return false;
      StoreField(theElement, theField, fValue);
      return true;
    }
    case FieldKind::kUInt8: {
      uint8_t uValue = 0;
      if (!ReadFloatAsUInt8(theLine, uValue)) return false;
      StoreField(theElement, theField, uValue);
      return true;
    }
    case FieldKind::kInt32: {
      int32_t iValue = 0;
      if (!ReadNumber(theLine, GetInt32, iValue)) return false;
      StoreField(theElement, theField, iValue);
      return true;
    }
    case FieldKind::kUInt32: {
      uint32_t uValue = 0;
      if (!(bTruncated ? ReadFloatAsUInt32(theLine, uValue) : ReadNumber(theLine, GetUInt32, uValue))) return false;
      StoreField(theElement, theField, uValue);
      return true;
    }
    case FieldKind::kByteBlock:
      return !GetValueText(theLine.sLine).empty() ||
             Refuse(kImportLayoutFunction, "sText is empty | sLine: " + theLine.sLine);
    default: {
      game::TESForm* theForm = nullptr;
      if (!ReadForm(theLine, theForms, *theField.theCheck, theForm)) return false;
      StoreField(theElement, theField, theForm);
      return true;
    }
  }
}

}  // namespace zorvane::layout

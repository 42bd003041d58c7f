#include "WorldFileFields.h"

#include <cstdint>
#include <cstring>

namespace sim::worldfile {
namespace {

using zorvane::kByteBlockSize;

// A container entry's extra data is an object of the game's that nothing reads; only its
// address is written to ship files.
constexpr std::size_t kAddressedObjectSize = 0x20;

int HexDigitValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

void ReadBlock(const json& theValue, const Where& theWhere, uint8_t* theBytes) {
  if (theValue.is_string()) {
    const std::string& sHex = theValue.get_ref<const std::string&>();
    if (sHex.size() != 2 * kByteBlockSize) {
      theWhere.Fail("must hold 160 hexadecimal digits, not " + std::to_string(sHex.size()));
    }
    for (std::size_t i = 0; i < kByteBlockSize; ++i) {
      int iHigh = HexDigitValue(sHex[2 * i]);
      int iLow = HexDigitValue(sHex[2 * i + 1]);
      if (iHigh < 0 || iLow < 0) theWhere.Fail("holds a character that is not a hexadecimal digit");
      theBytes[i] = static_cast<uint8_t>(iHigh * 16 + iLow);
    }
    return;
  }
  if (!theValue.is_array() || theValue.size() != kByteBlockSize) {
    theWhere.Fail("must be 160 hexadecimal digits or a list of 80 bytes");
  }
  for (std::size_t i = 0; i < kByteBlockSize; ++i) {
    theBytes[i] = static_cast<uint8_t>(ReadUnsigned(theValue.at(i), theWhere[i], 0xFF));
  }
}

template <typename T>
void Store(void* theObject, const ElementField& theField, T theValue) {
  std::memcpy(static_cast<char*>(theObject) + theField.uOffset, &theValue, sizeof(T));
}
template <typename T>
T Load(const void* theObject, const ElementField& theField) {
  T theValue;
  std::memcpy(&theValue, static_cast<const char*>(theObject) + theField.uOffset, sizeof(T));
  return theValue;
}

}  // namespace

void ReadFields(World& theWorld, void* theObject, const json& theValue, const Where& theWhere, Fields theFields,
                std::vector<const char*> theOthers) {
  for (const ElementField& theField : theFields) theOthers.push_back(theField.sKey);
  CheckObject(theValue, theWhere, theOthers);
  for (const ElementField& theField : theFields) {
    auto it = theValue.find(theField.sKey);
    if (it == theValue.end()) continue;
    Where theAt = theWhere[theField.sKey];
    switch (theField.eKind) {
      case FieldKind::kFloat: Store(theObject, theField, ReadFloat(*it, theAt)); break;
      case FieldKind::kUInt8: Store(theObject, theField, static_cast<uint8_t>(ReadUnsigned(*it, theAt, 0xFF))); break;
      case FieldKind::kUInt32:
        Store(theObject, theField, static_cast<uint32_t>(ReadUnsigned(*it, theAt, 0xFFFFFFFF)));
        break;
      case FieldKind::kInt32: Store(theObject, theField, ReadInt32(*it, theAt)); break;
      case FieldKind::kUInt64: Store(theObject, theField, ReadUnsigned(*it, theAt, UINT64_MAX)); break;
      case FieldKind::kForm:
      case FieldKind::kPropertyForm:
      case FieldKind::kOptionalPropertyForm: Store(theObject, theField, ReadForm(theWorld, *it, theAt)); break;
      case FieldKind::kString: Store(theObject, theField, ReadString(theWorld, *it, theAt)); break;
      case FieldKind::kByteBlock: ReadBlock(*it, theAt, static_cast<uint8_t*>(theObject) + theField.uOffset); break;
      case FieldKind::kAddress:
        Store(theObject, theField, ReadBool(*it, theAt) ? theWorld.theHeap.Allocate(kAddressedObjectSize) : nullptr);
        break;
    }
  }
}

json DumpFields(const void* theObject, Fields theFields) {
  json theResult = json::object();
  for (const ElementField& theField : theFields) {
    json& theValue = theResult[theField.sKey];
    switch (theField.eKind) {
      case FieldKind::kFloat: theValue = DumpFloat(Load<float>(theObject, theField)); break;
      case FieldKind::kUInt8: theValue = Load<uint8_t>(theObject, theField); break;
      case FieldKind::kUInt32: theValue = Load<uint32_t>(theObject, theField); break;
      case FieldKind::kInt32: theValue = Load<int32_t>(theObject, theField); break;
      case FieldKind::kUInt64: theValue = Load<uint64_t>(theObject, theField); break;
      case FieldKind::kForm:
      case FieldKind::kPropertyForm:
      case FieldKind::kOptionalPropertyForm: theValue = DumpForm(Load<game::TESForm*>(theObject, theField)); break;
      case FieldKind::kString: theValue = DumpString(Load<game::BSFixedString>(theObject, theField)); break;
      case FieldKind::kAddress: theValue = Load<const void*>(theObject, theField) != nullptr; break;
      case FieldKind::kByteBlock: {
        std::string sHex;
        const auto* theBytes = static_cast<const uint8_t*>(theObject) + theField.uOffset;
        for (std::size_t i = 0; i < kByteBlockSize; ++i) {
          static const char kDigits[] = "0123456789ABCDEF";
          sHex += kDigits[theBytes[i] >> 4];
          sHex += kDigits[theBytes[i] & 0xF];
        }
        theValue = sHex;
        break;
      }
    }
  }
  return theResult;
}

}  // namespace sim::worldfile

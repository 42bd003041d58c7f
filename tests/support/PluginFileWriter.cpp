#include "support/PluginFileWriter.h"

#include <zlib.h>

#include <stdexcept>

namespace zorvane::test {
namespace {

std::string MakeRecordHeader(const std::string& sType, uint32_t uSize, uint32_t uFlags, uint32_t uFormID) {
  if (sType.size() != 4) throw std::invalid_argument("a record or group type has four letters: " + sType);
  return sType + MakeU32(uSize) + MakeU32(uFlags) + MakeU32(uFormID) + MakeU32(0) + std::string(4, '\0');
}

std::string Compress(const std::string& sData) {
  uLongf uSize = compressBound(static_cast<uLong>(sData.size()));
  std::string sStream(uSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(sStream.data()), &uSize, reinterpret_cast<const Bytef*>(sData.data()),
                static_cast<uLong>(sData.size()), Z_BEST_SPEED) != Z_OK) {
    throw std::runtime_error("zlib could not compress a record");
  }
  sStream.resize(uSize);
  return sStream;
}

}  // namespace

std::string MakeU32(uint32_t uValue) {
  std::string sBytes(4, '\0');
  for (int i = 0; i < 4; ++i) sBytes[i] = static_cast<char>((uValue >> (8 * i)) & 0xFF);
  return sBytes;
}

std::string MakeField(const std::string& sType, const std::string& sData) {
  std::string sBytes;
  uint32_t uShortSize = static_cast<uint32_t>(sData.size());
  if (sData.size() > 0xFFFF) {
    sBytes = "XXXX" + std::string("\x04\x00", 2) + MakeU32(uShortSize);
    uShortSize = 0;
  }
  sBytes += sType;
  sBytes += static_cast<char>(uShortSize & 0xFF);
  sBytes += static_cast<char>((uShortSize >> 8) & 0xFF);
  return sBytes + sData;
}

PluginFileWriter::PluginFileWriter(std::ostream& theOut, uint32_t uHeaderFlags,
                                   const std::vector<std::string>& theMasters)
    : theOut(theOut), bLocalized((uHeaderFlags & kPluginLocalizedFlag) != 0) {
  // HEDR: version 0.96 as a float, the number of records (filled in by Finish), next object ID.
  std::string sFields = MakeField("HEDR", std::string("\x8F\xC2\x75\x3F", 4) + MakeU32(0) + MakeU32(0x800));
  for (const std::string& sMaster : theMasters) {
    sFields += MakeField("MAST", sMaster + '\0') + MakeField("DATA", std::string(8, '\0'));
  }
  Write(MakeRecordHeader("TES4", static_cast<uint32_t>(sFields.size()), uHeaderFlags, 0));
  uRecordCountAt = GetPosition() + 6 + 4;
  Write(sFields);
}

uint64_t PluginFileWriter::AddRecord(const PluginRecordToWrite& theRecord) {
  std::string sFields;
  if (!theRecord.sEditorID.empty()) sFields += MakeField("EDID", theRecord.sEditorID + '\0');
  if (theRecord.theBounds) {
    std::string sBounds;
    for (int16_t iValue : *theRecord.theBounds) {
      sBounds += static_cast<char>(static_cast<uint16_t>(iValue) & 0xFF);
      sBounds += static_cast<char>(static_cast<uint16_t>(iValue) >> 8);
    }
    sFields += MakeField("OBND", sBounds);
  }
  if (bLocalized && theRecord.uFullNameID != 0) sFields += MakeField("FULL", MakeU32(theRecord.uFullNameID));
  if (!bLocalized && !theRecord.sFullName.empty()) sFields += MakeField("FULL", theRecord.sFullName + '\0');
  for (const auto& [sType, sData] : theRecord.theMoreFields) sFields += MakeField(sType, sData);
  uint32_t uFlags = 0;
  if (theRecord.bCompressed) {
    uFlags |= kRecordCompressedFlag;
    sFields = MakeU32(theRecord.uStatedSize.value_or(static_cast<uint32_t>(sFields.size()))) + Compress(sFields);
  }
  const uint64_t uOffset = GetPosition();
  Write(MakeRecordHeader(theRecord.sType, static_cast<uint32_t>(sFields.size()), uFlags, theRecord.uFormID));
  Write(sFields);
  ++uRecords;
  return uOffset;
}

uint64_t PluginFileWriter::BeginGroup(const std::string& sLabel, int32_t iGroupType) {
  if (sLabel.size() != 4) throw std::invalid_argument("a group's label has four bytes");
  const uint64_t uOffset = GetPosition();
  theOpenGroups.push_back(uOffset);
  Write("GRUP" + MakeU32(0) + sLabel + MakeU32(static_cast<uint32_t>(iGroupType)) + std::string(8, '\0'));
  return uOffset;
}

void PluginFileWriter::EndGroup() {
  if (theOpenGroups.empty()) throw std::logic_error("EndGroup without a group");
  const uint64_t uEnd = GetPosition();
  const uint64_t uStart = theOpenGroups.back();
  theOpenGroups.pop_back();
  theOut.seekp(static_cast<std::streamoff>(uStart + 4));
  Write(MakeU32(static_cast<uint32_t>(uEnd - uStart)));
  theOut.seekp(static_cast<std::streamoff>(uEnd));
}

void PluginFileWriter::Finish() {
  while (!theOpenGroups.empty()) EndGroup();
  const uint64_t uEnd = GetPosition();
  theOut.seekp(static_cast<std::streamoff>(uRecordCountAt));
  Write(MakeU32(uRecords));
  theOut.seekp(static_cast<std::streamoff>(uEnd));
  theOut.flush();
  if (!theOut) throw std::runtime_error("the plugin file could not be written");
}

void PluginFileWriter::Write(const std::string& sBytes) {
  theOut.write(sBytes.data(), static_cast<std::streamsize>(sBytes.size()));
}

uint64_t PluginFileWriter::GetPosition() { return static_cast<uint64_t>(theOut.tellp()); }

}  // namespace zorvane::test

// The plugin file reader: the header record, then every record and group in turn, each
// header's size checked against what holds it (its group, or the file) before anything in it
// is read. A group's end is kept on a stack; records that are not wanted are passed over
// without their data being read.
#include "checker/PluginFileReader.h"

#include <cstdio>
#include <unordered_set>
#include <vector>

#include "checker/PluginByteSource.h"
#include "checker/PluginRecordData.h"
#include "core/Text.h"

namespace zorvane::shipfile {
namespace {

constexpr uint64_t kHeaderSize = 24;
constexpr uint32_t kLocalizedFlag = 0x80;
constexpr uint32_t kMasterFlag = 0x1;
constexpr uint32_t kSmallFlag = 0x100;
constexpr uint32_t kMediumFlag = 0x400;
constexpr uint32_t kCompressedFlag = 0x00040000;

std::string FormatHex(uint32_t uValue, int iDigits) {
  char sText[16];
  std::snprintf(sText, sizeof(sText), "0x%0*X", iDigits, static_cast<unsigned>(uValue));
  return sText;
}

// A record's or a group's 24-byte header, copied out of the source.
struct Header {
  uint64_t uOffset = 0;
  std::string sType;
  uint32_t uSize = 0;    // a record's data size; a group's whole size
  uint32_t uFlags = 0;   // a record's flags; a group's label
  uint32_t uFormID = 0;  // a record's form ID; a group's type
  std::string Describe() const {
    if (sType == "GRUP") {
      const std::string sLabel(reinterpret_cast<const char*>(&uFlags), 4);
      return uFormID == 0 ? "top group " + DescribeType(sLabel) : "group of type " + std::to_string(uFormID);
    }
    return "record " + DescribeType(sType) + " (form ID " + FormatHex(uFormID, 8) + ")";
  }
};

class PluginReader {
 public:
  // `bHeaderOnly`: the header record alone, for a file's kind and masters.
  PluginReader(ByteSource& theSource, const std::string& sName, const WantedForms* theWanted, bool bHeaderOnly = false)
      : theSource(theSource), theWanted(theWanted), sLowerName(ToLowerAscii(sName)), bHeaderOnly(bHeaderOnly) {
    theContents.sName = sName;
  }

  PluginFileContents Read() {
    if (!ReadHeaderRecord() || bHeaderOnly) return std::move(theContents);
    if (theWanted != nullptr) SortWantedByIndex();
    ReadRecordsAndGroups();
    return std::move(theContents);
  }

 private:
  bool Fail(uint64_t uOffset, const std::string& sWhat) {
    theContents.theError = PluginReadError{theContents.sName, uOffset, sWhat};
    return false;
  }

  // The header at uPos, which holds at least its 24 bytes before uLimit.
  bool GetHeader(uint64_t uPos, uint64_t uLimit, Header& theHeader) {
    const char* sWhere = uLimit == theSource.GetSize() && theGroupEnds.empty() ? "the file" : "its group";
    if (uLimit - uPos < kHeaderSize) {
      return Fail(uPos, std::string("a 24-byte header runs past the end of ") + sWhere + " (" +
                            std::to_string(uLimit - uPos) + " bytes remain)");
    }
    const char* theBytes = theSource.Peek(uPos, kHeaderSize);
    if (theBytes == nullptr) return Fail(uPos, "the file cannot be read here");
    theHeader = {uPos, std::string(theBytes, 4), GetU32(theBytes + 4), GetU32(theBytes + 8), GetU32(theBytes + 12)};
    const bool bGroup = theHeader.sType == "GRUP";
    if (bGroup && theHeader.uSize < kHeaderSize) {
      return Fail(uPos, theHeader.Describe() + " has a size of " + std::to_string(theHeader.uSize) +
                            " bytes, less than its 24-byte header");
    }
    const uint64_t uLength = bGroup ? theHeader.uSize : kHeaderSize + theHeader.uSize;
    if (uLength > uLimit - uPos) {
      return Fail(uPos, theHeader.Describe() + " of " + std::to_string(uLength) + " bytes runs past the end of " +
                            sWhere + " (" + std::to_string(uLimit - uPos) + " bytes remain)");
    }
    return true;
  }

  // The record's fields, decompressed when the record is compressed.
  bool GetFields(const Header& theRecord, std::string_view& sFields, bool& bDecompressed) {
    if (theRecord.uSize > kMaxRecordData) {
      return Fail(theRecord.uOffset, theRecord.Describe() + " has " + std::to_string(theRecord.uSize) +
                                         " bytes of data, more than the " + std::to_string(kMaxRecordData >> 20) +
                                         " MB a record may have");
    }
    const char* theData = theSource.Peek(theRecord.uOffset + kHeaderSize, theRecord.uSize);
    if (theData == nullptr) return Fail(theRecord.uOffset, "the file cannot be read here");
    sFields = std::string_view(theData, theRecord.uSize);
    bDecompressed = (theRecord.uFlags & kCompressedFlag) != 0;
    if (!bDecompressed) return true;
    if (std::optional<std::string> sProblem = DecompressRecordData(sFields, sDecompressed)) {
      return Fail(theRecord.uOffset, theRecord.Describe() + " is compressed, but " + *sProblem);
    }
    sFields = sDecompressed;
    return true;
  }

  // Walks the record's fields with Visit; a problem is reported where its field starts (in a
  // compressed record: where the record starts, with the field's place in the decompressed data).
  template <typename Fn>
  bool WalkFields(const Header& theRecord, Fn Visit) {
    std::string_view sFields;
    bool bDecompressed = false;
    if (!GetFields(theRecord, sFields, bDecompressed)) return false;
    const std::optional<FieldProblem> theProblem = ForEachField(sFields, Visit);
    if (!theProblem) return true;
    if (bDecompressed) {
      return Fail(theRecord.uOffset, theRecord.Describe() + ", at byte " + std::to_string(theProblem->uOffset) +
                                         " of its decompressed data: " + theProblem->sWhat);
    }
    return Fail(theRecord.uOffset + kHeaderSize + theProblem->uOffset, theRecord.Describe() + ": " + theProblem->sWhat);
  }

  bool ReadHeaderRecord() {
    if (theSource.GetSize() < kHeaderSize) {
      return Fail(0, "too short to be a plugin file (" + std::to_string(theSource.GetSize()) +
                         " bytes, less than a 24-byte record header)");
    }
    Header theRecord;
    if (!GetHeader(0, theSource.GetSize(), theRecord)) {
      if (theRecord.sType == "TES4") return false;
    }
    if (theRecord.sType != "TES4") {
      return Fail(
          0, "not a plugin file: it starts with \"" + DescribeType(theRecord.sType) + "\", not with a TES4 record");
    }
    theContents.uHeaderFlags = theRecord.uFlags;
    theContents.bMaster = (theRecord.uFlags & kMasterFlag) != 0;
    theContents.bLocalized = (theRecord.uFlags & kLocalizedFlag) != 0;
    if ((theRecord.uFlags & kSmallFlag) && (theRecord.uFlags & kMediumFlag)) {
      return Fail(0, "the header's flags " + FormatHex(theRecord.uFlags, 8) +
                         " mark the file both small (0x100) and medium (0x400)");
    }
    theContents.eKind = (theRecord.uFlags & kSmallFlag)    ? PluginKind::kSmall
                        : (theRecord.uFlags & kMediumFlag) ? PluginKind::kMedium
                                                           : PluginKind::kFull;
    const auto ReadField = [&](std::string_view sType, std::string_view sData) -> std::optional<std::string> {
      if (sType == "HEDR" && sData.size() != 12)
        return "field HEDR holds " + std::to_string(sData.size()) + " bytes, not 12";
      if (sType == "MAST") {
        theContents.theMasters.push_back(GetFieldText(sData));
        theLowerMasters.push_back(ToLowerAscii(theContents.theMasters.back()));
      }
      return std::nullopt;
    };
    const bool bRead = WalkFields(theRecord, ReadField);
    uPos = kHeaderSize + theRecord.uSize;
    return bRead;
  }

  // The wanted local IDs by the index a form ID of the file gives their file (one index for
  // each master, then the file's own), so that a record is passed over without a text made.
  void SortWantedByIndex() {
    theWantedByIndex.resize(theLowerMasters.size() + 1);
    for (const FormKey& theKey : theWanted->theForms) {
      const std::string sFile = ToLowerAscii(theKey.sFile);
      for (std::size_t i = 0; i < theLowerMasters.size(); ++i) {
        if (theLowerMasters[i] == sFile) theWantedByIndex[i].insert(theKey.uLocalID);
      }
      if (sFile == sLowerName) theWantedByIndex.back().insert(theKey.uLocalID);
    }
  }

  void ReadRecordsAndGroups() {
    const uint64_t uSize = theSource.GetSize();
    while (true) {
      while (!theGroupEnds.empty() && theGroupEnds.back() == uPos) theGroupEnds.pop_back();
      const uint64_t uLimit = theGroupEnds.empty() ? uSize : theGroupEnds.back();
      if (uPos == uLimit) return;
      Header theHeader;
      if (!GetHeader(uPos, uLimit, theHeader)) return;
      if (theHeader.sType == "GRUP") {
        theGroupEnds.push_back(uPos + theHeader.uSize);
        uPos += kHeaderSize;
        continue;
      }
      if (!ReadRecord(theHeader)) return;
      uPos += kHeaderSize + theHeader.uSize;
    }
  }

  bool ReadRecord(const Header& theRecord) {
    const uint32_t uIndex = theRecord.uFormID >> 24;
    const uint32_t uLocalID = theRecord.uFormID & 0xFFFFFF;
    const std::size_t uMasters = theLowerMasters.size();
    if (uIndex > uMasters) {
      return Fail(theRecord.uOffset, theRecord.Describe() + " names no master (the file has " +
                                         std::to_string(uMasters) + (uMasters == 1 ? " master)" : " masters)"));
    }
    const bool bOwn = uIndex == uMasters;
    if (bOwn && theContents.eKind != PluginKind::kFull) {
      const bool bSmall = theContents.eKind == PluginKind::kSmall;
      if (uLocalID > (bSmall ? 0xFFFu : 0xFFFFu)) {
        return Fail(theRecord.uOffset,
                    theRecord.Describe() + " is outside the range of a " +
                        (bSmall ? "small file's own forms (0x000-0xFFF)" : "medium file's own forms (0x0000-0xFFFF)"));
      }
    }
    if (theWanted != nullptr && theWantedByIndex[uIndex].count(uLocalID) == 0) return true;
    PluginRecord theEntry{theRecord.sType, {}, std::nullopt, theContents.sName};
    const auto ReadField = [&](std::string_view sType, std::string_view sData) -> std::optional<std::string> {
      if (sType == "EDID") {
        theEntry.sEditorID = GetFieldText(sData);
      } else if (sType == "OBND") {
        if (sData.size() != 12) return "field OBND holds " + std::to_string(sData.size()) + " bytes, not 12";
        std::array<int16_t, 6> theBounds{};
        for (std::size_t i = 0; i < 6; ++i) theBounds[i] = static_cast<int16_t>(GetU16(sData.data() + 2 * i));
        theEntry.theBounds = theBounds;
      }
      return std::nullopt;
    };
    if (!WalkFields(theRecord, ReadField)) return false;
    if (bOwn) {
      theContents.theOwnForms.insert_or_assign(uLocalID, std::move(theEntry));
    } else {
      theContents.theOverrides.emplace_back(FormKey{theLowerMasters[uIndex], uLocalID}, std::move(theEntry));
    }
    return true;
  }

  ByteSource& theSource;
  const WantedForms* theWanted;
  std::string sLowerName;
  bool bHeaderOnly = false;
  PluginFileContents theContents;
  std::vector<std::string> theLowerMasters;
  std::vector<std::unordered_set<uint32_t>> theWantedByIndex;
  std::vector<uint64_t> theGroupEnds;  // where each group that holds uPos ends, innermost last
  uint64_t uPos = 0;
  std::string sDecompressed;  // the fields of the last compressed record read
};

}  // namespace

std::string PluginReadError::Describe() const {
  return sFile + ": " + sWhat + " (at byte " + std::to_string(uOffset) + ")";
}

PluginFileContents ReadPluginFile(const std::filesystem::path& thePath, const std::string& sName,
                                  const WantedForms* theWanted) {
  FileByteSource theSource(thePath);
  if (!theSource.IsOpen()) {
    PluginFileContents theContents;
    theContents.sName = sName;
    theContents.theError = PluginReadError{sName, 0, "the file cannot be opened"};
    return theContents;
  }
  return PluginReader(theSource, sName, theWanted).Read();
}

PluginFileContents ReadPluginBytes(std::string_view sBytes, const std::string& sName, const WantedForms* theWanted) {
  MemoryByteSource theSource(sBytes);
  return PluginReader(theSource, sName, theWanted).Read();
}

PluginFileContents ReadPluginHeaderBytes(std::string_view sBytes, const std::string& sName) {
  MemoryByteSource theSource(sBytes);
  return PluginReader(theSource, sName, nullptr, true).Read();
}

}  // namespace zorvane::shipfile

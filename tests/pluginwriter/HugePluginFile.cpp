#include "HugePluginFile.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>

#include "support/PluginFileWriter.h"

namespace zorvane::test {
namespace {

constexpr uint32_t kKnownRecords = 16;
constexpr uint32_t kFirstLocalID = 0x000100;  // the huge ship of the speed measurements names 0x100 on
constexpr uint32_t kTopGroupRecords = 10000;
constexpr uint32_t kMiddleGroupRecords = 1000;
constexpr uint32_t kInnerGroupRecords = 100;
const char* const kTypes[] = {"GBFM", "STAT", "MISC", "FURN", "CONT", "ACTI", "LIGH", "BOOK"};

std::string FormatLocalID(uint32_t uLocalID) {
  char sText[16];
  std::snprintf(sText, sizeof(sText), "%06X", uLocalID);
  return sText;
}

}  // namespace

HugePluginSummary WriteHugePluginFile(const std::filesystem::path& thePath, uint32_t uRecords, uint32_t uSeed) {
  if (uRecords > 0xFFFFFF - kFirstLocalID) throw std::invalid_argument("too many records for a file's local IDs");
  std::ofstream theOut(thePath, std::ios::binary);
  if (!theOut) throw std::runtime_error("cannot write " + thePath.string());
  const std::string sFileName = thePath.filename().string();
  HugePluginSummary theSummary;
  PluginFileWriter theWriter(theOut, kPluginMasterFlag, {"Starfield.esm"});
  std::mt19937 theRandom(uSeed);
  // Filler a little compressible, as real record data is: words from a small alphabet.
  std::string sFiller(445, ' ');
  for (uint32_t i = 0; i < uRecords; ++i) {
    // Groups of 100 records inside groups of 1,000 inside top groups of 10,000.
    const bool bTop = i % kTopGroupRecords == 0, bMiddle = i % kMiddleGroupRecords == 0;
    const bool bInner = i % kInnerGroupRecords == 0;
    if (i != 0) {
      for (bool bEnds : {bInner, bMiddle, bTop}) {
        if (bEnds) theWriter.EndGroup();
      }
    }
    if (bTop) theWriter.BeginGroup(kTypes[(i / kTopGroupRecords) % std::size(kTypes)]);
    if (bMiddle) theWriter.BeginGroup(MakeU32(i), 1);
    if (bInner) theWriter.BeginGroup(MakeU32(i), 2);
    theSummary.uGroups += (bTop ? 1 : 0) + (bMiddle ? 1 : 0) + (bInner ? 1 : 0);
    PluginRecordToWrite theRecord;
    theRecord.sType = kTypes[(i / kTopGroupRecords) % std::size(kTypes)];
    theRecord.uFormID = 0x01000000 | (kFirstLocalID + i);
    char sEditorID[32];
    std::snprintf(sEditorID, sizeof(sEditorID), i < kKnownRecords ? "HugeKnown%02u" : "HugeForm%07u", i);
    theRecord.sEditorID = sEditorID;
    const int16_t iSize = static_cast<int16_t>(1 + i % 100);
    const int16_t iLow = static_cast<int16_t>(-iSize);
    theRecord.theBounds = std::array<int16_t, 6>{iLow, iLow, 0, iSize, iSize, iSize};
    for (char& chFiller : sFiller) chFiller = "abcdefgh ijklmnop"[theRandom() % 17];
    theRecord.theMoreFields = {{"DESC", sFiller}};
    theRecord.bCompressed = i % 10 == 9;
    theSummary.uCompressed += theRecord.bCompressed ? 1 : 0;
    theWriter.AddRecord(theRecord);
    if (i < kKnownRecords) {
      theSummary.theKnownForms.push_back(FormatLocalID(kFirstLocalID + i) + "|" + sFileName + " " + theRecord.sType +
                                         " " + theRecord.sEditorID);
    }
  }
  theWriter.Finish();
  theSummary.uRecords = theWriter.GetRecordCount();
  theSummary.uBytes = static_cast<uint64_t>(theOut.tellp());
  return theSummary;
}

}  // namespace zorvane::test

#pragma once
// Writes plugin files for tests and tools: the header record with its flags and masters, then
// records and (nested) groups, each record plain or compressed, a field longer than a u16 can
// size preceded by XXXX. Writes go to a stream; a group's size is filled in when it ends.

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace zorvane::test {

inline constexpr uint32_t kPluginMasterFlag = 0x1;
inline constexpr uint32_t kPluginLocalizedFlag = 0x80;
inline constexpr uint32_t kPluginSmallFlag = 0x100;
inline constexpr uint32_t kPluginMediumFlag = 0x400;
inline constexpr uint32_t kRecordCompressedFlag = 0x00040000;

struct PluginRecordToWrite {
  std::string sType{};                                // four letters
  uint32_t uFormID = 0;                               // as the file holds it: master index in the top byte
  std::string sEditorID{};                            // EDID, when not empty
  std::optional<std::array<int16_t, 6>> theBounds{};  // OBND
  std::string sFullName{};                            // FULL as text, when not empty and the file is not localized
  uint32_t uFullNameID = 0;                           // FULL as a string ID, when not zero and the file is localized
  std::vector<std::pair<std::string, std::string>> theMoreFields{};  // type and data, written last
  bool bCompressed = false;
  std::optional<uint32_t> uStatedSize{};  // a compressed record's stated size, when not the true one
};

class PluginFileWriter {
 public:
  // Writes the header record to `theOut`, which must stay open until Finish.
  PluginFileWriter(std::ostream& theOut, uint32_t uHeaderFlags, const std::vector<std::string>& theMasters);

  // Each gives the byte offset where the record's or group's header starts.
  uint64_t AddRecord(const PluginRecordToWrite& theRecord);
  uint64_t BeginGroup(const std::string& sLabel, int32_t iGroupType = 0);  // label: four bytes
  void EndGroup();
  // Ends every open group and writes the number of records into the header.
  void Finish();

  uint32_t GetRecordCount() const { return uRecords; }

 private:
  void Write(const std::string& sBytes);
  uint64_t GetPosition();

  std::ostream& theOut;
  bool bLocalized = false;
  uint64_t uRecordCountAt = 0;
  uint32_t uRecords = 0;
  std::vector<uint64_t> theOpenGroups;  // where each open group's header starts
};

// A field's bytes: its header (with XXXX before it when the data is longer than 65535 bytes).
std::string MakeField(const std::string& sType, const std::string& sData);
std::string MakeU32(uint32_t uValue);

// The bytes of a whole plugin file made by `Fill` with a writer.
template <typename Fn>
std::string MakePluginBytes(uint32_t uHeaderFlags, const std::vector<std::string>& theMasters, Fn Fill) {
  std::ostringstream theOut;
  PluginFileWriter theWriter(theOut, uHeaderFlags, theMasters);
  Fill(theWriter);
  theWriter.Finish();
  return theOut.str();
}

}  // namespace zorvane::test

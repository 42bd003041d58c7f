// The game's form type codes and the record types of plugin files: a code is the position of
// its record type in this list.
#include <string_view>
#include <unordered_map>

#include "checker/PluginFileReader.h"

namespace zorvane::shipfile {
namespace {

constexpr std::string_view kRecordTypes =
    "NONETES4GRUPGMSTKYWDFFKWLCRTAACTTRNSTXSTGLOBDMGTCLASFACTAFFEHDPT"
    "EYESRACESOUNSECHASPCAOPFSKILMGEFSCPTLTEXPDCLENCHSPELSCRLACTITACT"
    "CURVCUR3ARMOBOOKCONTDOORINGRLIGHMISCSTATSCOLPKINMSTTGRASFLORFURN"
    "WEAPAMMONPC_LVLNLVLPKEYMALCHIDLMBMMONOTEPROJHAZDBNDSSLGMTERMLVLI"
    "GBFTGBFMLVLBWTHRWTHSCLMTSPGDREGNNAVICELLREFRACHRPMISPARWPGREPBEA"
    "PFLAPCONPPLAPBARPEMIPHZDWRLDNAVMTLODDIALINFOQUSTIDLEPACKCSTYLSCR"
    "LVSPANIOWATREFSHTOFTEXPLDEBRIMGSIMADFLSTPERKBPTDADDNAVIFCAMSCPTH"
    "VTYPMATTIPCTIPDSARMALCTNMESGRGDLDOBJDFOBLGTMMUSCFSTPFSTSSMBNSMQN"
    "SMENDLBRMUSTDLVWWOOPSHOUEQUPRELASCENASTPOTFTARTOMATOMOVTDUALCOLL"
    "CLFMREVBRFGPAMDLAAMDMAAMLAYRCOBJOMODZOOMINNRKSSMSCCOAORUSTAGIRES"
    "BIOMNOCMLENSLSPROVISDLYRSTNDSTMPGCVRMRPHTRAVRSGDOSWPATMOLVSCSPCH"
    "RESOAAPDVOLISFBKSFPCSFPTSFTRPCMTBMODSTBHPNDTIUTFCNDFPCBNPCCNSTDT"
    "WWEDRSPJAOPSAMBSWBARPTSTLMSWFORCTMLMEFSQSDLTMTPTCLDFFOGVWKMFLGDI"
    "PSDCSUNPPMFTTODDAVMDPERSCHAL";
constexpr std::size_t kTypeCount = kRecordTypes.size() / 4;
static_assert(kRecordTypes.size() % 4 == 0 && kTypeCount == 0xD7, "one four-letter type per code 0x00-0xD6");

const std::unordered_map<std::string_view, uint8_t>& GetCodesByType() {
  static const std::unordered_map<std::string_view, uint8_t> theCodes = [] {
    std::unordered_map<std::string_view, uint8_t> theMap;
    for (std::size_t i = 0; i < kTypeCount; ++i) theMap.emplace(kRecordTypes.substr(4 * i, 4), static_cast<uint8_t>(i));
    return theMap;
  }();
  return theCodes;
}

}  // namespace

std::optional<uint8_t> GetFormTypeCode(std::string_view sRecordType) {
  const auto itCode = GetCodesByType().find(sRecordType);
  if (itCode == GetCodesByType().end()) return std::nullopt;
  return itCode->second;
}

std::string GetRecordType(uint8_t uFormType) {
  if (uFormType >= kTypeCount) return {};
  return std::string(kRecordTypes.substr(4 * std::size_t{uFormType}, 4));
}

}  // namespace zorvane::shipfile

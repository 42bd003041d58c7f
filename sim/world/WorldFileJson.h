#pragma once
// Reading and writing the values of world files (sim/README.md): every read checks the JSON
// type and range and names the value's place in the file when it fails, so a wrong world
// file is refused with a message a test author can act on.

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "World.h"

namespace sim::worldfile {

using nlohmann::json;

// The place of a value in the file, as "references[3] (0xFF000A01).extra[0].kind".
class Where {
 public:
  explicit Where(std::string sPath) : sPath(std::move(sPath)) {}
  Where operator[](const std::string& sMember) const { return Where(sPath + "." + sMember); }
  Where operator[](std::size_t uIndex) const { return Where(sPath + "[" + std::to_string(uIndex) + "]"); }
  // The same place with the form ID of the object described there.
  Where WithFormID(uint32_t uFormID) const;

  // Throws std::runtime_error("<place>: <problem>").
  [[noreturn]] void Fail(const std::string& sProblem) const;

 private:
  std::string sPath;
};

// A value as a refusal shows it: its JSON text, at most 80 characters of it. Names read
// from the file (members, plugin files, component types, commands) are shown through it too.
inline constexpr std::size_t kShownValueLength = 80;
std::string DescribeValue(const json& theValue);

// Checks that `theValue` is an object whose members are all among `theAllowed`.
void CheckObject(const json& theValue, const Where& theWhere, const std::vector<const char*>& theAllowed);
void CheckArray(const json& theValue, const Where& theWhere);

bool ReadBool(const json& theValue, const Where& theWhere);
std::string ReadText(const json& theValue, const Where& theWhere);
// A JSON number, or "inf", "-inf" or "nan".
float ReadFloat(const json& theValue, const Where& theWhere);
// A JSON number or "0x" hexadecimal text, in [0, uMax].
uint64_t ReadUnsigned(const json& theValue, const Where& theWhere, uint64_t uMax);
int32_t ReadInt32(const json& theValue, const Where& theWhere);
uint32_t ReadFormID(const json& theValue, const Where& theWhere);

// A form of the world by form ID; null for JSON null. An ID the world lacks is refused.
game::TESForm* ReadForm(const World& theWorld, const json& theValue, const Where& theWhere);
game::TESObjectREFR* ReadReference(const World& theWorld, const json& theValue, const Where& theWhere);
game::TESObjectCELL* ReadCell(const World& theWorld, const json& theValue, const Where& theWhere);
// A keyword (type 4) of the world; never null.
game::TESForm* ReadKeyword(const World& theWorld, const json& theValue, const Where& theWhere);

// An interned string: text, null (an empty handle) or {"indirect": text} (a pool entry that
// stands for the entry of the text).
game::BSFixedString ReadString(World& theWorld, const json& theValue, const Where& theWhere);

// Members of an object, or `theDefault` when the member is absent.
bool ReadBoolMember(const json& theObject, const char* sName, const Where& theWhere, bool bDefault);
std::string ReadTextMember(const json& theObject, const char* sName, const Where& theWhere);
float ReadFloatMember(const json& theObject, const char* sName, const Where& theWhere, float fDefault);
uint64_t ReadUnsignedMember(const json& theObject, const char* sName, const Where& theWhere, uint64_t uMax,
                            uint64_t uDefault);

json DumpFormID(uint32_t uFormID);
json DumpForm(const game::TESForm* theForm);  // null for null
json DumpFloat(float fValue);                 // the shortest text that reads back as the same float
json DumpString(const game::BSFixedString& theString);

}  // namespace sim::worldfile

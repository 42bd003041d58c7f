// The command tables of a world file: a file that describes a table replaces the game's
// table with the entries it lists, so a test can make a table that lacks an entry, ends
// early or describes a parameter differently.
#include <cstdio>

#include "WorldFileParts.h"

namespace sim::worldfile {
namespace {

const char* ReadOptionalText(World& theWorld, const json& theValue, const Where& theWhere) {
  return theValue.is_null() ? nullptr : theWorld.KeepText(ReadText(theValue, theWhere));
}

game::CommandEntry ReadGameEntry(World& theWorld, const std::string& sLongName, const Where& theWhere) {
  game::CommandEntry theEntry{};
  if (!MakeDefaultCommandEntry(theWorld, sLongName, theEntry))
    theWhere.Fail("the game has no command " + DescribeValue(sLongName));
  return theEntry;
}

game::CommandParam* ReadParams(World& theWorld, const json& theValue, const Where& theWhere) {
  if (theValue.is_null()) return nullptr;
  CheckArray(theValue, theWhere);
  std::vector<game::CommandParam> theParams;
  for (std::size_t i = 0; i < theValue.size(); ++i) {
    const json& theParam = theValue.at(i);
    CheckObject(theParam, theWhere[i], {"typeName", "typeID", "optional"});
    game::CommandParam theDescriptor{};
    theDescriptor.sTypeName = theWorld.KeepText(ReadTextMember(theParam, "typeName", theWhere[i]));
    theDescriptor.uTypeID = static_cast<uint32_t>(ReadUnsignedMember(theParam, "typeID", theWhere[i], 0xFFFFFFFF, 0));
    theDescriptor.bOptional = ReadBoolMember(theParam, "optional", theWhere[i], false) ? 1 : 0;
    theParams.push_back(theDescriptor);
  }
  return theWorld.KeepCommandParams(theParams);
}

game::CommandEntry ReadEntry(World& theWorld, const json& theValue, const Where& theWhere) {
  if (theValue.is_string()) return ReadGameEntry(theWorld, theValue.get<std::string>(), theWhere);
  CheckObject(theValue, theWhere,
              {"like", "longName", "shortName", "opcode", "helpText", "needsParent", "paramCount", "params", "handler",
               "flags"});
  game::CommandEntry theEntry{};
  if (theValue.contains("like")) {
    theEntry = ReadGameEntry(theWorld, ReadText(theValue.at("like"), theWhere["like"]), theWhere["like"]);
  } else if (!theValue.contains("longName") || !theValue.contains("opcode")) {
    theWhere.Fail("an entry not \"like\" one of the game's needs a \"longName\" and an \"opcode\"");
  }
  for (const auto& [sMember, theMember] : theValue.items()) {
    Where theAt = theWhere[sMember];
    if (sMember == "longName") theEntry.sLongName = ReadOptionalText(theWorld, theMember, theAt);
    if (sMember == "shortName") theEntry.sShortName = ReadOptionalText(theWorld, theMember, theAt);
    if (sMember == "helpText") theEntry.sHelpText = ReadOptionalText(theWorld, theMember, theAt);
    if (sMember == "opcode") theEntry.uOpcode = static_cast<uint32_t>(ReadUnsigned(theMember, theAt, 0xFFFFFFFF));
    if (sMember == "needsParent") theEntry.bNeedsParent = ReadBool(theMember, theAt) ? 1 : 0;
    if (sMember == "flags") theEntry.uFlags = static_cast<uint32_t>(ReadUnsigned(theMember, theAt, 0xFFFFFFFF));
    if (sMember == "params") {
      theEntry.theParams = ReadParams(theWorld, theMember, theAt);
      theEntry.uParamCount = theMember.is_array() ? static_cast<uint16_t>(theMember.size()) : 0;
    }
    if (sMember == "handler") {
      theEntry.theExecute =
          theMember.is_null() ? nullptr : ReadGameEntry(theWorld, ReadText(theMember, theAt), theAt).theExecute;
    }
  }
  // A count given apart from the descriptors may disagree with them, as a test may want.
  if (theValue.contains("paramCount")) {
    theEntry.uParamCount =
        static_cast<uint16_t>(ReadUnsigned(theValue.at("paramCount"), theWhere["paramCount"], 0xFFFF));
  }
  return theEntry;
}

}  // namespace

void LoadCommandTable(World& theWorld, CommandTable eTable, const json& theValue, const Where& theWhere) {
  CheckArray(theValue, theWhere);
  std::vector<game::CommandEntry> theTable;
  for (std::size_t i = 0; i < theValue.size(); ++i)
    theTable.push_back(ReadEntry(theWorld, theValue.at(i), theWhere[i]));
  // The game's scans stop only at an entry at the bound: every table ends with one.
  uint32_t uBound = GetCommandTableBound(eTable);
  if (theTable.empty() || theTable.back().uOpcode < uBound) {
    char sBound[16];
    std::snprintf(sBound, sizeof(sBound), "0x%X", uBound);
    theWhere.Fail(std::string("the last entry's opcode must be at least ") + sBound);
  }
  (eTable == CommandTable::kConsole ? theWorld.theConsoleCommands : theWorld.theScriptCommands) = std::move(theTable);
}

}  // namespace sim::worldfile

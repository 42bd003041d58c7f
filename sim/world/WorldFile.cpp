#include "WorldFile.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <set>
#include <stdexcept>

#include "WorldFileParts.h"

namespace sim {
namespace {

using nlohmann::json;
using worldfile::Where;

const std::vector<const char*> kWorldMembers = {"fullFiles",
                                                "smallFiles",
                                                "mediumFiles",
                                                "forms",
                                                "cells",
                                                "worldspaces",
                                                "references",
                                                "player",
                                                "homeShip",
                                                "workshopKeyword",
                                                "workshopLinkKeyword",
                                                "pilotingPerk",
                                                "cellManager",
                                                "dataHandler",
                                                "console",
                                                "consoleCommands",
                                                "scriptCommands",
                                                "playerPilotingRank"};

game::FileArrayKind GetArrayKind(const std::string& sKind) {
  if (sKind == "fullFiles") return game::kFullFiles;
  if (sKind == "smallFiles") return game::kSmallFiles;
  return game::kMediumFiles;
}

// How a kind of plugin file tells its files apart. A full file has a compile index of its
// own, below the ones the game keeps for small (0xFE), medium (0xFD) and runtime-created
// (0xFF) forms; small and medium files share their kind's compile index and are numbered
// within it. A file's number is its position unless the file gives it.
struct FileNumbering {
  const char* sKind;
  const char* sMember;
  const char* sNumber;  // the number as a refusal names it
  uint64_t uMax;
  uint8_t uCompileIndex;  // of every file of the kind; 0 for full files, whose number it is
};

FileNumbering GetNumbering(game::FileArrayKind eArray) {
  if (eArray == game::kSmallFiles) return {"small", "smallFileIndex", "small file index", 0xFFF, 0xFE};
  if (eArray == game::kMediumFiles) return {"medium", "mediumFileIndex", "medium file index", 0xFF, 0xFD};
  return {"full", "compileIndex", "compile index", 0xFC, 0};
}

uint64_t GetNumber(game::FileArrayKind eArray, const game::TESFile& theFile) {
  if (eArray == game::kSmallFiles) return theFile.uSmallFileIndex;
  if (eArray == game::kMediumFiles) return theFile.uMediumFileIndex;
  return theFile.uCompileIndex;
}

std::string FormatHex(uint64_t uValue) {
  char sBuffer[24];
  std::snprintf(sBuffer, sizeof(sBuffer), "0x%llX", static_cast<unsigned long long>(uValue));
  return sBuffer;
}

// Checks the entry of a file at `uPosition` of its kind's array against the files before it.
void CheckFileNumber(const World& theWorld, game::FileArrayKind eArray, const json& theEntry, std::size_t uPosition,
                     const Where& theWhere) {
  const FileNumbering theNumbering = GetNumbering(eArray);
  const Where theAt = theWhere[theNumbering.sMember];
  const uint64_t uNumber =
      worldfile::ReadUnsignedMember(theEntry, theNumbering.sMember, theWhere, UINT64_MAX, uPosition);
  if (uNumber > theNumbering.uMax) {
    theAt.Fail(std::string("a ") + theNumbering.sKind + " file's " +
               (eArray == game::kFullFiles ? "compile index" : "index") + " must be at most " +
               FormatHex(theNumbering.uMax) + ", not " + std::to_string(uNumber));
  }
  const game::TESDataHandler& theHandler = theWorld.theDataHandler;
  for (const game::TESFile* theOther : eArray == game::kSmallFiles    ? theHandler.theSmallFiles
                                       : eArray == game::kMediumFiles ? theHandler.theMediumFiles
                                                                      : theHandler.theFiles) {
    if (theOther != nullptr && GetNumber(eArray, *theOther) == uNumber) {
      theAt.Fail(std::string(theNumbering.sNumber) + " " + std::to_string(uNumber) + " is given to " +
                 worldfile::DescribeValue(theOther->sName) + " too");
    }
  }
  if (theNumbering.uCompileIndex == 0) return;
  const uint64_t uCompileIndex =
      worldfile::ReadUnsignedMember(theEntry, "compileIndex", theWhere, UINT64_MAX, theNumbering.uCompileIndex);
  if (uCompileIndex != theNumbering.uCompileIndex) {
    theWhere["compileIndex"].Fail(std::string("a ") + theNumbering.sKind + " file's compile index must be " +
                                  FormatHex(theNumbering.uCompileIndex) + ", not " + std::to_string(uCompileIndex));
  }
}

void LoadFiles(World& theWorld, const json& theJson, const std::string& sKind) {
  if (!theJson.contains(sKind)) return;
  Where theList(sKind);
  worldfile::CheckArray(theJson.at(sKind), theList);
  const game::FileArrayKind eArray = GetArrayKind(sKind);
  for (std::size_t i = 0; i < theJson.at(sKind).size(); ++i) {
    const json& theEntry = theJson.at(sKind).at(i);
    if (theEntry.is_null()) {
      theWorld.AddEmptyFileSlot(eArray);
      continue;
    }
    worldfile::CheckObject(theEntry, theList[i], {"name", "compileIndex", "smallFileIndex", "mediumFileIndex"});
    if (!theEntry.contains("name")) theList[i].Fail("needs a \"name\"");
    const std::string sName = worldfile::ReadText(theEntry.at("name"), theList[i]["name"]);
    if (theWorld.FindFile(sName) != nullptr) {
      theList[i].Fail("plugin file " + worldfile::DescribeValue(sName) + " is listed twice");
    }
    CheckFileNumber(theWorld, eArray, theEntry, i, theList[i]);
    game::TESFile* theFile = theWorld.AddFile(eArray, sName);
    theFile->uCompileIndex = static_cast<uint8_t>(
        worldfile::ReadUnsignedMember(theEntry, "compileIndex", theList[i], 0xFF, theFile->uCompileIndex));
    theFile->uSmallFileIndex = static_cast<uint16_t>(
        worldfile::ReadUnsignedMember(theEntry, "smallFileIndex", theList[i], 0xFFF, theFile->uSmallFileIndex));
    theFile->uMediumFileIndex = static_cast<uint8_t>(
        worldfile::ReadUnsignedMember(theEntry, "mediumFileIndex", theList[i], 0xFF, theFile->uMediumFileIndex));
  }
}

// The cell manager: its current cell and its entries, each a cell, null or "invalid" (an
// entry the binding finds implausible).
void LoadCellManager(World& theWorld, const json& theValue, const Where& theWhere) {
  if (theValue.is_null()) return;
  worldfile::CheckObject(theValue, theWhere, {"currentCell", "entries"});
  theWorld.bHasCellManager = true;
  game::CellManager& theManager = theWorld.theCellManager;
  if (theValue.contains("currentCell")) {
    theManager.theCurrentCell = worldfile::ReadCell(theWorld, theValue.at("currentCell"), theWhere["currentCell"]);
  }
  if (!theValue.contains("entries")) return;
  const json& theEntries = theValue.at("entries");
  worldfile::CheckArray(theEntries, theWhere["entries"]);
  for (std::size_t i = 0; i < theEntries.size(); ++i) {
    const json& theEntry = theEntries.at(i);
    if (theEntry.is_null()) {
      theManager.theEntries.push_back({game::CellManager::Entry::kNull, nullptr});
    } else if (theEntry == "invalid") {
      theManager.theEntries.push_back({game::CellManager::Entry::kInvalid, nullptr});
    } else {
      theManager.theEntries.push_back(
          {game::CellManager::Entry::kCell, worldfile::ReadCell(theWorld, theEntry, theWhere["entries"][i])});
    }
  }
}

void LoadGlobals(World& theWorld, const json& theJson) {
  theWorld.bHasDataHandler = worldfile::ReadBoolMember(theJson, "dataHandler", Where("world"), true);
  theWorld.bHasConsole = worldfile::ReadBoolMember(theJson, "console", Where("world"), true);
  if (theJson.contains("pilotingPerk")) {
    theWorld.thePilotingPerk = worldfile::ReadForm(theWorld, theJson.at("pilotingPerk"), Where("pilotingPerk"));
  }
  if (theJson.contains("player")) {
    theWorld.thePlayer = worldfile::ReadReference(theWorld, theJson.at("player"), Where("player"));
  }
  if (theJson.contains("homeShip")) {
    theWorld.thePlayerHomeShip = worldfile::ReadReference(theWorld, theJson.at("homeShip"), Where("homeShip"));
  }
  // The keyword slots may hold any form, as a test of a damaged game may want.
  if (theJson.contains("workshopKeyword")) {
    theWorld.theWorkshopKeyword =
        worldfile::ReadForm(theWorld, theJson.at("workshopKeyword"), Where("workshopKeyword"));
  }
  if (theJson.contains("workshopLinkKeyword")) {
    theWorld.theWorkshopLinkKeyword =
        worldfile::ReadForm(theWorld, theJson.at("workshopLinkKeyword"), Where("workshopLinkKeyword"));
  }
  theWorld.uPlayerPilotingRank = static_cast<uint32_t>(
      worldfile::ReadUnsignedMember(theJson, "playerPilotingRank", Where("world"), 0xFFFFFFFF, 0));
  if (theJson.contains("cellManager")) LoadCellManager(theWorld, theJson.at("cellManager"), Where("cellManager"));
  if (theJson.contains("consoleCommands")) {
    worldfile::LoadCommandTable(theWorld, CommandTable::kConsole, theJson.at("consoleCommands"),
                                Where("consoleCommands"));
  }
  if (theJson.contains("scriptCommands")) {
    worldfile::LoadCommandTable(theWorld, CommandTable::kScript, theJson.at("scriptCommands"), Where("scriptCommands"));
  }
}

}  // namespace

uint32_t ParseFormID(const json& theValue) {
  if (theValue.is_number_unsigned() && theValue.get<uint64_t>() <= 0xFFFFFFFFull) return theValue.get<uint32_t>();
  if (theValue.is_string()) {
    std::string sText = theValue.get<std::string>();
    if (sText.rfind("0x", 0) == 0 || sText.rfind("0X", 0) == 0) sText = sText.substr(2);
    uint32_t uFormID = 0;
    auto theResult = std::from_chars(sText.data(), sText.data() + sText.size(), uFormID, 16);
    if (!sText.empty() && theResult.ec == std::errc() && theResult.ptr == sText.data() + sText.size()) return uFormID;
  }
  throw std::runtime_error("bad form ID: " + worldfile::DescribeValue(theValue));
}

std::string FormatFormID(uint32_t uFormID) {
  char sBuffer[16];
  std::snprintf(sBuffer, sizeof(sBuffer), "0x%08X", uFormID);
  return sBuffer;
}

std::unique_ptr<World> LoadWorld(const json& theJson) {
  try {
    worldfile::CheckObject(theJson, Where("world"), kWorldMembers);
    auto theWorld = std::make_unique<World>();
    for (const char* sKind : {"fullFiles", "smallFiles", "mediumFiles"}) LoadFiles(*theWorld, theJson, sKind);
    worldfile::CreateForms(*theWorld, theJson);
    worldfile::FillForms(*theWorld, theJson);
    LoadGlobals(*theWorld, theJson);
    return theWorld;
  } catch (const json::exception& theError) {
    throw std::runtime_error(std::string("world: ") + theError.what());
  }
}

json ParseWorldText(std::istream& theText) {
  // Objects being read, with the members read so far.
  std::vector<std::set<std::string>> theObjects;
  try {
    return json::parse(theText, [&theObjects](int iDepth, json::parse_event_t eEvent, json& theParsed) {
      if (iDepth > kMaxWorldDepth) {
        throw std::runtime_error("is nested deeper than " + std::to_string(kMaxWorldDepth) + " levels");
      }
      if (eEvent == json::parse_event_t::object_start) theObjects.emplace_back();
      if (eEvent == json::parse_event_t::object_end) theObjects.pop_back();
      if (eEvent == json::parse_event_t::key && !theObjects.back().insert(theParsed.get<std::string>()).second) {
        throw std::runtime_error("member " + worldfile::DescribeValue(theParsed) + " is given twice in one object");
      }
      return true;
    });
  } catch (const json::parse_error& theError) {
    // The parser quotes the whole token it stopped at ("...; last read: '<token>'", perhaps
    // followed by "; expected <what>"), which may be a text of any length.
    std::string sMessage = theError.what();
    const std::string kLastRead = "; last read: '";
    const std::size_t uStart = sMessage.find(kLastRead);
    if (uStart == std::string::npos) throw std::runtime_error(sMessage);
    const std::size_t uTokenStart = uStart + kLastRead.size();
    std::size_t uTokenEnd = sMessage.rfind("'; expected ");
    if (uTokenEnd == std::string::npos || uTokenEnd < uTokenStart) uTokenEnd = sMessage.size() - 1;
    if (uTokenEnd > uTokenStart + worldfile::kShownValueLength) {
      sMessage.replace(uTokenStart + worldfile::kShownValueLength,
                       uTokenEnd - uTokenStart - worldfile::kShownValueLength, "...");
    }
    throw std::runtime_error(sMessage);
  }
}

std::unique_ptr<World> LoadWorldFile(const std::string& sPath) {
  std::ifstream theFile(sPath);
  if (!theFile.is_open()) throw std::runtime_error("cannot open world file " + sPath);
  try {
    return LoadWorld(ParseWorldText(theFile));
  } catch (const std::exception& theError) {
    throw std::runtime_error(sPath + ": " + theError.what());
  }
}

std::unique_ptr<World> MakeDefaultWorld() {
  return LoadWorld(json::parse(R"({
    "fullFiles": [{"name": "Starfield.esm"}],
    "forms": [{"formID": "0x002CFCAC", "type": 44, "editorID": "PilotingSkill", "name": "Piloting",
               "file": "Starfield.esm"}],
    "pilotingPerk": "0x002CFCAC"
  })"));
}

}  // namespace sim

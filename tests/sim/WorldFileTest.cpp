// World files: what they make of cells and their references, how a wrong file is refused,
// and the world's state written back.
#include <gtest/gtest.h>

#include <sstream>

#include "WorldFile.h"

namespace zorvane::test {
namespace {

// A world with every kind of object once; tests change members.
nlohmann::json SmallWorld() {
  return nlohmann::json::parse(R"({
    "fullFiles": [{"name": "Starfield.esm"}],
    "smallFiles": [null, {"name": "Small.esm"}],
    "forms": [
      {"formID": "0x00001000", "type": 40, "editorID": "Plant", "name": "Fern", "file": "Starfield.esm",
       "modIndex": 300, "keywords": ["0x00002000"]},
      {"formID": "0x00002000", "type": 4, "file": "Starfield.esm"},
      {"formID": "0xFE001003", "type": 65, "file": "Small.esm"}
    ],
    "cells": [{"formID": "0xFF000900", "references": [null, "0xFF000A01"], "ship": "0xFF000800"},
              {"formID": "0x0000F00D", "interior": false, "references": ["0xFF000800", "0xFF000A02"],
               "worldspace": "0x0000A000", "admitted": false}],
    "worldspaces": [{"formID": "0x0000A000", "persistentCell": "0x0000F00D"}],
    "references": [
      {"formID": "0xFF000800", "base": "0xFE001003", "position": [0.1, "inf", "nan"], "rotation": [-0.0, "-inf", 1e-30],
       "cellList": ["0xFF000900", "0x12345678"]},
      {"formID": "0xFF000A02", "base": "0x00001000", "removed": true},
      {"formID": "0xFF000A01", "base": "0x00001000", "scale": 150, "links": [{"keyword": "0x00002000", "ref": "0xFF000800"}],
       "extra": [{"kind": 6, "string": "DecorRef"}, {"kind": 150, "string": {"indirect": "Fern of the Captain"}},
                 {"kind": 180, "formID": "0x12345678"}, {"kind": 128, "count": 3}, {"kind": 221}, {"kind": 150}]}
    ],
    "workshopKeyword": "0x00002000",
    "homeShip": "0xFF000800",
    "cellManager": {"currentCell": "0xFF000900", "entries": ["0x0000F00D", null, "invalid"]}
  })");
}

std::string GetLoadError(const std::string& sText) {
  try {
    std::istringstream theText(sText);
    sim::LoadWorld(sim::ParseWorldText(theText));
  } catch (const std::runtime_error& theError) {
    return theError.what();
  }
  return {};
}

TEST(WorldFileTest, DumpLoadsBackAsTheSameWorldWithFloatsAndStringsAsGiven) {
  auto theWorld = sim::LoadWorld(SmallWorld());
  nlohmann::json theDump = sim::DumpWorld(*theWorld);
  EXPECT_EQ(sim::DumpWorld(*sim::LoadWorld(theDump)), theDump);
  const nlohmann::json& theShip = theDump.at("references").at(0);
  EXPECT_EQ(theShip.at("position").dump(), R"([0.1,"inf","nan"])");
  EXPECT_EQ(theShip.at("rotation").dump(), R"([-0.0,"-inf",1e-30])");
  const nlohmann::json& theDecor = theDump.at("references").at(1);
  // A removed reference has left its cell's list.
  EXPECT_EQ(theDump.at("cells").at(0).at("references"), nlohmann::json::parse(R"(["0xFF000800"])"));
  EXPECT_EQ(theDecor.at("extra").at(1).at("string"), nlohmann::json::parse(R"({"indirect": "Fern of the Captain"})"));
  EXPECT_EQ(theDecor.at("extra").at(5).at("string"), nullptr);
  EXPECT_EQ(theDump.at("cells").at(0).at("type"), sim::kDefaultCellType);
  EXPECT_EQ(theShip.at("type"), sim::kDefaultReferenceType);
}

TEST(WorldFileTest, WrongWorldFilesAreRefusedWithThePlaceAndTheProblem) {
  const std::pair<const char*, const char*> kCases[] = {
      {R"({"planets": []})", "world: unknown member \"planets\""},
      {R"({"forms": [{"type": 4}]})", "forms[0]: needs a \"formID\""},
      {R"({"forms": [{"formID": 1}, {"formID": "0x00000001"}]})", "forms[1]: form ID 0x00000001 is defined twice"},
      {R"({"references": [{"formID": 1, "scale": "012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789"}]})",
       "references[0] (0x00000001).scale: must be a whole number or \"0x\" hexadecimal text, not "
       "\"0123456789012345678901234567890123456789012345678901234567890123456789012345678..."},
      {R"({"forms": [{"formID": 1, "keywords": ["0x1"]}]})",
       "forms[0] (0x00000001).keywords[0]: 0x00000001 is not a keyword (type 0)"},
      {R"({"references": [{"formID": 1, "base": "0x99"}]})",
       "references[0] (0x00000001).base: unknown form ID 0x00000099"},
      {R"({"references": [{"formID": 1, "rotation": [1, "x", 2]}]})",
       "references[0] (0x00000001).rotation[1]: must be a number (or \"inf\", \"-inf\", \"nan\"), not \"x\""},
      {R"({"cells": [{"formID": 9, "references": ["0x1", "0x1"]}], "references": [{"formID": 1}]})",
       "cells[0] (0x00000009).references[1]: 0x00000001 is already listed in a cell"},
      {R"({"forms": [{"formID": 1, "components": {"Wings_Component": {}}}]})",
       "forms[0] (0x00000001).components: unknown component type \"Wings_Component\""},
      {R"({"forms": [{"formID": 1, "components": {"Blueprint_Component": {"data": [{"unk48_98": "00"}]}}}]})",
       "forms[0] (0x00000001).components.Blueprint_Component.data[0].unk48_98: must hold 160 hexadecimal digits, "
       "not 2"},
      {R"({"scriptCommands": ["CloseFile", "PipboyRadio"]})",
       "scriptCommands: the last entry's opcode must be at least 0x13C0"},
      {R"({"smallFiles": [{"name": "A.esm"}, {"name": "A.esm"}]})",
       "smallFiles[1]: plugin file \"A.esm\" is listed twice"},
      {R"({"smallFiles": [{"name": "A.esm", "smallFileIndex": 4096}]})",
       "smallFiles[0].smallFileIndex: a small file's index must be at most 0xFFF, not 4096"},
      {R"({"smallFiles": [{"name": "A.esm"}, {"name": "B.esm", "smallFileIndex": 0}]})",
       "smallFiles[1].smallFileIndex: small file index 0 is given to \"A.esm\" too"},
      {R"({"smallFiles": [{"name": "A.esm", "compileIndex": 0}]})",
       "smallFiles[0].compileIndex: a small file's compile index must be 0xFE, not 0"},
      {R"({"mediumFiles": [{"name": "A.esm", "mediumFileIndex": 1}, {"name": "B.esm"}]})",
       "mediumFiles[1].mediumFileIndex: medium file index 1 is given to \"A.esm\" too"},
  };
  for (const auto& [sJson, sError] : kCases) EXPECT_EQ(GetLoadError(sJson), sError) << sJson;
  // A file's position is its number unless it gives one: the 257th medium file has none left.
  nlohmann::json theMany;
  for (int i = 0; i <= 0x100; ++i) theMany["mediumFiles"].push_back({{"name", std::to_string(i) + ".esm"}});
  EXPECT_EQ(GetLoadError(theMany.dump()),
            "mediumFiles[256].mediumFileIndex: a medium file's index must be at most 0xFF, not 256");
}

TEST(WorldFileTest, ARefusalShowsAtMost80CharactersOfABadName) {
  for (std::string sText : {R"({"@": 1})", R"({"@": 1, "@": 2})", R"({"fullFiles": [{"name": "@"}, {"name": "@"}]})",
                            R"({"forms": [{"formID": 1, "file": "@"}]})", R"({"consoleCommands": ["@"]})",
                            R"({"forms": [{"formID": 1, "components": {"@": {}}}]})", R"({"forms": "@)"}) {
    for (std::size_t uAt = sText.find('@'); uAt != std::string::npos; uAt = sText.find('@')) {
      sText.replace(uAt, 1, std::string(500, 'n'));
    }
    const std::string sError = GetLoadError(sText);
    EXPECT_NE(sError.find('"' + std::string(79, 'n') + "..."), std::string::npos) << sError;
    EXPECT_EQ(sError.find(std::string(80, 'n')), std::string::npos) << sError;
  }
}

}  // namespace
}  // namespace zorvane::test

// World files: what they make of references, cells, the player, keywords, extra data and
// command tables, how a wrong file is refused, and the world's state written back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>

#include "CommandTables.h"
#include "WorldFile.h"
#include "sim/SimTestSupport.h"

namespace zorvane::test {
namespace {

const game::Host& Host() { return sim::GetHostTable(); }

game::TESObjectREFR* Ref(sim::World& theWorld, uint32_t uFormID) {
  return dynamic_cast<game::TESObjectREFR*>(theWorld.FindForm(uFormID));
}
game::TESObjectCELL* Cell(sim::World& theWorld, uint32_t uFormID) {
  return dynamic_cast<game::TESObjectCELL*>(theWorld.FindForm(uFormID));
}

// A world with every kind of object once; tests add or change members.
nlohmann::json SmallWorld() {
  return nlohmann::json::parse(R"({
    "fullFiles": [{"name": "Starfield.esm"}],
    "smallFiles": [null, {"name": "Small.esm"}],
    "forms": [
      {"formID": "0x00000007", "type": 50, "file": "Starfield.esm"},
      {"formID": "0x00001000", "type": 40, "editorID": "Plant", "name": "Fern", "file": "Starfield.esm",
       "modIndex": 300, "keywords": ["0x00002000"]},
      {"formID": "0x00002000", "type": 4, "file": "Starfield.esm"},
      {"formID": "0x00002001", "type": 4, "file": "Starfield.esm"},
      {"formID": "0xFE001003", "type": 65, "file": "Small.esm"}
    ],
    "cells": [{"formID": "0xFF000900", "references": ["0x00000014", null, "0xFF000A01"]},
              {"formID": "0x0000F00D", "interior": false, "references": ["0xFF000800"]}],
    "references": [
      {"formID": "0x00000014", "type": 75, "base": "0x00000007", "shipAboard": "0xFF000800"},
      {"formID": "0xFF000800", "base": "0xFE001003"},
      {"formID": "0xFF000A01", "base": "0x00001000", "position": [1.5, -2.0, 0.1], "rotation": [0.0, 3.1415927, -1.0],
       "scale": 150, "keywords": ["0x00002001"], "links": [{"keyword": "0x00002000", "ref": "0xFF000800"}],
       "extra": [{"kind": 6, "string": "DecorRef"}, {"kind": 150, "string": {"indirect": "Fern of the Captain"}},
                 {"kind": 180, "formID": "0x12345678"}, {"kind": 128, "count": 3}, {"kind": 221}, {"kind": 150}]}
    ],
    "player": "0x00000014",
    "workshopKeyword": "0x00002000",
    "workshopLinkKeyword": "0x00001000"
  })");
}

// The extra-data entry of a kind, looked up as the plugin does.
game::BSExtraData* LookupExtra(game::TESObjectREFR* theRef, uint32_t uKind) {
  game::ExtraDataList* theList = Host().GetRefExtraList(theRef);
  Host().LockExtraListRead(theList);
  game::BSExtraData* theEntry = Host().LookupExtraData(theList, uKind);
  Host().UnlockExtraListRead(theList);
  return theEntry;
}

TEST(WorldFileTest, ReferencesCarryBasePlacementKeywordsLinksAndExtraData) {
  auto theWorld = sim::LoadWorld(SmallWorld());
  CurrentWorld theCurrent(*theWorld);
  game::TESObjectREFR* theRef = Ref(*theWorld, 0xFF000A01);
  ASSERT_NE(theRef, nullptr);
  EXPECT_EQ(Host().GetRefBaseForm(theRef), theWorld->FindForm(0x1000));
  EXPECT_EQ(Host().GetFormType(game::AsForm(theRef)), 74);
  float fXYZ[3];
  Host().GetRefPosition(theRef, fXYZ);
  EXPECT_EQ(std::vector<float>(fXYZ, fXYZ + 3), (std::vector<float>{1.5f, -2.0f, 0.1f}));
  Host().GetRefRotation(theRef, fXYZ);
  EXPECT_EQ(std::vector<float>(fXYZ, fXYZ + 3), (std::vector<float>{0.0f, 3.1415927f, -1.0f}));
  EXPECT_EQ(Host().GetRefScale(theRef), 150);
  EXPECT_TRUE(Host().HasKeyword(game::AsForm(theRef), theWorld->FindForm(0x2001)));
  EXPECT_TRUE(Host().HasKeyword(game::AsForm(theRef), theWorld->FindForm(0x2000)));  // its base's
  EXPECT_FALSE(Host().KeywordListContains(game::AsForm(theRef), theWorld->FindForm(0x2000)));
  EXPECT_EQ(Host().GetLinkedRef(theRef, theWorld->FindForm(0x2000)), Ref(*theWorld, 0xFF000800));
  EXPECT_EQ(Host().GetLinkedRef(theRef, theWorld->FindForm(0x2001)), nullptr);

  EXPECT_EQ(GetText(*Host().GetExtraDataString(LookupExtra(theRef, 6))), "DecorRef");
  EXPECT_EQ(GetText(*Host().GetExtraDataString(LookupExtra(theRef, 150))), "Fern of the Captain");
  EXPECT_EQ(Host().GetExtraDataFormID(LookupExtra(theRef, 180)), 0x12345678u);
  EXPECT_EQ(Host().GetExtraDataListCount(LookupExtra(theRef, 128)), 3u);
  EXPECT_NE(LookupExtra(theRef, 221), nullptr);
  EXPECT_EQ(LookupExtra(theRef, 212), nullptr);
  EXPECT_TRUE(theWorld->GetViolations().empty());

  // Without "extra" a reference has no extra-data list at all.
  EXPECT_EQ(Host().GetRefExtraList(Ref(*theWorld, 0xFF000800)), nullptr);
  EXPECT_EQ(Host().GetRefScale(Ref(*theWorld, 0xFF000800)), 100);
}

TEST(WorldFileTest, FormsKeepTypeNamesFileModIndexAndKeywords) {
  auto theWorld = sim::LoadWorld(SmallWorld());
  game::TESForm* theForm = theWorld->FindForm(0x1000);
  EXPECT_EQ(Host().GetFormType(theForm), 40);
  EXPECT_STREQ(Host().GetFormEditorID(theForm), "Plant");
  EXPECT_STREQ(Host().GetFormFullName(theForm), "Fern");
  EXPECT_EQ(Host().GetFormModIndex(theForm), 300);
  EXPECT_STREQ(Host().GetFileName(Host().GetFormFile(theForm)), "Starfield.esm");
  EXPECT_TRUE(Host().KeywordListContains(theForm, theWorld->FindForm(0x2000)));
  game::TESFile* theSmall = Host().GetFormFile(theWorld->FindForm(0xFE001003));
  EXPECT_EQ(Host().GetFileCompileIndex(theSmall), 0xFE);
  EXPECT_EQ(Host().GetFileSmallIndex(theSmall), 1);
}

TEST(WorldFileTest, CellsListTheirReferencesInOrderAndBecomeTheirParentCells) {
  auto theWorld = sim::LoadWorld(SmallWorld());
  game::TESObjectCELL* theInterior = Cell(*theWorld, 0xFF000900);
  ASSERT_EQ(Host().GetCellRefCount(theInterior), 3u);
  EXPECT_EQ(Host().GetCellRefAt(theInterior, 0), Ref(*theWorld, 0x14));
  EXPECT_EQ(Host().GetCellRefAt(theInterior, 1), nullptr);
  EXPECT_EQ(Host().GetCellRefAt(theInterior, 2), Ref(*theWorld, 0xFF000A01));
  EXPECT_TRUE(Host().IsCellInterior(theInterior));
  EXPECT_FALSE(Host().IsCellInterior(Cell(*theWorld, 0xF00D)));
  EXPECT_EQ(Host().GetFormType(game::AsForm(theInterior)), 73);
  EXPECT_EQ(Host().GetRefParentCell(Ref(*theWorld, 0xFF000A01)), theInterior);
  EXPECT_EQ(Host().GetRefParentCell(Ref(*theWorld, 0xFF000800)), Cell(*theWorld, 0xF00D));

  // A parent cell given with the reference wins over the listing cell.
  nlohmann::json theJson = SmallWorld();
  theJson["references"][2]["cell"] = "0x0000F00D";
  theJson["references"][1]["cell"] = nullptr;
  auto theChanged = sim::LoadWorld(theJson);
  EXPECT_EQ(Host().GetRefParentCell(Ref(*theChanged, 0xFF000A01)), Cell(*theChanged, 0xF00D));
  EXPECT_EQ(Host().GetRefParentCell(Ref(*theChanged, 0xFF000800)), nullptr);
  EXPECT_EQ(Host().GetCellRefAt(Cell(*theChanged, 0xFF000900), 2), Ref(*theChanged, 0xFF000A01));
}

TEST(WorldFileTest, PlayerShipAndWorkshopKeywordGlobals) {
  auto theWorld = sim::LoadWorld(SmallWorld());
  CurrentWorld theCurrent(*theWorld);
  game::TESObjectREFR* thePlayer = Host().GetPlayer();
  EXPECT_EQ(thePlayer, Ref(*theWorld, 0x14));
  EXPECT_EQ(Host().GetShipAboard(thePlayer), Ref(*theWorld, 0xFF000800));
  EXPECT_EQ(Host().GetRefParentCell(thePlayer), Cell(*theWorld, 0xFF000900));
  EXPECT_EQ(Host().GetWorkshopKeyword(), theWorld->FindForm(0x2000));
  EXPECT_EQ(Host().GetWorkshopLinkKeyword(), theWorld->FindForm(0x1000));  // a slot may hold any form

  nlohmann::json theJson = SmallWorld();
  theJson["player"] = nullptr;
  theJson["workshopKeyword"] = nullptr;
  theJson.erase("workshopLinkKeyword");
  auto theEmpty = sim::LoadWorld(theJson);
  CurrentWorld theEmptyCurrent(*theEmpty);
  EXPECT_EQ(Host().GetPlayer(), nullptr);
  EXPECT_EQ(Host().GetWorkshopKeyword(), nullptr);
  EXPECT_EQ(Host().GetWorkshopLinkKeyword(), nullptr);
}

TEST(WorldFileTest, EveryWorldHasTheGamesCommandTables) {
  auto theWorld = sim::LoadWorld(nlohmann::json::object());
  CurrentWorld theCurrent(*theWorld);
  auto Find = [](game::CommandEntry* theTable, uint32_t uBound, const char* sName) -> game::CommandEntry* {
    for (; theTable->uOpcode < uBound; ++theTable) {
      if (theTable->sLongName != nullptr && std::strcmp(theTable->sLongName, sName) == 0) return theTable;
    }
    return nullptr;
  };
  game::CommandEntry* theConsole = Host().GetConsoleCommandTable();
  game::CommandEntry* theScript = Host().GetScriptCommandTable();
  game::CommandEntry* theCloseFile = Find(theConsole, game::kConsoleCommandBound, "CloseFile");
  ASSERT_NE(theCloseFile, nullptr);
  EXPECT_EQ(theCloseFile->uParamCount, 1);
  ASSERT_NE(theCloseFile->theParams, nullptr);
  EXPECT_STREQ(theCloseFile->theParams[0].sTypeName, "String");
  EXPECT_EQ(theCloseFile->theParams[0].uTypeID, sim::kParamTypeString);
  EXPECT_NE(Find(theConsole, game::kConsoleCommandBound, "PlaceFurnitureTester"), nullptr);
  EXPECT_NE(Find(theScript, game::kScriptCommandBound, "PipboyRadio"), nullptr);
  EXPECT_NE(Find(theScript, game::kScriptCommandBound, "PipBoyRadioOff"), nullptr);
  EXPECT_EQ(Find(theScript, game::kScriptCommandBound, "CloseFile"), nullptr);
  EXPECT_EQ(Find(theConsole, game::kConsoleCommandBound, "PipboyRadio"), nullptr);
  EXPECT_GE(theWorld->theConsoleCommands.back().uOpcode, game::kConsoleCommandBound);
  EXPECT_GE(theWorld->theScriptCommands.back().uOpcode, game::kScriptCommandBound);
  for (const auto* theTable : {&theWorld->theConsoleCommands, &theWorld->theScriptCommands}) {
    for (const game::CommandEntry& theEntry : *theTable) EXPECT_NE(theEntry.theExecute, nullptr) << theEntry.sLongName;
  }
}

TEST(WorldFileTest, CommandTablesMayBeDescribedEntryByEntry) {
  auto theWorld = LoadWorldText(R"({
    "consoleCommands": [
      {"like": "ToggleGodMode", "opcode": "0x345"},
      {"like": "CloseFile", "params": null, "paramCount": 1},
      {"longName": null, "shortName": "X", "opcode": 1, "handler": "PipboyRadio", "needsParent": true,
       "params": [{"typeName": "Integer", "typeID": 1, "optional": true}]},
      "PlaceFurnitureTester",
      {"longName": "Stop", "opcode": 2000}
    ],
    "scriptCommands": ["PipBoyRadioOff", "EndOfScriptCommands"]
  })");
  const auto& theConsole = theWorld->theConsoleCommands;
  ASSERT_EQ(theConsole.size(), 5u);
  EXPECT_STREQ(theConsole[0].sLongName, "ToggleGodMode");
  EXPECT_STREQ(theConsole[0].sShortName, "TGM");
  EXPECT_EQ(theConsole[0].uOpcode, game::kConsoleCommandBound);
  EXPECT_STREQ(theConsole[1].sLongName, "CloseFile");
  EXPECT_EQ(theConsole[1].theParams, nullptr);
  EXPECT_EQ(theConsole[1].uParamCount, 1);
  EXPECT_EQ(theConsole[2].sLongName, nullptr);
  EXPECT_STREQ(theConsole[2].sShortName, "X");
  EXPECT_EQ(theConsole[2].bNeedsParent, 1);
  game::CommandEntry theRadio{};
  ASSERT_TRUE(sim::MakeDefaultCommandEntry(*theWorld, "PipboyRadio", theRadio));
  EXPECT_EQ(theConsole[2].theExecute, theRadio.theExecute);
  ASSERT_EQ(theConsole[2].uParamCount, 1);
  EXPECT_STREQ(theConsole[2].theParams[0].sTypeName, "Integer");
  EXPECT_EQ(theConsole[2].theParams[0].uTypeID, 1u);
  EXPECT_EQ(theConsole[2].theParams[0].bOptional, 1u);
  EXPECT_STREQ(theConsole[3].sLongName, "PlaceFurnitureTester");
  EXPECT_EQ(theConsole[4].theExecute, nullptr);
  ASSERT_EQ(theWorld->theScriptCommands.size(), 2u);
  EXPECT_STREQ(theWorld->theScriptCommands[0].sLongName, "PipBoyRadioOff");
}

TEST(WorldFileTest, WrongWorldFilesAreRefusedWithThePlaceAndTheProblem) {
  struct Case {
    const char* sJson;
    const char* sError;
  };
  const Case kCases[] = {
      {R"({"planets": []})", "world: unknown member \"planets\""},
      {R"({"forms": [{"type": 4}]})", "forms[0]: needs a \"formID\""},
      {R"({"forms": [{"formID": "0x1G"}]})", "forms[0].formID: bad form ID \"0x1G\""},
      {R"({"forms": [{"formID": 1}, {"formID": "0x00000001"}]})", "forms[1]: form ID 0x00000001 is defined twice"},
      {R"({"forms": [{"formID": 1, "type": 300}]})", "forms[0].type: must be at most 255, not 300"},
      {R"({"forms": [{"formID": 1, "file": "Missing.esm"}]})", "forms[0].file: unknown plugin file \"Missing.esm\""},
      {R"({"forms": [{"formID": 1, "keywords": ["0x2"]}]})",
       "forms[0] (0x00000001).keywords[0]: unknown form ID 0x00000002"},
      {R"({"forms": [{"formID": 1, "keywords": ["0x1"]}]})",
       "forms[0] (0x00000001).keywords[0]: 0x00000001 is not a keyword (type 0)"},
      {R"({"references": [{"formID": 1, "base": "0x99"}]})",
       "references[0] (0x00000001).base: unknown form ID 0x00000099"},
      {R"({"references": [{"formID": 1, "position": [1, 2]}]})",
       "references[0] (0x00000001).position: must be an array of three numbers"},
      {R"({"references": [{"formID": 1, "rotation": [1, "x", 2]}]})",
       "references[0] (0x00000001).rotation[1]: must be a number (or \"inf\", \"-inf\", \"nan\"), not \"x\""},
      {R"({"references": [{"formID": 1, "scale": -1}]})",
       "references[0] (0x00000001).scale: must be a whole number of at least 0, not -1"},
      {R"({"references": [{"formID": 1, "extra": [{"kind": 221, "string": "x"}]}]})",
       "references[0] (0x00000001).extra[0]: extra data of kind 221 has no member \"string\""},
      {R"({"references": [{"formID": 1, "extra": [{"count": 1}]}]})",
       "references[0] (0x00000001).extra[0]: needs a \"kind\""},
      {R"({"references": [{"formID": 1, "extra": [{"kind": 6, "string": {"text": "x"}}]}]})",
       "references[0] (0x00000001).extra[0].string: unknown member \"text\""},
      {R"({"references": [{"formID": 1, "shipAboard": "0x2"}], "forms": [{"formID": 2}]})",
       "references[0] (0x00000001).shipAboard: 0x00000002 is not a reference"},
      {R"({"references": [{"formID": 1, "links": [{"keyword": "0x2"}]}], "forms": [{"formID": 2, "type": 4}]})",
       "references[0] (0x00000001).links[0]: a link needs a \"keyword\" and a \"ref\""},
      {R"({"cells": [{"formID": 9, "references": ["0x1", "0x1"]}], "references": [{"formID": 1}]})",
       "cells[0] (0x00000009).references[1]: 0x00000001 is already listed in a cell"},
      {R"({"cells": [{"formID": 9, "interior": 1}]})", "cells[0] (0x00000009).interior: must be true or false, not 1"},
      {R"({"forms": [{"formID": 1}], "player": "0x1"})", "player: 0x00000001 is not a reference"},
      {R"({"pilotingPerk": "0x2CFCAC"})", "pilotingPerk: unknown form ID 0x002CFCAC"},
      {R"({"forms": [{"formID": 1, "components": {"Wings_Component": {}}}]})",
       "forms[0] (0x00000001).components: unknown component type \"Wings_Component\""},
      {R"({"forms": [{"formID": 1, "components": {"TESModel_Component": {"modell": "x"}}}]})",
       "forms[0] (0x00000001).components.TESModel_Component: unknown member \"modell\""},
      {R"({"forms": [{"formID": 1, "components": {"Blueprint_Component": {"data": [{"item": "0x5"}]}}}]})",
       "forms[0] (0x00000001).components.Blueprint_Component.data[0].item: unknown form ID 0x00000005"},
      {R"({"forms": [{"formID": 1, "components": {"Blueprint_Component": {"data": [{"unk48_98": "00"}]}}}]})",
       "forms[0] (0x00000001).components.Blueprint_Component.data[0].unk48_98: must hold 160 hexadecimal digits, "
       "not 2"},
      {R"({"forms": [{"formID": 1, "components": {"Blueprint_Component": {"data": [{"unk38": 256}]}}}]})",
       "forms[0] (0x00000001).components.Blueprint_Component.data[0].unk38: must be at most 255, not 256"},
      {R"({"forms": [{"formID": 1, "components": {"TESContainer_Component": {"entries": [{"count": 2147483648}]}}}]})",
       "forms[0] (0x00000001).components.TESContainer_Component.entries[0].count: is out of the 32-bit range"},
      {R"({"forms": [{"formID": 1, "components": {"BGSPropertySheet_Component": {"properties": [{"third": 1e39}]}}}]})",
       "forms[0] (0x00000001).components.BGSPropertySheet_Component.properties[0].third: is out of the float range"},
      {R"({"scriptCommands": ["CloseFile", "PipboyRadio"]})",
       "scriptCommands: the last entry's opcode must be at least 0x13C0"},
      {R"({"consoleCommands": ["OpenFile"]})", "consoleCommands[0]: the game has no command \"OpenFile\""},
      {R"({"consoleCommands": [{"longName": "Stop"}]})",
       "consoleCommands[0]: an entry not \"like\" one of the game's needs a \"longName\" and an \"opcode\""},
      {R"({"smallFiles": [{"name": "A.esm"}, {"name": "A.esm"}]})",
       "smallFiles[1]: plugin file \"A.esm\" is listed twice"},
      {R"({"smallFiles": [{"name": "A.esm", "smallFileIndex": 4096}]})",
       "smallFiles[0].smallFileIndex: must be at most 4095, not 4096"},
  };
  for (const Case& theCase : kCases) EXPECT_EQ(GetLoadError(theCase.sJson), theCase.sError) << theCase.sJson;
}

TEST(WorldFileTest, WorldFileThatCannotBeReadNamesItsPath) {
  std::string sError;
  try {
    sim::LoadWorldFile("no-such-world.json");
  } catch (const std::runtime_error& theError) {
    sError = theError.what();
  }
  EXPECT_EQ(sError, "cannot open world file no-such-world.json");
}

TEST(WorldFileTest, DumpLoadsBackAsTheSameWorld) {
  auto theWorld = sim::LoadWorldFile(GetSampleWorldPath("sample-ship.json"));
  nlohmann::json theDump = sim::DumpWorld(*theWorld);
  auto theReloaded = sim::LoadWorld(theDump);
  EXPECT_EQ(sim::DumpWorld(*theReloaded), theDump);
}

TEST(WorldFileTest, DumpWritesFloatsAndStringsAsGiven) {
  nlohmann::json theJson = SmallWorld();
  theJson["references"][1]["position"] = {0.1, "inf", "nan"};
  theJson["references"][1]["rotation"] = {-0.0, "-inf", 1e-30};
  auto theWorld = sim::LoadWorld(theJson);
  nlohmann::json theDump = sim::DumpWorld(*theWorld);
  const nlohmann::json& theRef = theDump.at("references").at(1);
  ASSERT_EQ(theRef.at("formID"), "0xFF000800");
  EXPECT_EQ(theRef.at("position").dump(), R"([0.1,"inf","nan"])");
  EXPECT_EQ(theRef.at("rotation").dump(), R"([-0.0,"-inf",1e-30])");
  const nlohmann::json& theDecor = theDump.at("references").at(2);
  EXPECT_EQ(theDecor.at("extra").at(1).at("string"), nlohmann::json::parse(R"({"indirect": "Fern of the Captain"})"));
  EXPECT_EQ(theDecor.at("extra").at(5).at("string"), nullptr);
}

}  // namespace
}  // namespace zorvane::test

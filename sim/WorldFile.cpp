#include "WorldFile.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace sim {
namespace {

using nlohmann::json;

std::vector<game::TESFile*>& FileArray(World& theWorld, const std::string& sKind) {
  if (sKind == "fullFiles") return theWorld.theDataHandler.theFiles;
  if (sKind == "smallFiles") return theWorld.theDataHandler.theSmallFiles;
  return theWorld.theDataHandler.theMediumFiles;
}

void LoadFiles(World& theWorld, const json& theJson, const std::string& sKind) {
  if (!theJson.contains(sKind)) return;
  auto& theArray = FileArray(theWorld, sKind);
  for (const json& theEntry : theJson.at(sKind)) {
    if (theEntry.is_null()) {
      theArray.push_back(nullptr);
      continue;
    }
    auto theFile = std::make_unique<game::TESFile>();
    theFile->sName = theEntry.at("name").get<std::string>();
    if (sKind == "fullFiles") {
      theFile->uCompileIndex = theEntry.value("compileIndex", static_cast<uint8_t>(theArray.size()));
    } else if (sKind == "smallFiles") {
      theFile->uCompileIndex = theEntry.value("compileIndex", static_cast<uint8_t>(0xFE));
      theFile->uSmallFileIndex = theEntry.value("smallFileIndex", static_cast<uint16_t>(theArray.size()));
    } else {
      theFile->uCompileIndex = theEntry.value("compileIndex", static_cast<uint8_t>(0xFD));
      theFile->uMediumFileIndex = theEntry.value("mediumFileIndex", static_cast<uint8_t>(theArray.size()));
    }
    theArray.push_back(theWorld.AddFile(std::move(theFile)));
  }
}

void LoadForm(World& theWorld, const json& theEntry) {
  auto theForm = std::make_unique<game::TESForm>();
  theForm->uFormID = ParseFormID(theEntry.at("formID"));
  theForm->uFormType = theEntry.value("type", static_cast<uint8_t>(0));
  theForm->sEditorID = theEntry.value("editorID", std::string());
  theForm->sFullName = theEntry.value("name", std::string());
  if (theEntry.contains("file")) {
    std::string sFile = theEntry.at("file").get<std::string>();
    theForm->theFile = theWorld.FindFile(sFile);
    if (theForm->theFile == nullptr) throw std::runtime_error("form " + FormatFormID(theForm->uFormID) + ": unknown file " + sFile);
  }
  theWorld.AddForm(std::move(theForm));
}

json DumpFiles(const std::vector<game::TESFile*>& theArray) {
  json theResult = json::array();
  for (const game::TESFile* theFile : theArray) {
    if (theFile == nullptr) {
      theResult.push_back(nullptr);
      continue;
    }
    theResult.push_back({{"name", theFile->sName},
                         {"compileIndex", theFile->uCompileIndex},
                         {"smallFileIndex", theFile->uSmallFileIndex},
                         {"mediumFileIndex", theFile->uMediumFileIndex}});
  }
  return theResult;
}

}  // namespace

uint32_t ParseFormID(const json& theValue) {
  if (theValue.is_number_unsigned()) return theValue.get<uint32_t>();
  std::string sText = theValue.get<std::string>();
  if (sText.rfind("0x", 0) == 0 || sText.rfind("0X", 0) == 0) sText = sText.substr(2);
  std::size_t uUsed = 0;
  unsigned long long uValue = std::stoull(sText, &uUsed, 16);
  if (uUsed != sText.size() || uValue > 0xFFFFFFFFull) throw std::runtime_error("bad form ID: " + theValue.dump());
  return static_cast<uint32_t>(uValue);
}

std::string FormatFormID(uint32_t uFormID) {
  char sBuffer[16];
  std::snprintf(sBuffer, sizeof(sBuffer), "0x%08X", uFormID);
  return sBuffer;
}

std::unique_ptr<World> LoadWorld(const json& theJson) {
  auto theWorld = std::make_unique<World>();
  for (const char* sKind : {"fullFiles", "smallFiles", "mediumFiles"}) LoadFiles(*theWorld, theJson, sKind);
  for (const json& theEntry : theJson.value("forms", json::array())) LoadForm(*theWorld, theEntry);
  theWorld->bHasDataHandler = theJson.value("dataHandler", true);
  theWorld->bHasConsole = theJson.value("console", true);
  if (theJson.contains("pilotingPerk") && !theJson.at("pilotingPerk").is_null()) {
    uint32_t uPerk = ParseFormID(theJson.at("pilotingPerk"));
    theWorld->thePilotingPerk = theWorld->FindForm(uPerk);
    if (theWorld->thePilotingPerk == nullptr) throw std::runtime_error("pilotingPerk: no form " + FormatFormID(uPerk));
  }
  return theWorld;
}

std::unique_ptr<World> LoadWorldFile(const std::string& sPath) {
  std::ifstream theFile(sPath);
  if (!theFile.is_open()) throw std::runtime_error("cannot open world file " + sPath);
  try {
    return LoadWorld(json::parse(theFile));
  } catch (const json::exception& theError) {
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

json DumpWorld(const World& theWorld) {
  json theResult;
  theResult["fullFiles"] = DumpFiles(theWorld.theDataHandler.theFiles);
  theResult["smallFiles"] = DumpFiles(theWorld.theDataHandler.theSmallFiles);
  theResult["mediumFiles"] = DumpFiles(theWorld.theDataHandler.theMediumFiles);
  json theForms = json::array();
  for (const auto& [uFormID, theForm] : theWorld.theFormsByID) {
    json theEntry = {{"formID", FormatFormID(uFormID)}, {"type", theForm->uFormType}};
    if (!theForm->sEditorID.empty()) theEntry["editorID"] = theForm->sEditorID;
    if (!theForm->sFullName.empty()) theEntry["name"] = theForm->sFullName;
    if (theForm->theFile != nullptr) theEntry["file"] = theForm->theFile->sName;
    theForms.push_back(theEntry);
  }
  theResult["forms"] = theForms;
  theResult["pilotingPerk"] =
      theWorld.thePilotingPerk != nullptr ? json(FormatFormID(theWorld.thePilotingPerk->uFormID)) : json(nullptr);
  return theResult;
}

}  // namespace sim

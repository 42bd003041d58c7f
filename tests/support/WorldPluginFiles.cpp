#include "support/WorldPluginFiles.h"

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "checker/PluginFileReader.h"
#include "support/PluginFileWriter.h"

namespace zorvane::test {
namespace {

using nlohmann::json;

struct WorldFile {
  std::string sName;
  uint32_t uFlags = 0;  // small or medium
  uint32_t uLocalMask = 0xFFFFFF;
  uint32_t uRuntimePrefix = 0;  // what a runtime form ID of the file's kind starts with
  uint32_t uPrefixMask = 0;
};

std::vector<WorldFile> GetWorldFiles(const json& theWorld) {
  std::vector<WorldFile> theFiles;
  const auto Add = [&](const char* sList, WorldFile theKind) {
    if (!theWorld.contains(sList)) return;
    for (const json& theEntry : theWorld.at(sList)) {
      if (!theEntry.is_object()) continue;  // an empty slot of the game's file array
      theKind.sName = theEntry.at("name").get<std::string>();
      theFiles.push_back(theKind);
    }
  };
  Add("fullFiles", {"", 0, 0xFFFFFF, 0, 0});
  Add("smallFiles", {"", kPluginSmallFlag, 0xFFF, 0xFE000000, 0xFF000000});
  Add("mediumFiles", {"", kPluginMediumFlag, 0xFFFF, 0xFD000000, 0xFF000000});
  return theFiles;
}

bool IsPlacedOrCell(uint8_t uFormType) {
  const std::string sType = shipfile::GetRecordType(uFormType);
  return sType == "REFR" || sType == "ACHR" || sType == "CELL" || sType == "WRLD";
}

void WriteFile(const WorldFile& theFile, const json& theForms, const std::filesystem::path& thePath) {
  std::vector<std::string> theMasters;
  if (theFile.sName != "Starfield.esm") theMasters.push_back("Starfield.esm");
  const uint32_t uOwnIndex = static_cast<uint32_t>(theMasters.size()) << 24;
  std::map<std::string, std::vector<PluginRecordToWrite>> theByType;
  for (const json& theForm : theForms) {
    if (!theForm.contains("file") || theForm.at("file").get<std::string>() != theFile.sName) continue;
    const uint32_t uRuntimeID = static_cast<uint32_t>(std::stoul(theForm.at("formID").get<std::string>(), nullptr, 16));
    const uint8_t uFormType = theForm.at("type").get<uint8_t>();
    if (IsPlacedOrCell(uFormType)) continue;
    const std::string sType = shipfile::GetRecordType(uFormType);
    if (sType.empty()) throw std::runtime_error("form type " + std::to_string(uFormType) + " has no record type");
    if ((uRuntimeID & theFile.uPrefixMask) != theFile.uRuntimePrefix) {
      throw std::runtime_error("form " + theForm.at("formID").get<std::string>() + " is not a form ID of " +
                               theFile.sName + "'s kind");
    }
    PluginRecordToWrite theRecord;
    theRecord.sType = sType;
    theRecord.uFormID = uOwnIndex | (uRuntimeID & theFile.uLocalMask);
    theRecord.sEditorID = theForm.value("editorID", "");
    theRecord.sFullName = theForm.value("name", "");
    if (IsBoundFormType(uFormType)) theRecord.theBounds = std::array<int16_t, 6>{-1, -1, -1, 1, 1, 1};
    theByType[sType].push_back(std::move(theRecord));
  }
  std::ofstream theOut(thePath, std::ios::binary);
  const uint32_t uFlags = theFile.uFlags | (thePath.extension() == ".esm" ? kPluginMasterFlag : 0);
  PluginFileWriter theWriter(theOut, uFlags, theMasters);
  uint32_t uWritten = 0;
  for (auto& [sType, theRecords] : theByType) {
    theWriter.BeginGroup(sType);
    for (std::size_t i = 0; i < theRecords.size(); ++i) {
      if (i == 1) theWriter.BeginGroup(MakeU32(theRecords[0].uFormID), 1);
      theRecords[i].bCompressed = ++uWritten % 3 == 0;
      theWriter.AddRecord(theRecords[i]);
    }
    if (theRecords.size() > 1) theWriter.EndGroup();
    theWriter.EndGroup();
  }
  theWriter.Finish();
}

}  // namespace

bool IsBoundFormType(uint8_t uFormType) {
  return uFormType != 0 && uFormType != *shipfile::GetFormTypeCode("KYWD") &&
         uFormType != *shipfile::GetFormTypeCode("AVIF") && uFormType != *shipfile::GetFormTypeCode("VTYP") &&
         uFormType != *shipfile::GetFormTypeCode("TRAV");
}

std::vector<std::string> WriteWorldPluginFiles(const std::filesystem::path& theWorldFile,
                                               const std::filesystem::path& theFolder) {
  std::ifstream theIn(theWorldFile);
  if (!theIn) throw std::runtime_error("cannot read " + theWorldFile.string());
  json theWorld;
  try {
    theWorld = json::parse(theIn);
    std::vector<std::string> theNames;
    const json theForms = theWorld.value("forms", json::array());
    for (const WorldFile& theFile : GetWorldFiles(theWorld)) {
      WriteFile(theFile, theForms, theFolder / theFile.sName);
      theNames.push_back(theFile.sName);
    }
    return theNames;
  } catch (const json::exception& theError) {
    throw std::runtime_error(theWorldFile.string() + ": " + theError.what());
  }
}

}  // namespace zorvane::test

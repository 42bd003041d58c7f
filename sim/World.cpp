#include "World.h"

#include <cstdio>
#include <stdexcept>

#include "CommandTables.h"

namespace sim {

World::World() {
  theConsoleCommands = MakeDefaultCommandTable(*this, CommandTable::kConsole);
  theScriptCommands = MakeDefaultCommandTable(*this, CommandTable::kScript);
}
World::~World() = default;

game::TESFile* World::AddFile(std::unique_ptr<game::TESFile> theFile) {
  theOwnedFiles.push_back(std::move(theFile));
  return theOwnedFiles.back().get();
}

void World::IndexForm(game::TESForm* theForm) {
  if (theFormsByID.count(theForm->uFormID) != 0) {
    char sID[16];
    std::snprintf(sID, sizeof(sID), "0x%08X", theForm->uFormID);
    throw std::runtime_error(std::string("form ") + sID + " is defined twice");
  }
  theFormsByID[theForm->uFormID] = theForm;
}

game::TESFile* World::FindFile(const std::string& sName) const {
  for (const auto& theFile : theOwnedFiles) {
    if (theFile->sName == sName) return theFile.get();
  }
  return nullptr;
}

game::TESForm* World::FindForm(uint32_t uFormID) const {
  auto it = theFormsByID.find(uFormID);
  return it == theFormsByID.end() ? nullptr : it->second;
}

game::BSFixedString World::MakeString(const std::string& sText) {
  for (game::StringPoolEntry& theEntry : theStringPool) {
    if (theEntry.theTarget == nullptr && theEntry.sText == sText) {
      ++theEntry.uRefCount;
      return {&theEntry};
    }
  }
  theStringPool.push_back({1, nullptr, sText});
  return {&theStringPool.back()};
}

game::BSFixedString World::MakeIndirectString(const std::string& sText) {
  game::BSFixedString theTarget = MakeString(sText);
  theStringPool.push_back({1, theTarget.theEntry, std::string()});
  return {&theStringPool.back()};
}

const char* World::KeepText(const std::string& sText) {
  theKeptTexts.push_back(sText);
  return theKeptTexts.back().c_str();
}

game::CommandParam* World::KeepCommandParams(const std::vector<game::CommandParam>& theParams) {
  if (theParams.empty()) return nullptr;
  theKeptParams.push_back(theParams);
  return theKeptParams.back().data();
}

}  // namespace sim

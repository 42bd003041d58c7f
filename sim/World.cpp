#include "World.h"

namespace sim {

World::World() = default;

game::TESFile* World::AddFile(std::unique_ptr<game::TESFile> theFile) {
  theOwnedFiles.push_back(std::move(theFile));
  return theOwnedFiles.back().get();
}

game::TESForm* World::AddForm(std::unique_ptr<game::TESForm> theForm) {
  game::TESForm* theAdded = theForm.get();
  theFormsByID[theAdded->uFormID] = theAdded;
  theOwnedForms.push_back(std::move(theForm));
  return theAdded;
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

}  // namespace sim

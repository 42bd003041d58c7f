// The simulated game's plugin files: the data handler and its three file arrays.
#include "HostOperations.h"

namespace sim::host {
namespace {

std::vector<game::TESFile*>* FindArray(game::TESDataHandler* theHandler, uint32_t uArray, const char* sOperation) {
  auto* theChecked = Check(theHandler, {ObjectKind::kDataHandler}, sOperation);
  if (theChecked == nullptr) return nullptr;
  switch (uArray) {
    case game::kFullFiles: return &theChecked->theFiles;
    case game::kSmallFiles: return &theChecked->theSmallFiles;
    case game::kMediumFiles: return &theChecked->theMediumFiles;
    default:
      GetWorld().ReportViolation(std::string(sOperation) + " asked for the file array " + std::to_string(uArray));
  }
  return nullptr;
}

game::TESFile* CheckFile(game::TESFile* theFile, const char* sOperation) {
  return Check(theFile, {ObjectKind::kFile}, sOperation);
}

}  // namespace

game::TESDataHandler* GetDataHandler() {
  World& theWorld = GetWorld();
  return theWorld.bHasDataHandler ? &theWorld.theDataHandler : nullptr;
}

uint32_t GetFileCount(game::TESDataHandler* theHandler, uint32_t uArray) {
  auto* theArray = FindArray(theHandler, uArray, __func__);
  return theArray != nullptr ? static_cast<uint32_t>(theArray->size()) : 0;
}

game::TESFile* GetFileAt(game::TESDataHandler* theHandler, uint32_t uArray, uint32_t uIndex) {
  auto* theArray = FindArray(theHandler, uArray, __func__);
  if (theArray == nullptr) return nullptr;
  if (uIndex >= theArray->size()) {
    GetWorld().ReportViolation(std::string(__func__) + " read past the end of a file array");
    return nullptr;
  }
  return (*theArray)[uIndex];
}

const char* GetFileName(game::TESFile* theFile) {
  auto* theChecked = CheckFile(theFile, __func__);
  return theChecked != nullptr ? theChecked->sName.c_str() : nullptr;
}

uint8_t GetFileCompileIndex(game::TESFile* theFile) {
  auto* theChecked = CheckFile(theFile, __func__);
  return theChecked != nullptr ? theChecked->uCompileIndex : 0;
}

uint16_t GetFileSmallIndex(game::TESFile* theFile) {
  auto* theChecked = CheckFile(theFile, __func__);
  return theChecked != nullptr ? theChecked->uSmallFileIndex : 0;
}

uint8_t GetFileMediumIndex(game::TESFile* theFile) {
  auto* theChecked = CheckFile(theFile, __func__);
  return theChecked != nullptr ? theChecked->uMediumFileIndex : 0;
}

}  // namespace sim::host

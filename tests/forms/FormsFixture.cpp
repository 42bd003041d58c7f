#include "FormsFixture.h"

#include "game/Game.h"
#include "plugin/Log.h"
#include "support/LogText.h"

namespace zorvane::test {
namespace {

std::vector<game::TESFile*>& GetFileArray(sim::World& theWorld, game::FileArrayKind eArray) {
  if (eArray == game::kSmallFiles) return theWorld.theDataHandler.theSmallFiles;
  if (eArray == game::kMediumFiles) return theWorld.theDataHandler.theMediumFiles;
  return theWorld.theDataHandler.theFiles;
}

}  // namespace

void FormsFixture::SetUp() {
  PluginFixture::SetUp();
  UseWorld(std::make_unique<sim::World>());
  OpenLog();
}

void FormsFixture::TearDown() {
  for (const std::string& sViolation : theWorld->GetViolations()) ADD_FAILURE() << "game misuse: " << sViolation;
  game::BindHost(nullptr);
  sim::SetCurrentWorld(nullptr);
  PluginFixture::TearDown();
}

void FormsFixture::UseWorld(std::unique_ptr<sim::World> theNewWorld) {
  theWorld = std::move(theNewWorld);
  sim::SetCurrentWorld(theWorld.get());
  game::BindHost(&sim::GetHostTable());
}

game::TESFile* FormsFixture::AddFile(game::FileArrayKind eArray, const std::string& sName, uint8_t uCompileIndex,
                                     uint16_t uFileIndex) {
  auto theFile = std::make_unique<game::TESFile>();
  theFile->sName = sName;
  theFile->uCompileIndex = uCompileIndex;
  if (eArray == game::kSmallFiles) theFile->uSmallFileIndex = uFileIndex;
  if (eArray == game::kMediumFiles) theFile->uMediumFileIndex = static_cast<uint8_t>(uFileIndex);
  game::TESFile* theAdded = theWorld->AddFile(std::move(theFile));
  GetFileArray(*theWorld, eArray).push_back(theAdded);
  return theAdded;
}

void FormsFixture::AddEmptySlot(game::FileArrayKind eArray) { GetFileArray(*theWorld, eArray).push_back(nullptr); }

game::TESForm* FormsFixture::AddForm(uint32_t uFormID, uint8_t uType, const std::string& sEditorID,
                                     const std::string& sFullName, uint16_t uModIndex) {
  auto theForm = std::make_unique<game::TESForm>();
  theForm->uFormID = uFormID;
  theForm->uFormType = uType;
  theForm->sEditorID = sEditorID;
  theForm->sFullName = sFullName;
  theForm->uModIndex = uModIndex;
  return theWorld->AddForm(std::move(theForm));
}

game::TESObjectREFR* FormsFixture::AddRef(uint32_t uFormID, game::TESForm* theBase) {
  auto theRef = std::make_unique<game::TESObjectREFR>();
  theRef->uFormID = uFormID;
  theRef->theBase = theBase;
  return theWorld->AddForm(std::move(theRef));
}

void FormsFixture::AddExtraText(game::TESObjectREFR* theRef, uint32_t uKind, game::BSFixedString theString) {
  if (!theRef->theExtra) theRef->theExtra = std::make_unique<game::ExtraDataList>();
  auto theEntry = std::make_unique<game::BSExtraData>();
  theEntry->uKind = uKind;
  theEntry->theString = theString;
  theRef->theExtra->theEntries.push_back(std::move(theEntry));
}

void FormsFixture::AddExtraFormID(game::TESObjectREFR* theRef, uint32_t uFormID) {
  AddExtraText(theRef, game::kExtraShipFormID, {nullptr});
  theRef->theExtra->theEntries.back()->uFormID = uFormID;
}

std::string FormsFixture::ReadFormsLog() const {
  std::string sLog = MaskLineNumbers(ReadLog());
  const std::size_t uFirstEnd = sLog.find('\n');
  return uFirstEnd == std::string::npos ? std::string() : sLog.substr(uFirstEnd + 1);
}

}  // namespace zorvane::test

#include "support/ShipWorld.h"

#include "game/Game.h"

namespace zorvane::test {
namespace {

game::TESFile* AddFile(sim::World& theWorld, std::vector<game::TESFile*>& theArray, const std::string& sName,
                       uint8_t uCompileIndex, uint16_t uSmallIndex, uint8_t uMediumIndex) {
  auto theFile = std::make_unique<game::TESFile>();
  theFile->sName = sName;
  theFile->uCompileIndex = uCompileIndex;
  theFile->uSmallFileIndex = uSmallIndex;
  theFile->uMediumFileIndex = uMediumIndex;
  theArray.push_back(theWorld.AddFile(std::move(theFile)));
  return theArray.back();
}

template <typename T>
T* AddObject(sim::World& theWorld, uint32_t uFormID, uint8_t uFormType) {
  auto theObject = std::make_unique<T>();
  theObject->uFormID = uFormID;
  theObject->uFormType = uFormType;
  return theWorld.AddForm(std::move(theObject));
}

}  // namespace

ShipWorld::ShipWorld() {
  auto& theHandler = theWorld.theDataHandler;
  theMaster = AddFile(theWorld, theHandler.theFiles, "Starfield.esm", 0x00, 0, 0);
  theSmallFile = AddFile(theWorld, theHandler.theSmallFiles, "Small.esm", 0xFE, 0x012, 0);
  theMediumFile = AddFile(theWorld, theHandler.theMediumFiles, "Medium.esm", 0xFD, 0, 0x01);

  theExcludedRefKeyword = AddForm(0x5627, game::kFormTypeKeyword, theMaster, "", "ExcludedDecorRef");
  theExcludedBaseKeyword = AddForm(0x18DFD, game::kFormTypeKeyword, theMaster, "", "ExcludedDecorBase");
  theWorkshopKeyword = AddForm(0x54BA6, game::kFormTypeKeyword, theMaster, "", "WorkshopKeyword");
  theWorkshopLinkKeyword = AddForm(0x54BA7, game::kFormTypeKeyword, theMaster, "", "WorkshopItemKeyword");
  theWorld.theWorkshopKeyword = theWorkshopKeyword;
  theWorld.theWorkshopLinkKeyword = theWorkshopLinkKeyword;

  theWorld.thePilotingPerk = AddForm(0x002CFCAC, 44, theMaster, "Piloting", "PilotingSkill");
  theShipBase = AddForm(0x0000C0DE, game::kFormTypeGenericBaseForm, theMaster, "Test Ship Base", "TestShip");

  theCell = AddObject<game::TESObjectCELL>(theWorld, 0xFF000100, 57);
  theCell->bInterior = true;

  theShipRef = AddObject<game::TESObjectREFR>(theWorld, 0xFF000200, 66);
  theShipRef->theBase = theShipBase;

  thePlayer = AddObject<game::TESObjectREFR>(theWorld, 0x14, 66);
  thePlayer->theParentCell = theCell;
  thePlayer->theShipAboard = theShipRef;
  theWorld.thePlayer = thePlayer;
  theCell->theRefs.push_back(thePlayer);

  game::TESForm* theWorkbench = AddForm(0x00ABCD01, 47, theMaster, "Workbench");
  theWorkbench->theKeywords.push_back(theWorkshopKeyword);
  theWorkshop = AddObject<game::TESObjectREFR>(theWorld, 0x00ABCD02, 66);
  theWorkshop->theBase = theWorkbench;
  theWorkshop->theParentCell = theCell;
}

ShipWorld::~ShipWorld() = default;

game::TESForm* ShipWorld::AddForm(uint32_t uFormID, uint8_t uFormType, game::TESFile* theFile, const std::string& sName,
                                  const std::string& sEditorID) {
  game::TESForm* theForm = AddObject<game::TESForm>(theWorld, uFormID, uFormType);
  theForm->theFile = theFile;
  theForm->sFullName = sName;
  theForm->sEditorID = sEditorID;
  return theForm;
}

game::TESObjectREFR* ShipWorld::AddDecorItem(uint32_t uFormID, game::TESForm* theBase) {
  auto* theRef = AddObject<game::TESObjectREFR>(theWorld, uFormID, 66);
  theRef->theBase = theBase;
  theRef->theParentCell = theCell;
  theRef->theExtra = std::make_unique<game::ExtraDataList>();
  theCell->theRefs.push_back(theRef);
  return theRef;
}

void ShipWorld::LinkToWorkshop(game::TESObjectREFR* theRef) {
  theRef->theLinks.emplace_back(theWorkshopLinkKeyword, theWorkshop);
}

void ShipWorld::MakeVanilla(game::TESObjectREFR* theRef) {
  if (!theRef->theExtra) theRef->theExtra = std::make_unique<game::ExtraDataList>();
  for (uint32_t uKind : {221u, 218u, 212u}) {
    auto theEntry = std::make_unique<game::BSExtraData>();
    theEntry->uKind = uKind;
    theRef->theExtra->theEntries.push_back(std::move(theEntry));
  }
}

}  // namespace zorvane::test

#include "support/ShipWorld.h"

namespace zorvane::test {

ShipWorld::ShipWorld(sim::World& theWorld) : theWorld(theWorld) {
  theMaster = theWorld.FindFile("Starfield.esm");
  if (theMaster == nullptr) theMaster = theWorld.AddFile(game::kFullFiles, "Starfield.esm");
  theSmallFile = theWorld.AddFile(game::kSmallFiles, "Small.esm");
  theSmallFile->uSmallFileIndex = 0x012;
  theMediumFile = theWorld.AddFile(game::kMediumFiles, "Medium.esm");
  theMediumFile->uMediumFileIndex = 0x01;

  theExcludedRefKeyword = theWorld.AddForm(game::kExcludedDecorRefKeywordID, game::kFormTypeKeyword, theMaster);
  theExcludedBaseKeyword = theWorld.AddForm(game::kExcludedDecorBaseKeywordID, game::kFormTypeKeyword, theMaster);
  theWorld.theWorkshopKeyword = theWorld.AddForm(0x54BA6, game::kFormTypeKeyword, theMaster);
  theWorld.theWorkshopLinkKeyword = theWorld.AddForm(0x54BA7, game::kFormTypeKeyword, theMaster);
  theShipBase = theWorld.AddForm(0x0000C0DE, game::kFormTypeGenericBaseForm, theMaster, "Test Ship Base", "TestShip");

  theCell = theWorld.AddCell(0xFF000100);
  theShipRef = theWorld.AddReference(0xFF000200, theShipBase);
  thePlayer = theWorld.AddReference(game::kPlayerRefFormID, nullptr, theCell);
  thePlayer->theShipAboard = theShipRef;
  theWorld.thePlayer = thePlayer;

  game::TESForm* theWorkbench = theWorld.AddForm(0x00ABCD01, game::kFormTypeFURN, theMaster, "Workbench");
  theWorkbench->theKeywords.push_back(theWorld.theWorkshopKeyword);
  theWorkshop = theWorld.AddReference(0x00ABCD02, theWorkbench);
  theWorkshop->theParentCell = theCell;
}

game::TESObjectREFR* ShipWorld::AddDecorItem(uint32_t uFormID, game::TESForm* theBase) {
  game::TESObjectREFR* theRef = theWorld.AddReference(uFormID, theBase, theCell);
  theWorld.GetOrAddExtraList(theRef);
  return theRef;
}

void ShipWorld::LinkToWorkshop(game::TESObjectREFR* theRef) {
  theRef->theLinks.emplace_back(theWorld.theWorkshopLinkKeyword, theWorkshop);
}

void ShipWorld::MakeVanilla(game::TESObjectREFR* theRef) {
  for (uint32_t uKind : game::kExtraModuleItemKinds) theWorld.AddExtraData(theRef, uKind);
}

}  // namespace zorvane::test

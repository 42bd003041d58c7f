// The world's state written back after a session, in the shape of a world file (without
// the command tables), so a dump loads as a world again.
#include "WorldFile.h"
#include "WorldFileParts.h"

namespace sim {
namespace {

using nlohmann::json;
using worldfile::DumpFloat;
using worldfile::DumpForm;

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

// The members every kind of form has; empty ones are left out.
json DumpIdentity(const game::TESForm& theForm) {
  json theEntry = {{"formID", worldfile::DumpFormID(theForm.uFormID)}, {"type", theForm.uFormType}};
  if (!theForm.sEditorID.empty()) theEntry["editorID"] = theForm.sEditorID;
  if (!theForm.sFullName.empty()) theEntry["name"] = theForm.sFullName;
  if (theForm.theFile != nullptr) theEntry["file"] = theForm.theFile->sName;
  if (theForm.uModIndex != 0) theEntry["modIndex"] = theForm.uModIndex;
  if (!theForm.theKeywords.empty()) {
    json theKeywords = json::array();
    for (const game::TESForm* theKeyword : theForm.theKeywords) theKeywords.push_back(DumpForm(theKeyword));
    theEntry["keywords"] = theKeywords;
  }
  return theEntry;
}

json DumpVector(const float* theXYZ) { return {DumpFloat(theXYZ[0]), DumpFloat(theXYZ[1]), DumpFloat(theXYZ[2])}; }

json DumpExtraList(const game::ExtraDataList& theList) {
  json theResult = json::array();
  for (const auto& theEntry : theList.theEntries) {
    json theDump = {{"kind", theEntry->uKind}};
    if (theEntry->uKind == game::kExtraEditorID || theEntry->uKind == game::kExtraDisplayName) {
      theDump["string"] = worldfile::DumpString(theEntry->theString);
    } else if (theEntry->uKind == game::kExtraShipFormID) {
      theDump["formID"] = worldfile::DumpFormID(theEntry->uFormID);
    } else if (theEntry->uKind == game::kExtraCountedList) {
      theDump["count"] = theEntry->uListCount;
    }
    theResult.push_back(theDump);
  }
  return theResult;
}

json DumpReference(const game::TESObjectREFR& theRef) {
  json theEntry = DumpIdentity(theRef);
  theEntry["base"] = DumpForm(theRef.theBase);
  theEntry["cell"] = DumpForm(theRef.theParentCell);
  theEntry["position"] = DumpVector(theRef.fPosition);
  theEntry["rotation"] = DumpVector(theRef.fRotation);
  theEntry["scale"] = theRef.uScale;
  if (!theRef.theLinks.empty()) {
    json theLinks = json::array();
    for (const auto& [theKeyword, theLinked] : theRef.theLinks) {
      theLinks.push_back({{"keyword", DumpForm(theKeyword)}, {"ref", DumpForm(theLinked)}});
    }
    theEntry["links"] = theLinks;
  }
  if (theRef.theExtra != nullptr) theEntry["extra"] = DumpExtraList(*theRef.theExtra);
  if (theRef.theShipAboard != nullptr) theEntry["shipAboard"] = DumpForm(theRef.theShipAboard);
  if (theRef.theCellList) {
    json theIDs = json::array();
    for (uint32_t uFormID : theRef.theCellList->theIDs) theIDs.push_back(worldfile::DumpFormID(uFormID));
    theEntry["cellList"] = theIDs;
  }
  if (theRef.bRemoved) theEntry["removed"] = true;
  if (theRef.uPilotingRank != 0) theEntry["pilotingRank"] = theRef.uPilotingRank;
  return theEntry;
}

json DumpCell(const game::TESObjectCELL& theCell) {
  json theEntry = DumpIdentity(theCell);
  theEntry["interior"] = theCell.bInterior;
  if (theCell.theShip != nullptr) theEntry["ship"] = DumpForm(theCell.theShip);
  if (theCell.theWorldspace != nullptr) theEntry["worldspace"] = DumpForm(theCell.theWorldspace);
  if (!theCell.bAdmitted) theEntry["admitted"] = false;
  json theRefs = json::array();
  for (const game::TESObjectREFR* theRef : theCell.theRefs) theRefs.push_back(DumpForm(theRef));
  theEntry["references"] = theRefs;
  return theEntry;
}

json DumpCellManager(const game::CellManager& theManager) {
  json theEntries = json::array();
  for (const game::CellManager::Entry& theEntry : theManager.theEntries) {
    if (theEntry.eKind == game::CellManager::Entry::kCell) {
      theEntries.push_back(DumpForm(theEntry.theCell));
    } else {
      theEntries.push_back(theEntry.eKind == game::CellManager::Entry::kInvalid ? json("invalid") : json(nullptr));
    }
  }
  return {{"currentCell", DumpForm(theManager.theCurrentCell)}, {"entries", theEntries}};
}

}  // namespace

json DumpWorld(const World& theWorld) {
  json theResult;
  theResult["fullFiles"] = DumpFiles(theWorld.theDataHandler.theFiles);
  theResult["smallFiles"] = DumpFiles(theWorld.theDataHandler.theSmallFiles);
  theResult["mediumFiles"] = DumpFiles(theWorld.theDataHandler.theMediumFiles);
  json theForms = json::array();
  json theCells = json::array();
  json theWorldspaces = json::array();
  json theRefs = json::array();
  for (const auto& [uFormID, theForm] : theWorld.theFormsByID) {
    if (const auto* theRef = dynamic_cast<const game::TESObjectREFR*>(theForm)) {
      theRefs.push_back(DumpReference(*theRef));
    } else if (const auto* theCell = dynamic_cast<const game::TESObjectCELL*>(theForm)) {
      theCells.push_back(DumpCell(*theCell));
    } else if (const auto* theWorldspace = dynamic_cast<const game::TESWorldSpace*>(theForm)) {
      json theEntry = DumpIdentity(*theWorldspace);
      theEntry["persistentCell"] = DumpForm(theWorldspace->thePersistentCell);
      theWorldspaces.push_back(theEntry);
    } else {
      json theEntry = DumpIdentity(*theForm);
      if (!theForm->theComponents.empty()) theEntry["components"] = worldfile::DumpComponents(*theForm);
      theForms.push_back(theEntry);
    }
  }
  theResult["forms"] = theForms;
  theResult["cells"] = theCells;
  if (!theWorldspaces.empty()) theResult["worldspaces"] = theWorldspaces;
  theResult["references"] = theRefs;
  theResult["pilotingPerk"] = DumpForm(theWorld.thePilotingPerk);
  if (theWorld.uPlayerPilotingRank != 0) theResult["playerPilotingRank"] = theWorld.uPlayerPilotingRank;
  theResult["player"] = DumpForm(theWorld.thePlayer);
  theResult["homeShip"] = DumpForm(theWorld.thePlayerHomeShip);
  theResult["workshopKeyword"] = DumpForm(theWorld.theWorkshopKeyword);
  theResult["workshopLinkKeyword"] = DumpForm(theWorld.theWorkshopLinkKeyword);
  if (theWorld.bHasCellManager) theResult["cellManager"] = DumpCellManager(theWorld.theCellManager);
  return theResult;
}

}  // namespace sim

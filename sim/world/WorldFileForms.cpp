// Forms, cells and placed references of a world file.
#include <set>

#include "WorldFile.h"
#include "WorldFileParts.h"

namespace sim::worldfile {
namespace {

const std::vector<const char*> kFormMembers = {"formID", "type",     "editorID", "name",
                                               "file",   "modIndex", "keywords", "components"};
const std::vector<const char*> kCellMembers = {"formID",   "type",     "editorID",   "name", "file",       "modIndex",
                                               "keywords", "interior", "references", "ship", "worldspace", "admitted"};
const std::vector<const char*> kWorldspaceMembers = {"formID", "type",     "editorID", "name",
                                                     "file",   "modIndex", "keywords", "persistentCell"};
const std::vector<const char*> kReferenceMembers = {
    "formID",   "type",     "editorID", "name",  "file",  "modIndex",   "keywords", "base",    "cell",
    "position", "rotation", "scale",    "links", "extra", "shipAboard", "cellList", "removed", "pilotingRank"};

// The members every kind of form has, over what the world's builder gave the new form.
void ReadIdentity(World& theWorld, game::TESForm& theForm, const json& theEntry, const Where& theWhere) {
  theForm.uFormType = static_cast<uint8_t>(ReadUnsignedMember(theEntry, "type", theWhere, 0xFF, theForm.uFormType));
  theForm.sEditorID = ReadTextMember(theEntry, "editorID", theWhere);
  theForm.sFullName = ReadTextMember(theEntry, "name", theWhere);
  theForm.uModIndex = static_cast<uint16_t>(ReadUnsignedMember(theEntry, "modIndex", theWhere, 0xFFFF, 0));
  if (theEntry.contains("file")) {
    std::string sFile = ReadText(theEntry.at("file"), theWhere["file"]);
    theForm.theFile = theWorld.FindFile(sFile);
    if (theForm.theFile == nullptr) theWhere["file"].Fail("unknown plugin file " + DescribeValue(sFile));
  }
}

// Makes the objects of one list with the world's builder: `Add` makes one from its form ID.
template <typename Fn>
void CreateList(World& theWorld, const json& theRoot, const char* sList, const std::vector<const char*>& theMembers,
                Fn Add) {
  if (!theRoot.contains(sList)) return;
  Where theList(sList);
  CheckArray(theRoot.at(sList), theList);
  for (std::size_t i = 0; i < theRoot.at(sList).size(); ++i) {
    const json& theEntry = theRoot.at(sList).at(i);
    CheckObject(theEntry, theList[i], theMembers);
    if (!theEntry.contains("formID")) theList[i].Fail("needs a \"formID\"");
    const uint32_t uFormID = ReadFormID(theEntry.at("formID"), theList[i]["formID"]);
    if (theWorld.FindForm(uFormID) != nullptr) {
      theList[i].Fail("form ID " + FormatFormID(uFormID) + " is defined twice");
    }
    ReadIdentity(theWorld, *Add(uFormID), theEntry, theList[i]);
  }
}

// The entries of the list `sList`, each with its place in the file and its form.
template <typename T, typename Fn>
void ForEachEntry(World& theWorld, const json& theRoot, const char* sList, Fn Visit) {
  if (!theRoot.contains(sList)) return;
  Where theList(sList);
  for (std::size_t i = 0; i < theRoot.at(sList).size(); ++i) {
    const json& theEntry = theRoot.at(sList).at(i);
    uint32_t uFormID = ParseFormID(theEntry.at("formID"));
    Visit(*dynamic_cast<T*>(theWorld.FindForm(uFormID)), theEntry, theList[i].WithFormID(uFormID));
  }
}

void FillKeywords(World& theWorld, game::TESForm& theForm, const json& theEntry, const Where& theWhere) {
  if (!theEntry.contains("keywords")) return;
  const json& theList = theEntry.at("keywords");
  CheckArray(theList, theWhere["keywords"]);
  for (std::size_t i = 0; i < theList.size(); ++i) {
    theForm.theKeywords.push_back(ReadKeyword(theWorld, theList.at(i), theWhere["keywords"][i]));
  }
}

void FillCell(World& theWorld, game::TESObjectCELL& theCell, const json& theEntry, const Where& theWhere,
              std::set<game::TESObjectREFR*>& theListed) {
  FillKeywords(theWorld, theCell, theEntry, theWhere);
  theCell.bInterior = ReadBoolMember(theEntry, "interior", theWhere, true);
  theCell.bAdmitted = ReadBoolMember(theEntry, "admitted", theWhere, true);
  if (theEntry.contains("ship")) theCell.theShip = ReadReference(theWorld, theEntry.at("ship"), theWhere["ship"]);
  if (theEntry.contains("worldspace")) {
    game::TESForm* theForm = ReadForm(theWorld, theEntry.at("worldspace"), theWhere["worldspace"]);
    theCell.theWorldspace = dynamic_cast<game::TESWorldSpace*>(theForm);
    if (theForm != nullptr && theCell.theWorldspace == nullptr) {
      theWhere["worldspace"].Fail(FormatFormID(theForm->uFormID) + " is not a worldspace");
    }
  }
  if (!theEntry.contains("references")) return;
  Where theRefsWhere = theWhere["references"];
  const json& theRefs = theEntry.at("references");
  CheckArray(theRefs, theRefsWhere);
  for (std::size_t i = 0; i < theRefs.size(); ++i) {
    game::TESObjectREFR* theRef = ReadReference(theWorld, theRefs.at(i), theRefsWhere[i]);
    if (theRef != nullptr && !theListed.insert(theRef).second) {
      theRefsWhere[i].Fail(FormatFormID(theRef->uFormID) + " is already listed in a cell");
    }
    if (theRef != nullptr) theRef->theParentCell = &theCell;
    theCell.theRefs.push_back(theRef);
  }
}

void ReadVector(const json& theEntry, const char* sName, const Where& theWhere, float* theXYZ) {
  if (!theEntry.contains(sName)) return;
  const json& theValue = theEntry.at(sName);
  if (!theValue.is_array() || theValue.size() != 3) theWhere[sName].Fail("must be an array of three numbers");
  for (std::size_t i = 0; i < 3; ++i) theXYZ[i] = ReadFloat(theValue.at(i), theWhere[sName][i]);
}

void ReadExtraEntry(World& theWorld, game::TESObjectREFR& theRef, const json& theValue, const Where& theWhere) {
  CheckObject(theValue, theWhere, {"kind", "string", "formID", "count"});
  if (!theValue.contains("kind")) theWhere.Fail("needs a \"kind\"");
  const auto uKind = static_cast<uint32_t>(ReadUnsigned(theValue.at("kind"), theWhere["kind"], 0xFFFFFFFF));
  game::BSExtraData* theEntry = &theWorld.AddExtraData(&theRef, uKind);
  bool bString = theEntry->uKind == game::kExtraEditorID || theEntry->uKind == game::kExtraDisplayName;
  for (const auto& [sMember, theMember] : theValue.items()) {
    if (sMember == "string" && bString) {
      theEntry->theString = ReadString(theWorld, theMember, theWhere[sMember]);
    } else if (sMember == "formID" && theEntry->uKind == game::kExtraShipFormID) {
      theEntry->uFormID = ReadFormID(theMember, theWhere[sMember]);  // may name a form the world lacks
    } else if (sMember == "count" && theEntry->uKind == game::kExtraCountedList) {
      theEntry->uListCount = static_cast<uint32_t>(ReadUnsigned(theMember, theWhere[sMember], 0xFFFFFFFF));
    } else if (sMember != "kind") {
      theWhere.Fail("extra data of kind " + std::to_string(theEntry->uKind) + " has no member \"" + sMember + "\"");
    }
  }
}

void FillReference(World& theWorld, game::TESObjectREFR& theRef, const json& theEntry, const Where& theWhere) {
  FillKeywords(theWorld, theRef, theEntry, theWhere);
  if (theEntry.contains("base")) theRef.theBase = ReadForm(theWorld, theEntry.at("base"), theWhere["base"]);
  // A parent cell given here wins over the cell whose list holds the reference.
  if (theEntry.contains("cell")) theRef.theParentCell = ReadCell(theWorld, theEntry.at("cell"), theWhere["cell"]);
  if (theEntry.contains("shipAboard")) {
    theRef.theShipAboard = ReadReference(theWorld, theEntry.at("shipAboard"), theWhere["shipAboard"]);
  }
  ReadVector(theEntry, "position", theWhere, theRef.fPosition);
  ReadVector(theEntry, "rotation", theWhere, theRef.fRotation);
  theRef.uScale = static_cast<uint16_t>(ReadUnsignedMember(theEntry, "scale", theWhere, 0xFFFF, 100));
  theRef.uPilotingRank = static_cast<uint32_t>(ReadUnsignedMember(theEntry, "pilotingRank", theWhere, 0xFFFFFFFF, 0));
  if (theEntry.contains("links")) {
    const json& theLinks = theEntry.at("links");
    CheckArray(theLinks, theWhere["links"]);
    for (std::size_t i = 0; i < theLinks.size(); ++i) {
      Where theLink = theWhere["links"][i];
      CheckObject(theLinks.at(i), theLink, {"keyword", "ref"});
      if (!theLinks.at(i).contains("keyword") || !theLinks.at(i).contains("ref")) {
        theLink.Fail("a link needs a \"keyword\" and a \"ref\"");
      }
      game::TESForm* theKeyword = ReadKeyword(theWorld, theLinks.at(i).at("keyword"), theLink["keyword"]);
      game::TESObjectREFR* theLinked = ReadReference(theWorld, theLinks.at(i).at("ref"), theLink["ref"]);
      if (theLinked == nullptr) theLink["ref"].Fail("must be a reference, not null");
      theRef.theLinks.emplace_back(theKeyword, theLinked);
    }
  }
  if (theEntry.contains("cellList") && !theEntry.at("cellList").is_null()) {
    const json& theIDs = theEntry.at("cellList");
    CheckArray(theIDs, theWhere["cellList"]);
    game::CellIDList& theList = theWorld.GetOrAddCellList(&theRef);
    // Form IDs that need not name a form of the world.
    for (std::size_t i = 0; i < theIDs.size(); ++i) {
      theList.theIDs.push_back(ReadFormID(theIDs.at(i), theWhere["cellList"][i]));
    }
  }
  if (ReadBoolMember(theEntry, "removed", theWhere, false)) theWorld.RemoveReference(&theRef);
  if (theEntry.contains("extra") && !theEntry.at("extra").is_null()) {
    const json& theExtra = theEntry.at("extra");
    CheckArray(theExtra, theWhere["extra"]);
    theWorld.GetOrAddExtraList(&theRef);
    for (std::size_t i = 0; i < theExtra.size(); ++i) {
      ReadExtraEntry(theWorld, theRef, theExtra.at(i), theWhere["extra"][i]);
    }
  }
}

}  // namespace

void CreateForms(World& theWorld, const json& theRoot) {
  CreateList(theWorld, theRoot, "forms", kFormMembers, [&](uint32_t uFormID) { return theWorld.AddForm(uFormID, 0); });
  CreateList(theWorld, theRoot, "cells", kCellMembers, [&](uint32_t uFormID) { return theWorld.AddCell(uFormID); });
  CreateList(theWorld, theRoot, "worldspaces", kWorldspaceMembers,
             [&](uint32_t uFormID) { return theWorld.AddWorldspace(uFormID); });
  CreateList(theWorld, theRoot, "references", kReferenceMembers,
             [&](uint32_t uFormID) { return theWorld.AddReference(uFormID, nullptr); });
}

void FillForms(World& theWorld, const json& theRoot) {
  ForEachEntry<game::TESForm>(theWorld, theRoot, "forms",
                              [&](game::TESForm& theForm, const json& theEntry, const Where& theWhere) {
                                FillKeywords(theWorld, theForm, theEntry, theWhere);
                                if (theEntry.contains("components")) {
                                  LoadComponents(theWorld, &theForm, theEntry.at("components"), theWhere["components"]);
                                }
                              });
  std::set<game::TESObjectREFR*> theListed;
  ForEachEntry<game::TESObjectCELL>(theWorld, theRoot, "cells",
                                    [&](game::TESObjectCELL& theCell, const json& theEntry, const Where& theWhere) {
                                      FillCell(theWorld, theCell, theEntry, theWhere, theListed);
                                    });
  ForEachEntry<game::TESWorldSpace>(
      theWorld, theRoot, "worldspaces",
      [&](game::TESWorldSpace& theWorldspace, const json& theEntry, const Where& theWhere) {
        FillKeywords(theWorld, theWorldspace, theEntry, theWhere);
        if (theEntry.contains("persistentCell")) {
          theWorldspace.thePersistentCell =
              ReadCell(theWorld, theEntry.at("persistentCell"), theWhere["persistentCell"]);
        }
      });
  ForEachEntry<game::TESObjectREFR>(theWorld, theRoot, "references",
                                    [&](game::TESObjectREFR& theRef, const json& theEntry, const Where& theWhere) {
                                      FillReference(theWorld, theRef, theEntry, theWhere);
                                    });
}

}  // namespace sim::worldfile

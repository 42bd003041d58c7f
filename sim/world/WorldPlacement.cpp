// New references made from the plugin's requests, their handles, and removal.
#include <algorithm>

#include "World.h"

namespace sim {

void World::FailNewReference(NewRefFault eFault, int iNth) {
  eNewRefFault = eFault;
  iNewRefCountdown = iNth;
}

bool World::IsNewReferenceFault(NewRefFault eFault) {
  if (iNewRefCountdown != 0 || eNewRefFault != eFault) return false;
  eNewRefFault = NewRefFault::kNone;  // one attempt goes wrong
  return true;
}

game::NewRefRequest* World::MakeRequest() {
  // Each request is one attempt; the failing one is reached when the count runs out.
  if (iNewRefCountdown > 0) --iNewRefCountdown;
  if (IsNewReferenceFault(NewRefFault::kNoRequest)) return nullptr;
  theRequests.push_back(std::make_unique<game::NewRefRequest>());
  Register(theRequests.back().get(), ObjectKind::kNewRefRequest);
  return theRequests.back().get();
}

void World::ReleaseRequest(game::NewRefRequest* theRequest) {
  theObjects.erase(theRequest);
  std::erase_if(theRequests, [theRequest](const auto& theLive) { return theLive.get() == theRequest; });
}

uint32_t World::CreateReference(const game::NewRefRequest& theRequest) {
  game::TESObjectCELL* theCell = theRequest.theCell;
  if (theCell == nullptr && theRequest.theWorldspace != nullptr) theCell = theRequest.theWorldspace->thePersistentCell;
  while (theFormsByID.count(uNextCreatedID) != 0) ++uNextCreatedID;
  game::TESObjectREFR* theRef = AddReference(uNextCreatedID++, theRequest.theBase, theCell);
  std::copy_n(theRequest.fPosition, 3, theRef->fPosition);
  std::copy_n(theRequest.fRotation, 3, theRef->fRotation);
  if (bNewRefsHaveExtraList) GetOrAddExtraList(theRef);
  const uint32_t uHandle = uNextHandle++;
  theRefsByHandle[uHandle] = theRef;
  return uHandle;
}

game::TESObjectREFR* World::FindReferenceByHandle(uint32_t uHandle) const {
  auto it = theRefsByHandle.find(uHandle);
  return it != theRefsByHandle.end() && !it->second->bRemoved ? it->second : nullptr;
}

void World::RemoveReference(game::TESObjectREFR* theRef) {
  if (theRef->theParentCell != nullptr) std::erase(theRef->theParentCell->theRefs, theRef);
  theRef->bRemoved = true;
}

}  // namespace sim

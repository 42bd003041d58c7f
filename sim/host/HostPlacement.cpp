// The simulated game's writes to references: scale, links, removal, and new references made
// from requests. A request must be made by the game, filled once with a base and exactly one
// place (a cell or a worldspace), and released; misuse is reported.
#include <cmath>

#include "HostOperations.h"

namespace sim::host {
namespace {

void Report(const char* sOperation, const std::string& sWhat) {
  GetWorld().ReportViolation(std::string(sOperation) + " " + sWhat);
}

game::NewRefRequest* CheckRequest(game::NewRefRequest* theRequest, const char* sOperation) {
  return Check(theRequest, {ObjectKind::kNewRefRequest}, sOperation);
}

}  // namespace

void SetRefScale(game::TESObjectREFR* theRef, float fScale) {
  auto* theChecked = CheckRef(theRef, __func__);
  if (theChecked == nullptr) return;
  if (!std::isfinite(fScale) || fScale < 0.0f) {
    Report(__func__, "called with the scale " + std::to_string(fScale));
    return;
  }
  // The game keeps the scale in percent.
  theChecked->uScale = static_cast<uint16_t>(std::lround(std::min(fScale * 100.0f, 65535.0f)));
}

void LinkRef(game::TESObjectREFR* theRef, game::TESForm* theKeyword, game::TESObjectREFR* theTarget, bool) {
  auto* theChecked = CheckRef(theRef, __func__);
  auto* theCheckedKeyword = CheckForm(theKeyword, __func__);
  auto* theCheckedTarget = CheckRef(theTarget, __func__);
  if (theChecked == nullptr || theCheckedKeyword == nullptr || theCheckedTarget == nullptr) return;
  for (auto& [theLinkKeyword, theLinked] : theChecked->theLinks) {
    if (theLinkKeyword == theCheckedKeyword) {
      theLinked = theCheckedTarget;
      return;
    }
  }
  theChecked->theLinks.emplace_back(theCheckedKeyword, theCheckedTarget);
}

bool RemoveRef(game::TESObjectREFR* theRef) {
  auto* theChecked = CheckRef(theRef, __func__);
  if (theChecked == nullptr) return false;
  if (theChecked->bRemoved) {
    Report(__func__, "called on a reference already removed");
    return false;
  }
  GetWorld().RemoveReference(theChecked);
  return true;
}

float GetRefDistance(game::TESObjectREFR* theRef, game::TESObjectREFR* theOther) {
  auto* theChecked = CheckRef(theRef, __func__);
  auto* theCheckedOther = CheckRef(theOther, __func__);
  if (theChecked == nullptr || theCheckedOther == nullptr) return 0.0f;
  float fSum = 0.0f;
  for (int i = 0; i < 3; ++i) {
    const float fDelta = theChecked->fPosition[i] - theCheckedOther->fPosition[i];
    fSum += fDelta * fDelta;
  }
  return std::sqrt(fSum);
}

game::TESWorldSpace* GetRefWorldspace(game::TESObjectREFR* theRef) {
  auto* theChecked = CheckRef(theRef, __func__);
  if (theChecked == nullptr || theChecked->theParentCell == nullptr) return nullptr;
  return theChecked->theParentCell->bInterior ? nullptr : theChecked->theParentCell->theWorldspace;
}

game::NewRefRequest* MakeNewRefRequest() { return GetWorld().MakeRequest(); }

void FillNewRefRequest(game::NewRefRequest* theRequest, game::TESForm* theBase, const float* thePosition,
                       const float* theRotation, game::TESObjectCELL* theCell, game::TESWorldSpace* theWorldspace) {
  auto* theChecked = CheckRequest(theRequest, __func__);
  auto* theCheckedBase = CheckForm(theBase, __func__);
  if (theChecked == nullptr || theCheckedBase == nullptr) return;
  if (!IsBoundObject(*theCheckedBase)) Report(__func__, "called with a base that is no bound object");
  if ((theCell == nullptr) == (theWorldspace == nullptr)) {
    Report(__func__, "needs exactly one place, a cell or a worldspace");
    return;
  }
  if (theCell != nullptr && Check(theCell, {ObjectKind::kCell}, __func__) == nullptr) return;
  if (theWorldspace != nullptr && Check(theWorldspace, {ObjectKind::kWorldspace}, __func__) == nullptr) return;
  *theChecked = {true, theCheckedBase, {}, {}, theCell, theWorldspace};
  std::copy_n(thePosition, 3, theChecked->fPosition);
  std::copy_n(theRotation, 3, theChecked->fRotation);
}

uint32_t CreateRefFromRequest(game::TESDataHandler* theHandler, game::NewRefRequest* theRequest) {
  auto* theCheckedHandler = Check(theHandler, {ObjectKind::kDataHandler}, __func__);
  auto* theChecked = CheckRequest(theRequest, __func__);
  if (theCheckedHandler == nullptr || theChecked == nullptr) return 0;
  if (!theChecked->bFilled) {
    Report(__func__, "called with a request that was never filled");
    return 0;
  }
  World& theWorld = GetWorld();
  if (theWorld.IsNewReferenceFault(NewRefFault::kNoHandle)) return 0;
  const uint32_t uHandle = theWorld.CreateReference(*theChecked);
  // A handle that names nothing: the reference is lost to the plugin.
  return theWorld.IsNewReferenceFault(NewRefFault::kNoReference) ? uHandle + 0x1000 : uHandle;
}

void ReleaseNewRefRequest(game::NewRefRequest* theRequest) {
  if (auto* theChecked = CheckRequest(theRequest, __func__)) GetWorld().ReleaseRequest(theChecked);
}

game::TESObjectREFR* LookupRefByHandle(uint32_t uHandle) { return GetWorld().FindReferenceByHandle(uHandle); }

}  // namespace sim::host

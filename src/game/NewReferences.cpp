#include "game/NewReferences.h"

#include <stdexcept>

#include "game/HostCalls.h"

namespace game {

void NewRefRequestRelease::operator()(NewRefRequest* theRequest) const {
  if (theRequest != nullptr) host::ReleaseNewRefRequest(theRequest);
}

NewRefRequestPtr MakeNewRefRequest() { return NewRefRequestPtr(host::MakeNewRefRequest()); }

void FillNewRefRequest(NewRefRequest* theRequest, TESForm* theBase, const std::array<float, 3>& thePosition,
                       const std::array<float, 3>& theRotation, TESObjectCELL* theCell, TESWorldSpace* theWorldspace) {
  if (theRequest == nullptr) throw std::invalid_argument("FillNewRefRequest without a request");
  host::FillNewRefRequest(theRequest, theBase, thePosition.data(), theRotation.data(), theCell, theWorldspace);
}

uint32_t CreateRefFromRequest(NewRefRequest* theRequest) {
  TESDataHandler* theHandler = host::GetDataHandler();
  return theHandler != nullptr && theRequest != nullptr ? host::CreateRefFromRequest(theHandler, theRequest) : 0;
}

TESObjectREFR* LookupRefByHandle(uint32_t uHandle) { return uHandle != 0 ? host::LookupRefByHandle(uHandle) : nullptr; }

}  // namespace game

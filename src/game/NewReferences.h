#pragma once
// New references: the game makes a request record, the plugin has it filled, the data
// handler creates the reference from it and answers a handle, by which the reference is
// found.

#include <array>
#include <cstdint>
#include <memory>

#include "game/Types.h"

namespace game {

struct NewRefRequestRelease {
  void operator()(NewRefRequest* theRequest) const;
};
// A request record, given back to the game when it goes.
using NewRefRequestPtr = std::unique_ptr<NewRefRequest, NewRefRequestRelease>;

// A new request record; null when the game cannot make one.
NewRefRequestPtr MakeNewRefRequest();
// Fills the request: the base, the position, the rotation in radians, and the place, either
// a cell or a worldspace.
void FillNewRefRequest(NewRefRequest* theRequest, TESForm* theBase, const std::array<float, 3>& thePosition,
                       const std::array<float, 3>& theRotation, TESObjectCELL* theCell, TESWorldSpace* theWorldspace);
// The data handler creates the reference; its handle, 0 when it could not (or without a data
// handler).
uint32_t CreateRefFromRequest(NewRefRequest* theRequest);
// The reference of a handle; null for 0 or a handle that names none.
TESObjectREFR* LookupRefByHandle(uint32_t uHandle);

}  // namespace game

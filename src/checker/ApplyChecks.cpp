#include "checker/ApplyChecks.h"

#include <algorithm>
#include <map>
#include <optional>

#include "core/Settings.h"
#include "forms/DecorItems.h"
#include "forms/ValueParsing.h"
#include "game/Codes.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileLine.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane::shipfile {
namespace {

constexpr const char* kMasterFile = "starfield.esm";

// The line (from 1) that names each decoration item's base, by the item's index; found in one
// pass, since a ship holds thousands of items.
std::map<int32_t, int> FindBaseLines(const std::vector<std::string>& theLines) {
  static const std::string kBase =
      std::string(1, kIndexClose) + kFieldSeparator +
      std::find_if(std::begin(kDecorFields), std::end(kDecorFields), [](const DecorField& f) {
        return f.bCreates;
      })->sKey;
  static const std::string kItem = std::string(keys::kDecorItem) + kIndexOpen;
  std::map<int32_t, int> theBaseLines;
  for (std::size_t i = 0; i < theLines.size(); ++i) {
    const ShipFileLine theLine(theLines[i]);
    if (theLine.Has(kItem) && theLine.Has(kBase))
      theBaseLines.emplace(GetIndex(theLine.GetKeyPart()), static_cast<int>(i) + 1);
  }
  return theBaseLines;
}

}  // namespace

FormKey GetRegistrationKey() { return {kMasterFile, game::kSpaceshipRegistrationFormID}; }

void CheckRegistration(const ShipForms& theForms, CheckReport& theReport) {
  if (theReport.IsRefused(kLayout) || theForms.IsUnread(kMasterFile)) return;
  const FormKey theKey = GetRegistrationKey();
  const PluginRecord* theRecord = theForms.Find(theKey.sFile, theKey.uLocalID);
  if (theRecord != nullptr && theRecord->sType == "AVIF") return;
  theReport.theSkipped.push_back(
      {0,
       kLayout,
       "SpaceshipRegistration AVIF is nullptr or not ActorValueInfo: " +
           (theRecord == nullptr ? std::string("!!! ERROR: nullptr form !!!")
                                 : "0C55B1|Starfield.esm is a " + theRecord->sType + " record"),
       {"the ship keeps no registration entry"}});
}

void CheckDecorKinds(const std::vector<DecorItem>& theItems, const std::vector<std::string>& theLines,
                     const OfflineGame& theGame, CheckReport& theReport) {
  if (theReport.IsRefused(kInterior)) return;
  const PluginSettings theDefaults;
  std::optional<std::map<int32_t, int>> theBaseLines;
  for (std::size_t i = 0; i < theItems.size(); ++i) {
    const PluginRecord* theRecord = theGame.GetRecord(theItems[i].base);
    if (theRecord == nullptr) continue;
    const std::optional<uint8_t> uType = GetFormTypeCode(theRecord->sType);
    if (uType && IsDecorTypeKept(*uType, theDefaults.Import)) continue;
    if (!theBaseLines) theBaseLines = FindBaseLines(theLines);
    const auto itLine = theBaseLines->find(static_cast<int32_t>(i));
    theReport.theSkipped.push_back({itLine == theBaseLines->end() ? 0 : itLine->second,
                                    kInterior,
                                    "skipping itemBase of unsupported type | Base of a " + theRecord->sType + " record",
                                    {}});
  }
}

}  // namespace zorvane::shipfile

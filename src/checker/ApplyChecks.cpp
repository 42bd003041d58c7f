#include "checker/ApplyChecks.h"

#include <algorithm>

#include "core/Settings.h"
#include "forms/DecorItems.h"
#include "game/Codes.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileLine.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane::shipfile {
namespace {

constexpr const char* kMasterFile = "starfield.esm";

// The line (from 1) that names a decoration item's base; 0 when none does.
int FindBaseLine(const std::vector<std::string>& theLines, std::size_t uItem) {
  static const char* const kBase =
      std::find_if(std::begin(kDecorFields), std::end(kDecorFields), [](const DecorField& f) {
        return f.bCreates;
      })->sKey;
  const std::string sKey =
      std::string(keys::kDecorItem) + kIndexOpen + std::to_string(uItem) + kIndexClose + kFieldSeparator + kBase;
  for (std::size_t i = 0; i < theLines.size(); ++i) {
    if (ShipFileLine(theLines[i]).Has(sKey)) return static_cast<int>(i) + 1;
  }
  return 0;
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
  for (std::size_t i = 0; i < theItems.size(); ++i) {
    const PluginRecord* theRecord = theGame.GetRecord(theItems[i].base);
    if (theRecord == nullptr) continue;
    const std::optional<uint8_t> uType = GetFormTypeCode(theRecord->sType);
    if (uType && IsDecorTypeKept(*uType, theDefaults.Import)) continue;
    theReport.theSkipped.push_back({FindBaseLine(theLines, i),
                                    kInterior,
                                    "skipping itemBase of unsupported type | Base of a " + theRecord->sType + " record",
                                    {}});
  }
}

}  // namespace zorvane::shipfile

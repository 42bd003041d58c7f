#pragma once
// The imports' surroundings: the sample world (the player aboard the Kestrel, the
// runtime-created home ship Frontier parked beside it, its interior decorated), the ship folder
// made and the log open.

#include <nlohmann/json.hpp>

#include "WorldFile.h"
#include "core/Log.h"
#include "export/ExportShipRef.h"
#include "shipfile/ShipFolder.h"
#include "support/PluginFixture.h"

namespace zorvane::test {

class SampleShipTest : public PluginFixture {
 protected:
  static constexpr uint32_t kKestrelRefID = 0xFF000800;
  static constexpr uint32_t kKestrelCellID = 0xFF000900;
  static constexpr uint32_t kHomeRefID = 0xFF000C00;
  static constexpr uint32_t kHomeCellID = 0xFF000D00;
  static constexpr const char* kHomeBase = "0xFF000B00";

  void SetUp() override {
    PluginFixture::SetUp();
    UseSampleWorld(ReadSampleWorld());
    std::filesystem::create_directories(GetShipFolder());
    OpenLog();
  }

  static nlohmann::json ReadSampleWorld() { return nlohmann::json::parse(ReadFileBytes(ZORVANE_SAMPLE_WORLD)); }
  void UseSampleWorld(const nlohmann::json& theJson) {
    UseWorld(sim::LoadWorld(theJson));
    theHome = Ref(kHomeRefID);
  }

  game::TESObjectREFR* Ref(uint32_t uFormID) const {
    return dynamic_cast<game::TESObjectREFR*>(theWorld->FindForm(uFormID));
  }
  game::TESObjectCELL* Cell(uint32_t uFormID) const {
    return dynamic_cast<game::TESObjectCELL*>(theWorld->FindForm(uFormID));
  }

  // The player boards the Frontier, as the game's coc would move them.
  void BoardHomeShip() {
    game::TESObjectREFR* thePlayer = theWorld->thePlayer;
    std::erase(thePlayer->theParentCell->theRefs, thePlayer);
    thePlayer->theParentCell = Cell(kHomeCellID);
    thePlayer->theParentCell->theRefs.push_back(thePlayer);
    thePlayer->theShipAboard = theHome;
    theWorld->theCellManager.theCurrentCell = thePlayer->theParentCell;
  }

  bool Export(uint32_t uRefID, uint32_t uCellID, const std::string& sFileName) {
    return ExportShipRef(Ref(uRefID), Cell(uCellID), kShipFolder, sFileName, &theSettings);
  }
  // A ship file "Lines.txt" of these lines.
  std::string WriteLines(const std::vector<std::string>& theLines) {
    WriteFileBytes(GetShipFolder() / "Lines.txt", JoinCrLf(theLines));
    return "Lines.txt";
  }

  // The dumped entry of the form, reference or cell `sFormID` ("0x..." as the dump writes it).
  nlohmann::json GetDumped(const std::string& sFormID) const {
    const nlohmann::json theDump = sim::DumpWorld(*theWorld);
    for (const char* sList : {"forms", "references", "cells"}) {
      for (const auto& theEntry : theDump[sList]) {
        if (theEntry["formID"] == sFormID) return theEntry;
      }
    }
    return nullptr;
  }
  nlohmann::json GetHomeComponents() const { return GetDumped(kHomeBase)["components"]; }

  PluginSettings theSettings;
  game::TESObjectREFR* theHome = nullptr;
};

}  // namespace zorvane::test

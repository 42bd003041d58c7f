// The plugin files written for a zorvane-sim world read back as the world's forms: each of its
// files of its kind, each form under its file's local ID with its record type, editor ID and
// bounds exactly when the simulated game takes it for a bound object.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include "HostOperations.h"
#include "WorldFile.h"
#include "checker/PluginFileReader.h"
#include "support/Files.h"
#include "support/WorldPluginFiles.h"

namespace zorvane::test {
namespace {

using namespace shipfile;

// The runtime form ID the simulated game gives a file's own form.
uint32_t GetRuntimeID(const game::TESFile& theFile, PluginKind eKind, uint32_t uLocalID) {
  if (eKind == PluginKind::kSmall) return 0xFE000000u | uint32_t{theFile.uSmallFileIndex} << 12 | uLocalID;
  if (eKind == PluginKind::kMedium) return 0xFD000000u | uint32_t{theFile.uMediumFileIndex} << 16 | uLocalID;
  return uint32_t{theFile.uCompileIndex} << 24 | uLocalID;
}

TEST(WorldPluginFilesTest, TheFilesOfTheSampleWorldHoldItsForms) {
  TempFolder theFolder;
  const std::vector<std::string> theNames = WriteWorldPluginFiles(ZORVANE_SAMPLE_WORLD, theFolder.GetPath());
  EXPECT_EQ(theNames, (std::vector<std::string>{"Starfield.esm", "ShipDecorPack.esm", "SmallHabs.esm",
                                                "Outpost Lights.esm", "Cockpits Medium.esm"}));
  const std::unique_ptr<sim::World> theWorld = sim::LoadWorldFile(ZORVANE_SAMPLE_WORLD);
  std::map<uint32_t, std::string> theRead;       // runtime form ID -> file
  std::map<uint32_t, std::string> theSmallHabs;  // local ID -> what was read
  const auto ReadKind = [&](const std::vector<game::TESFile*>& theFiles, PluginKind eKind) {
    for (const game::TESFile* theFile : theFiles) {
      const PluginFileContents theContents = ReadPluginFile(theFolder.GetPath() / theFile->sName, theFile->sName);
      EXPECT_FALSE(theContents.theError.has_value()) << theContents.theError->Describe();
      EXPECT_EQ(theContents.eKind, eKind) << theFile->sName;
      EXPECT_EQ(theContents.theMasters, theFile->sName == "Starfield.esm" ? std::vector<std::string>{}
                                                                          : std::vector<std::string>{"Starfield.esm"});
      EXPECT_TRUE(theContents.theOverrides.empty());
      for (const auto& [uLocalID, theRecord] : theContents.theOwnForms) {
        const uint32_t uRuntimeID = GetRuntimeID(*theFile, eKind, uLocalID);
        const game::TESForm* theForm = theWorld->FindForm(uRuntimeID);
        ASSERT_NE(theForm, nullptr) << theFile->sName << " " << uLocalID;
        EXPECT_EQ(theForm->theFile, theFile);
        EXPECT_EQ(GetFormTypeCode(theRecord.sType), theForm->uFormType) << theForm->sEditorID;
        EXPECT_EQ(theRecord.sEditorID, theForm->sEditorID);
        EXPECT_EQ(theRecord.theBounds.has_value(), sim::host::IsBoundObject(*theForm)) << theForm->sEditorID;
        theRead.emplace(uRuntimeID, theFile->sName);
        if (theFile->sName == "SmallHabs.esm") {
          theSmallHabs[uLocalID] = theRecord.sType + " " + theRecord.sEditorID + (theRecord.theBounds ? " bound" : "");
        }
      }
    }
  };
  ReadKind(theWorld->theDataHandler.theFiles, PluginKind::kFull);
  ReadKind(theWorld->theDataHandler.theSmallFiles, PluginKind::kSmall);
  ReadKind(theWorld->theDataHandler.theMediumFiles, PluginKind::kMedium);
  // Every form of the world file's "forms" with a file is read back from it.
  std::ifstream theIn(ZORVANE_SAMPLE_WORLD);
  const nlohmann::json theWorldFile = nlohmann::json::parse(theIn);
  std::map<uint32_t, std::string> theExpected;
  for (const nlohmann::json& theForm : theWorldFile.at("forms")) {
    if (!theForm.contains("file")) continue;
    theExpected.emplace(std::stoul(theForm.at("formID").get<std::string>(), nullptr, 16), theForm.at("file"));
  }
  EXPECT_EQ(theRead, theExpected);
  EXPECT_EQ(theRead.size(), 56u);
  // One file whole: keywords and traversals are no bound objects, base forms and misc items are.
  EXPECT_EQ(theSmallHabs, (std::map<uint32_t, std::string>{{0x001, "GBFM HabAllInOne2x1 bound"},
                                                           {0x002, "GBFM HabCaptainsQuarters bound"},
                                                           {0x010, "KYWD ShipHasSmallHab"},
                                                           {0x020, "TRAV HabHatchTraversal"},
                                                           {0x030, "MISC HabWallPoster bound"}}));
}

}  // namespace
}  // namespace zorvane::test

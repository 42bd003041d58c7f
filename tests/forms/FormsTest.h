#pragma once
// The form services' tests: the plugin in an empty simulated world that each test fills,
// with the log open.

#include "core/Log.h"
#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {

class FormsTest : public PluginFixture {
 protected:
  void SetUp() override {
    PluginFixture::SetUp();
    UseWorld(std::make_unique<sim::World>());
    OpenLog();
  }

  // A plugin file with the given compile index and, in the small or medium array, file index.
  game::TESFile* AddFile(game::FileArrayKind eArray, const std::string& sName, uint8_t uCompileIndex,
                         uint16_t uFileIndex = 0) {
    game::TESFile* theFile = theWorld->AddFile(eArray, sName);
    theFile->uCompileIndex = uCompileIndex;
    if (eArray == game::kSmallFiles) theFile->uSmallFileIndex = uFileIndex;
    if (eArray == game::kMediumFiles) theFile->uMediumFileIndex = static_cast<uint8_t>(uFileIndex);
    return theFile;
  }
  game::TESForm* AddForm(uint32_t uFormID, uint8_t uType = 0, const std::string& sEditorID = "",
                         const std::string& sFullName = "", uint16_t uModIndex = 0) {
    game::TESForm* theForm = theWorld->AddForm(uFormID, uType, nullptr, sFullName, sEditorID);
    theForm->uModIndex = uModIndex;
    return theForm;
  }

  // The log after its first line, timestamps and line numbers masked.
  std::string ReadFormsLog() const {
    const std::string sLog = ReadLog();
    return sLog.substr(sLog.find('\n') + 1);
  }
};

}  // namespace zorvane::test

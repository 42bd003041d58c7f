#include "sim/SimTestSupport.h"

#include <stdexcept>

#include "WorldFile.h"

namespace zorvane::test {
namespace {

std::vector<std::string> gConsoleLines;

void RecordConsoleLine(const std::string& sLine) { gConsoleLines.push_back(sLine); }

}  // namespace

CurrentWorld::CurrentWorld(sim::World& theWorld) {
  gConsoleLines.clear();
  sim::SetCurrentWorld(&theWorld);
  sim::SetConsoleSink(&RecordConsoleLine);
}

CurrentWorld::~CurrentWorld() {
  sim::SetConsoleSink(nullptr);
  sim::SetCurrentWorld(nullptr);
  gConsoleLines.clear();
}

const std::vector<std::string>& CurrentWorld::GetConsoleLines() const { return gConsoleLines; }
void CurrentWorld::ClearConsoleLines() { gConsoleLines.clear(); }

std::unique_ptr<sim::World> LoadWorldText(const std::string& sJson) {
  return sim::LoadWorld(nlohmann::json::parse(sJson));
}

std::string GetLoadError(const std::string& sJson) {
  try {
    LoadWorldText(sJson);
  } catch (const std::runtime_error& theError) {
    return theError.what();
  }
  return {};
}

std::string GetSampleWorldPath(const std::string& sFileName) {
  return std::string(ZORVANE_SIM_WORLDS) + "/" + sFileName;
}

std::string GetText(const game::BSFixedString& theString) {
  const char* sText = sim::GetHostTable().GetStringText(&theString);
  return sText != nullptr ? sText : "";
}

}  // namespace zorvane::test

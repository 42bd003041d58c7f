#pragma once
// What the fuzz targets share: the input as text, the sample world bound as the game, and the
// log heard in memory. A target fails on a crash, a sanitizer report, a hang or an error it
// does not expect; the value readers' documented conversion errors are expected.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "World.h"
#include "WorldFile.h"
#include "core/Guard.h"
#include "core/Log.h"
#include "game/Binding.h"

namespace zorvane::fuzz {

inline std::string ToText(const uint8_t* theData, std::size_t uSize) {
  return std::string(reinterpret_cast<const char*>(theData), uSize);
}

// The log lines written since the last call.
inline std::vector<std::string>& GetHeardLines() {
  static std::vector<std::string> theLines;
  return theLines;
}
inline void Hear(const std::string& sLine) { GetHeardLines().push_back(sLine.substr(sLine.find("] [SFSE] ") + 2)); }

// Fails the run on anything a guard catches that is not a conversion error of the value
// readers (their texts name the conversion's argument) or the refusal of a scale.
inline void FailOnUnexpectedCatch(const std::exception* theError) {
  const bool bConversion =
      (dynamic_cast<const std::invalid_argument*>(theError) != nullptr ||
       dynamic_cast<const std::out_of_range*>(theError) != nullptr) &&
      (std::string(theError->what()).find("argument") != std::string::npos || std::string(theError->what()) == "scale");
  if (!bConversion) __builtin_trap();
}

// The sample world, loaded once, with the player's ship and its files; and the log heard.
inline sim::World& UseSampleWorld() {
  static std::unique_ptr<sim::World> theWorld = [] {
    auto theLoaded = sim::LoadWorldFile(ZORVANE_SAMPLE_WORLD);
    // A null entry in every array and an empty slot lead the walk over the files to its
    // messages for them.
    theLoaded->AddEmptyFileSlot(game::kFullFiles);
    theLoaded->AddEmptyFileSlot(game::kSmallFiles);
    theLoaded->AddEmptyFileSlot(game::kMediumFiles);
    sim::SetCurrentWorld(theLoaded.get());
    game::BindHost(&sim::GetHostTable());
    SetLogListener(&Hear);
    gCaughtObserver = &FailOnUnexpectedCatch;
    return theLoaded;
  }();
  return *theWorld;
}

}  // namespace zorvane::fuzz

// A plugin file's bytes read by the checker's reader, keeping every record (each compressed
// one decompressed), then only two wanted forms: an unreadable file must end in an error with
// an offset within the input, never in a crash, and the filter keeps nothing else.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "checker/PluginFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, std::size_t uSize) {
  using namespace zorvane::shipfile;
  const std::string_view sBytes(reinterpret_cast<const char*>(theData), uSize);
  const PluginFileContents theAll = ReadPluginBytes(sBytes, "Fuzz.esm");
  if (theAll.theError && theAll.theError->uOffset > uSize) __builtin_trap();
  const WantedForms theWanted{{{"fuzz.esm", 0x800}, {"starfield.esm", 0x030001}}};
  const PluginFileContents theSome = ReadPluginBytes(sBytes, "Fuzz.esm", &theWanted);
  // The filter keeps nothing it is not asked for.
  for (const auto& [uLocalID, theRecord] : theSome.theOwnForms) {
    if (uLocalID != 0x800) __builtin_trap();
  }
  for (const auto& [theKey, theRecord] : theSome.theOverrides) {
    if (!theWanted.Wants(theKey)) __builtin_trap();
  }
  return 0;
}

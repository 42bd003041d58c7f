// A settings file's text read by the native stand-in of the Windows functions, then a key of
// every section asked for.
#include "FuzzSupport.h"
#include "platform/PrivateProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, std::size_t uSize) {
  platform::PrivateProfile theProfile;
  theProfile.Parse(zorvane::fuzz::ToText(theData, uSize));
  for (const char* sSection : {"Piloting", "Export", "Import", "Misc", "Logging", ""}) {
    theProfile.Get(sSection, "bSkipBOOK");
    theProfile.Get(sSection, "bVerboseLogging");
  }
  theProfile.Set("Import", "bSkipMISC", "1");
  return 0;
}

// Form references against a world of full, small and medium files with null entries: the
// walk over the files and the plugin file index find the same form and write the same lines.
#include "FuzzSupport.h"
#include "forms/FormLookup.h"
#include "forms/PluginFileIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, std::size_t uSize) {
  using namespace zorvane;
  fuzz::UseSampleWorld();
  const std::string sLine = fuzz::ToText(theData, uSize);
  fuzz::GetHeardLines().clear();
  game::TESForm* theWalked = GetFormFromFormRef(sLine);
  const std::vector<std::string> theWalkLines = fuzz::GetHeardLines();
  fuzz::GetHeardLines().clear();
  game::TESForm* theIndexed = nullptr;
  {
    PluginFileIndexScope theIndex;
    theIndexed = GetFormFromFormRef(sLine);
  }
  if (theIndexed != theWalked || fuzz::GetHeardLines() != theWalkLines) __builtin_trap();
  return 0;
}

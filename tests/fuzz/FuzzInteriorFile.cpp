// The interior import's parse of a whole ship file, against the sample world.
#include "FuzzSupport.h"
#include "ship/DecorDispatch.h"
#include "ship/FormSource.h"
#include "ship/ShipFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, std::size_t uSize) {
  using namespace zorvane;
  fuzz::UseSampleWorld();
  std::vector<DecorItem> theItems;
  for (const std::string& sLine : SplitShipFileLines(fuzz::ToText(theData, uSize))) {
    if (!sLine.empty() && !DispatchDecorLine(sLine, theItems, GetGameFormSource())) break;
  }
  fuzz::GetHeardLines().clear();
  return 0;
}

// The layout import's parse of a whole ship file, against the sample world.
#include "FuzzSupport.h"
#include "ship/FormSource.h"
#include "ship/LayoutDispatch.h"
#include "ship/ShipFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, std::size_t uSize) {
  using namespace zorvane;
  fuzz::UseSampleWorld();
  ShipLayoutRecords theRecords;
  for (const std::string& sLine : SplitShipFileLines(fuzz::ToText(theData, uSize))) {
    if (!sLine.empty() && !DispatchLayoutLine(sLine, theRecords, GetGameFormSource())) break;
  }
  fuzz::GetHeardLines().clear();
  return 0;
}

// The layout import's parse of a whole ship file, against the sample world.
#include "FuzzSupport.h"
#include "layout/LayoutDispatch.h"
#include "shipfile/FormSource.h"
#include "shipfile/ShipFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, std::size_t uSize) {
  using namespace zorvane;
  fuzz::UseSampleWorld();
  ShipLayoutRecords theRecords;
  const std::vector<std::string> theLines = SplitShipFileLines(fuzz::ToText(theData, uSize));
  bool bPassed = true;
  for (std::size_t i = 0; bPassed && i < theLines.size(); ++i) {
    const ShipFileLineText theText = ReadShipFileLine(i, theLines[i]);
    const std::string sLine(theText.sText);
    if (!sLine.empty() && !theText.bHeader) bPassed = DispatchLayoutLine(sLine, theRecords, GetGameFormSource());
  }
  if (bPassed) CheckWholeLayout(theRecords, false);
  fuzz::GetHeardLines().clear();
  return 0;
}

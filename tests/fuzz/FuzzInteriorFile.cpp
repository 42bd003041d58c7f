// The interior import's parse of a whole ship file, against the sample world.
#include "FuzzSupport.h"
#include "interior/DecorDispatch.h"
#include "shipfile/FormSource.h"
#include "shipfile/ShipFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, std::size_t uSize) {
  using namespace zorvane;
  fuzz::UseSampleWorld();
  std::vector<DecorItem> theItems;
  const std::vector<std::string> theLines = SplitShipFileLines(fuzz::ToText(theData, uSize));
  bool bPassed = true;
  for (std::size_t i = 0; bPassed && i < theLines.size(); ++i) {
    const ShipFileLineText theText = ReadShipFileLine(i, theLines[i]);
    const std::string sLine(theText.sText);
    if (!sLine.empty() && !theText.bHeader) bPassed = DispatchDecorLine(sLine, theItems, GetGameFormSource());
  }
  if (bPassed) CheckWholeInterior(theItems);
  fuzz::GetHeardLines().clear();
  return 0;
}

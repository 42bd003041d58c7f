#pragma once
// The layout import onto the sample world's home ship.

#include "ship/ImportShipLayout.h"
#include "ship/SampleShipTest.h"

namespace zorvane::test {

class ImportLayoutTest : public SampleShipTest {
 protected:
  bool Import(const std::string& sFileName) {
    return ImportShipLayoutToBaseOfRef(theHome, kShipFolder, sFileName, &theSettings);
  }
  bool ImportLines(const std::vector<std::string>& theLines) { return Import(WriteLines(theLines)); }
};

}  // namespace zorvane::test

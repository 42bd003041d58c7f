#pragma once
// The layout import onto the sample world's home ship.

#include <map>

#include "layout/ImportShipLayout.h"
#include "ship/SampleShipTest.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane::test {

class ImportLayoutTest : public SampleShipTest {
 protected:
  bool Import(const std::string& sFileName) {
    return ImportShipLayoutToBaseOfRef(theHome, kShipFolder, sFileName, &theSettings);
  }
  bool ImportLines(const std::vector<std::string>& theLines) { return Import(WriteLines(theLines)); }

  // Every line of module `n` as the export writes them, the engine its item, each value 0 but
  // for those of `theValues` (field -> value text).
  static std::vector<std::string> ModuleLines(std::size_t n, const std::map<std::string, std::string>& theValues = {}) {
    std::vector<std::string> theLines;
    for (const ElementField& theField : kModuleFields) {
      const auto itValue = theValues.find(theField.sKey);
      const std::string sValue = itValue != theValues.end()           ? itValue->second
                                 : theField.eKind == FieldKind::kForm ? "070001|Starfield.esm"
                                                                      : "0";
      theLines.push_back("Blueprint.data[" + std::to_string(n) + "]." + theField.sKey + " |" + sValue);
    }
    return theLines;
  }
  static std::vector<std::string> Join(std::vector<std::string> theLines, const std::vector<std::string>& theMore) {
    theLines.insert(theLines.end(), theMore.begin(), theMore.end());
    return theLines;
  }
};

}  // namespace zorvane::test

#pragma once
// The layout import onto the sample world's home ship.

#include <map>
#include <span>

#include "ship/ElementFields.h"
#include "ship/ImportShipLayout.h"
#include "ship/SampleShipTest.h"

namespace zorvane::test {

class ImportLayoutTest : public SampleShipTest {
 protected:
  bool Import(const std::string& sFileName) {
    return ImportShipLayoutToBaseOfRef(theHome, kShipFolder, sFileName, &theSettings);
  }
  bool ImportLines(const std::vector<std::string>& theLines) { return Import(WriteLines(theLines)); }

  // Every field line of the entry `sEntry` as the export writes them, its form `sForm`, each
  // other value 0 but for those of `theValues` (field -> value text).
  static std::vector<std::string> EntryLines(const std::string& sEntry, std::span<const ElementField> theFields,
                                             const std::string& sForm,
                                             const std::map<std::string, std::string>& theValues = {}) {
    std::vector<std::string> theLines;
    for (const ElementField& theField : theFields) {
      const auto itValue = theValues.find(theField.sKey);
      const std::string sValue = itValue != theValues.end()           ? itValue->second
                                 : theField.eKind == FieldKind::kForm ? sForm
                                                                      : "0";
      theLines.push_back(sEntry + "." + theField.sKey + " |" + sValue);
    }
    return theLines;
  }
  // Module `n`, the engine its item.
  static std::vector<std::string> ModuleLines(std::size_t n, const std::map<std::string, std::string>& theValues = {}) {
    return EntryLines("Blueprint.data[" + std::to_string(n) + "]", kModuleFields, "070001|Starfield.esm", theValues);
  }
  static std::vector<std::string> Join(std::vector<std::string> theLines, const std::vector<std::string>& theMore) {
    theLines.insert(theLines.end(), theMore.begin(), theMore.end());
    return theLines;
  }
};

}  // namespace zorvane::test

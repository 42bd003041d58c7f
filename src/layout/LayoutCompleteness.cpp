// Whether the layout record set describes a whole ship: the last check before anything in the
// game changes. A file that is not a layout (an empty file, a read-me, a file whose line ends
// no reader splits) gives no module; a cut or damaged one leaves entries without some of the
// lines the export writes for every entry.
#include <span>

#include "core/Log.h"
#include "layout/LayoutDispatch.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane {
namespace {

bool RefuseIncompleteEntry(const std::string& sEntry, const ElementField& theField) {
  return Refuse(kImportLayoutFunction, "incomplete entry | " + sEntry + ": no ." + theField.sKey + " line");
}

// False after the error when the entry lacks a field line of its table; a field the import
// does not read (a container entry's extra-data address) is never missing.
bool CheckEntry(const std::string& sEntry, std::span<const ElementField> theFields, FieldLines uLines) {
  for (std::size_t i = 0; i < theFields.size(); ++i) {
    if (theFields[i].eKind != FieldKind::kAddress && (uLines >> i & 1) == 0) {
      return RefuseIncompleteEntry(sEntry, theFields[i]);
    }
  }
  return true;
}

bool CheckList(const std::string& sList, std::size_t uCount, std::span<const ElementField> theFields,
               const std::vector<FieldLines>& theLines) {
  for (std::size_t i = 0; i < uCount; ++i) {
    if (!CheckEntry(FormatIndexedKey(sList, i), theFields, i < theLines.size() ? theLines[i] : 0)) return false;
  }
  return true;
}

bool CheckGroups(const std::vector<StoredTraversalGroup>& theGroups) {
  for (std::size_t i = 0; i < theGroups.size(); ++i) {
    const StoredTraversalGroup& theGroup = theGroups[i];
    const std::string sGroup = FormatIndexedKey(keys::kTraversals2, i);
    if (!CheckList(FormatFieldKey(sGroup, kGroupEntriesKey), theGroup.traversals.size(), kTraversalFields,
                   theGroup.theEntryLines) ||
        !CheckEntry(sGroup, kTraversalGroupFields, theGroup.uFieldLines)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool CheckWholeLayout(const ShipLayoutRecords& theRecords, bool bLoneCRLineEnds) {
  if (theRecords.data.empty()) {
    LOG_ERROR_IN(kImportLayoutFunction, "no modules in the ship file (no Blueprint.data line): nothing was changed");
    if (bLoneCRLineEnds) {
      LOG_ERROR_IN(kImportLayoutFunction,
                   "the ship file's lines end with CR alone: save it with CR LF or LF line ends");
    }
    return false;
  }
  // In the order the file carries the lists.
  return CheckList(keys::kTraversals1, theRecords.traversals1.size(), kTraversalFields, theRecords.traversals1Lines) &&
         CheckGroups(theRecords.traversals2) &&
         CheckList(keys::kBlueprintData, theRecords.data.size(), kModuleFields, theRecords.dataLines) &&
         CheckList(keys::kContainer, theRecords.containers.size(), kContainerFields, theRecords.containerLines);
}

}  // namespace zorvane

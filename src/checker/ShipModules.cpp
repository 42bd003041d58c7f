// The modules and decoration items of a ship file, read for the report: only the lines that
// place and name them, each on its own; what the imports would say of the others is the
// checker's business.
#include <array>
#include <charconv>
#include <limits>
#include <span>
#include <string_view>

#include "checker/ShipDrawing.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane::shipfile {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// An entry's line cut into its index, field key and value: "P[3].fPosX |1.5" gives 3,
// "fPosX" and "1.5". Nothing for a line of another list or without an index.
struct EntryLine {
  int iIndex = 0;
  std::string_view sField;
  std::string_view sValue;
};

std::optional<EntryLine> SplitEntryLine(std::string_view sLine, std::string_view sList) {
  if (sLine.substr(0, sList.size()) != sList || sLine.size() <= sList.size() || sLine[sList.size()] != kIndexOpen)
    return std::nullopt;
  const std::size_t uClose = sLine.find(kIndexClose, sList.size());
  if (uClose == std::string_view::npos || uClose + 1 >= sLine.size() || sLine[uClose + 1] != kFieldSeparator)
    return std::nullopt;
  EntryLine theEntry;
  const char* sStart = sLine.data() + sList.size() + 1;
  const auto [pEnd, eError] = std::from_chars(sStart, sLine.data() + uClose, theEntry.iIndex);
  if (eError != std::errc() || pEnd != sLine.data() + uClose || theEntry.iIndex < 0) return std::nullopt;
  const std::string_view sRest = sLine.substr(uClose + 2);
  const std::size_t uBar = sRest.find(kValueSeparator);
  theEntry.sField = sRest.substr(0, uBar);
  if (uBar != std::string_view::npos) theEntry.sValue = sRest.substr(uBar + std::string_view(kValueSeparator).size());
  return theEntry;
}

// A number as the file writes it, blanks before it allowed; NaN when the text is none.
double ReadNumber(std::string_view sValue) {
  while (!sValue.empty() && sValue.front() == ' ') sValue.remove_prefix(1);
  double fValue = kNaN;
  const auto [pEnd, eError] = std::from_chars(sValue.data(), sValue.data() + sValue.size(), fValue);
  return eError == std::errc() && pEnd == sValue.data() + sValue.size() ? fValue : kNaN;
}

// "030A2F|Starfield.esm": the local ID before the first bar, the plugin file after it.
FormReference ReadFormReference(std::string_view sValue) {
  const std::size_t uBar = sValue.find('|');
  if (uBar == std::string_view::npos) return {std::string(sValue), ""};
  return {std::string(sValue.substr(0, uBar)), std::string(sValue.substr(uBar + 1))};
}

// The entry of `iIndex`, added in index order when it is new.
template <typename T>
T& FindEntry(std::map<int, T>& theEntries, int iIndex, const T& theNew) {
  return theEntries.try_emplace(iIndex, theNew).first->second;
}

// The keys of a list's fields as the schema has them: its first float fields in order, its form field.
template <std::size_t N, typename Field>
std::array<std::string_view, N> GetFloatKeys(std::span<const Field> theFields) {
  std::array<std::string_view, N> theKeys{};
  std::size_t uFound = 0;
  for (const Field& theField : theFields) {
    if (theField.eKind == FieldKind::kFloat && uFound < N) theKeys[uFound++] = theField.sKey;
  }
  return theKeys;
}

template <typename Field>
std::string_view GetFormKey(std::span<const Field> theFields) {
  for (const Field& theField : theFields) {
    if (theField.eKind == FieldKind::kForm) return theField.sKey;
  }
  return {};
}

template <typename T>
std::vector<T> ListEntries(const std::map<int, T>& theEntries) {
  std::vector<T> theList;
  for (const auto& [iIndex, theEntry] : theEntries) theList.push_back(theEntry);
  return theList;
}

}  // namespace

std::vector<ShipModule> ReadShipModules(const std::vector<std::string>& theLines) {
  // A module's place: its first six float fields, fPosX to fPosZ, then fRotX to fRotZ.
  static const auto kPlace = GetFloatKeys<6>(std::span<const ElementField>(kModuleFields));
  static const std::string_view kItem = GetFormKey(std::span<const ElementField>(kModuleFields));
  std::map<int, ShipModule> theModules;
  for (const std::string& sLine : theLines) {
    const std::optional<EntryLine> theLine = SplitEntryLine(sLine, keys::kBlueprintData);
    if (!theLine) continue;
    ShipModule theNew;
    theNew.iIndex = theLine->iIndex;
    theNew.thePosition = {kNaN, kNaN, kNaN};
    theNew.theRotation = {0, 0, 0};
    ShipModule& theModule = FindEntry(theModules, theLine->iIndex, theNew);
    for (int i = 0; i < 3; ++i) {
      if (theLine->sField == kPlace[i]) theModule.thePosition[i] = ReadNumber(theLine->sValue);
      if (theLine->sField == kPlace[3 + i]) theModule.theRotation[i] = ReadNumber(theLine->sValue);
    }
    if (theLine->sField == kItem) theModule.theForm = ReadFormReference(theLine->sValue);
  }
  return ListEntries(theModules);
}

std::vector<ShipDecorItem> ReadDecorItems(const std::vector<std::string>& theLines) {
  static const std::string_view kBase = GetFormKey(std::span<const DecorField>(kDecorFields));
  std::map<int, ShipDecorItem> theItems;
  for (const std::string& sLine : theLines) {
    const std::optional<EntryLine> theLine = SplitEntryLine(sLine, keys::kDecorItem);
    if (!theLine) continue;
    ShipDecorItem& theItem = FindEntry(theItems, theLine->iIndex, ShipDecorItem{theLine->iIndex, {}, std::nullopt});
    if (theLine->sField == kBase) theItem.theForm = ReadFormReference(theLine->sValue);
  }
  return ListEntries(theItems);
}

std::optional<uint32_t> FormReference::ReadLocalID() const {
  uint32_t uID = 0;
  const char* pEnd = sLocalID.data() + sLocalID.size();
  const auto [pStop, eError] = std::from_chars(sLocalID.data(), pEnd, uID, 16);
  if (sLocalID.empty() || eError != std::errc() || pStop != pEnd) return std::nullopt;
  return uID;
}

std::string GetFormName(const FormReference& theForm, const std::optional<std::string>& sEditorID) {
  if (sEditorID && !sEditorID->empty()) return *sEditorID;
  if (theForm.sLocalID.empty() && theForm.sPlugin.empty()) return "(no form)";
  return theForm.Describe();
}

}  // namespace zorvane::shipfile

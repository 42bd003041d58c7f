#include "checker/Checker.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <set>
#include <string_view>

#include "checker/ApplyChecks.h"
#include "checker/OfflineGame.h"
#include "forms/FormLookup.h"
#include "forms/PluginFileIndex.h"
#include "interior/DecorDispatch.h"
#include "layout/LayoutDispatch.h"
#include "shipfile/ShipFile.h"
#include "shipfile/ShipFileLine.h"
#include "shipfile/ShipFileReader.h"
#include "shipfile/ShipFileSchema.h"

namespace zorvane::shipfile {
namespace {

// Every key either import reads or passes over on purpose, with list indices written "[n]".
std::vector<std::string> MakeKnownKeys() {
  using namespace keys;
  std::vector<std::string> theKeys(std::begin(kSingleValueKeys), std::end(kSingleValueKeys));
  const std::string sIndex = std::string(1, kIndexOpen) + "n" + kIndexClose;
  for (const char* sList : kFormListKeys) theKeys.push_back(sList + sIndex);
  auto AddFields = [&theKeys](const std::string& sEntry, std::span<const ElementField> theFields) {
    for (const ElementField& theField : theFields) theKeys.push_back(sEntry + kFieldSeparator + theField.sKey);
  };
  for (const ElementList& theList : kElementLists) AddFields(theList.sKey + sIndex, theList.theFields);
  AddFields(kTraversals2 + sIndex + kFieldSeparator + kGroupEntriesKey + sIndex, kTraversalFields);
  for (const DecorField& theField : kDecorFields)
    theKeys.push_back(kDecorItem + sIndex + kFieldSeparator + theField.sKey);
  return theKeys;
}

// A key with every list index ("[12]") written "[n]", as the known keys are.
std::string GeneralizeIndices(std::string_view sKey) {
  std::string sOut;
  std::size_t uCopied = 0;
  for (std::size_t uOpen = sKey.find('['); uOpen != std::string_view::npos; uOpen = sKey.find('[', uOpen + 1)) {
    const std::size_t uClose = sKey.find_first_not_of("0123456789", uOpen + 1);
    if (uClose == uOpen + 1 || uClose == std::string_view::npos || sKey[uClose] != ']') continue;
    sOut.append(sKey.substr(uCopied, uOpen - uCopied)).append("[n]");
    uCopied = uClose + 1;
    uOpen = uClose;
  }
  return sOut.append(sKey.substr(uCopied));
}

bool IsKnownLine(std::size_t uLine, const std::string& sLine) {
  static const std::vector<std::string> kKnownKeys = MakeKnownKeys();
  // A line of blanks says nothing (editors leave them where an empty line was).
  if (ReadShipFileLine(uLine, sLine).bHeader || sLine.find_first_not_of(" \t") == std::string::npos) return true;
  for (const char* sHeader : {kExportTimeStart, kVersionStart}) {
    if (sLine.rfind(sHeader, 0) == 0) return true;
  }
  const std::string sKeyPart = GeneralizeIndices(ShipFileLine(sLine).GetKeyPart());
  return std::any_of(kKnownKeys.begin(), kKnownKeys.end(),
                     [&sKeyPart](const std::string& sKey) { return sKeyPart.find(sKey) != std::string::npos; });
}

// A failed line as it reads once mended: its value a plain number and, with the offline game's
// stand-ins on, its form found. Only an index stays as it was.
std::string MendLine(const std::string& sLine) {
  const std::size_t uBar = sLine.rfind('|');
  return (uBar == std::string::npos ? sLine + kValueSeparator : sLine.substr(0, uBar + 1)) + "0";
}

// The list whose record a line names: its key up to the first bracket.
std::string GetListName(const std::string& sLine) {
  const std::string sKeyPart = ShipFileLine(sLine).GetKeyPart();
  return sKeyPart.substr(0, sKeyPart.find('['));
}

bool IsIndexError(const std::string& sMessage) { return sMessage.rfind("index error |", 0) == 0; }

// The line (from 1) where the entry an "incomplete entry | <entry>: ..." message names begins;
// 0, the whole file, for any other message.
int FindEntryLine(const std::vector<std::string>& theLines, const std::string& sMessage) {
  static const std::string kIncomplete = "incomplete entry | ";
  if (sMessage.rfind(kIncomplete, 0) != 0) return 0;
  const std::string sEntry = sMessage.substr(kIncomplete.size(), sMessage.find(": ") - kIncomplete.size()) + ".";
  for (std::size_t i = 0; i < theLines.size(); ++i) {
    if (ShipFileLine(theLines[i]).Has(sEntry)) return static_cast<int>(i) + 1;
  }
  return 0;
}

// Runs one import's parse of every line; what it logs becomes the report's findings. The
// import ends at its first failed check; the checker mends each failed line and goes on, so
// the records that line would have made are there for the lines below, and every later failed
// check is one the import would meet once the lines above are mended. A line that cannot be
// mended names a record that is not there: how the player renumbers it decides which records
// the lines below it name, so later index errors in its list are counted, not listed.
void RunParse(const char* sImport, const char* sFunction, const std::vector<std::string>& theLines,
              OfflineGame& theGame, const std::function<bool(const std::string&)>& Dispatch,
              const std::function<bool()>& CheckWhole, CheckReport& theReport) {
  theGame.TakeLogEntries();
  bool bStopped = false;
  std::set<std::string> theBrokenLists;
  for (std::size_t i = 0; i < theLines.size(); ++i) {
    const ShipFileLineText theText = ReadShipFileLine(i, theLines[i]);
    const int iLine = static_cast<int>(i) + 1;
    const std::string sLine(theText.sText);
    if (theText.bCutAtNul) theReport.theSkipped.push_back({iLine, sImport, kNulByteWarning + sLine, {}});
    if (sLine.empty() || theText.bHeader) continue;
    const bool bPassed = Dispatch(sLine);
    std::vector<std::string> theDetails;
    std::vector<std::string> theOwn;
    for (const LogEntry& theEntry : theGame.TakeLogEntries()) {
      if (theEntry.sFunction == sFunction && theEntry.sLevel != "info") {
        theOwn.push_back(theEntry.sMessage);
      } else if (theEntry.sLevel == "error" ||
                 (theEntry.sLevel == "warning" && theEntry.sFunction == "GetFormFromFile")) {
        // What the form resolution or the value reading found (and that a form ID names no
        // form); their notes are left out.
        theDetails.push_back(theEntry.sMessage);
      }
    }
    if (!bPassed && !theOwn.empty()) {
      // The check that failed logged last; anything before it on this line was passed over.
      const std::string sList = GetListName(sLine);
      if (IsIndexError(theOwn.back()) && theBrokenLists.count(sList) != 0) {
        ++theReport.theUnlisted[sImport];
      } else {
        theReport.theStops.push_back({iLine, sImport, theOwn.back(), theDetails, !bStopped});
        bStopped = true;
      }
      theOwn.pop_back();
      theDetails.clear();
      theGame.SetStandInForms(true);
      if (!Dispatch(MendLine(sLine))) theBrokenLists.insert(sList);
      theGame.SetStandInForms(false);
      theGame.TakeLogEntries();
    }
    for (const std::string& sMessage : theOwn) theReport.theSkipped.push_back({iLine, sImport, sMessage, {}});
    for (const std::string& sMessage : theDetails) theReport.theSkipped.push_back({iLine, sImport, sMessage, {}});
  }
  // The records as a whole, as the import checks them after its last line.
  if (CheckWhole()) return;
  std::vector<std::string> theErrors;
  for (const LogEntry& theEntry : theGame.TakeLogEntries()) {
    if (theEntry.sFunction == sFunction && theEntry.sLevel == "error") theErrors.push_back(theEntry.sMessage);
  }
  if (theErrors.empty()) return;
  const std::string sFirst = theErrors.front();
  theErrors.erase(theErrors.begin());
  theReport.theStops.push_back({FindEntryLine(theLines, sFirst), sImport, sFirst, theErrors, !bStopped});
}

// A form ID's significant hexadecimal digits.
std::size_t CountDigits(const std::string& sHex) {
  const std::size_t uFirst = sHex.find_first_not_of('0');
  return uFirst == std::string::npos ? 0 : sHex.size() - uFirst;
}

void CheckPluginFiles(const std::vector<std::string>& theLines, const GameData& theGameData, CheckReport& theReport) {
  const PluginCatalog& theData = theGameData.theCatalog;
  for (const auto& [sPlugin, iCount] : theReport.theNeeds) {
    std::vector<std::string> theMasters;
    const PluginState eState = theGameData.GetState(sPlugin, &theMasters);
    theReport.theStates[sPlugin] = eState;
    if (!theMasters.empty()) theReport.theMissingMasters[sPlugin] = theMasters;
  }
  for (std::size_t i = 0; i < theLines.size(); ++i) {
    const std::string& sLine = theLines[i];
    const std::string sHex = GetHexFormIDFromFormRef(sLine);
    if (sHex.empty()) continue;
    const PluginFile* theFile = theData.Find(GetPluginNameFromFormRef(sLine));
    if (theFile == nullptr) continue;
    const std::size_t uLimit = theFile->sName == "Starfield.esm"       ? 8
                               : theFile->eKind == PluginKind::kSmall  ? 3
                               : theFile->eKind == PluginKind::kMedium ? 4
                                                                       : 6;
    if (CountDigits(sHex) > uLimit) {
      theReport.theWrongWidth.push_back(
          {static_cast<int>(i) + 1,
           "",
           "the form ID " + sHex + " cannot belong to the " + GetKindName(theFile->eKind) + " file " + theFile->sName +
               " (at most " + std::to_string(uLimit) + " hexadecimal digits): the game would take another form",
           {}});
    }
  }
}

}  // namespace

bool CheckReport::IsRefused(const std::string& sImport) const {
  return std::any_of(theStops.begin(), theStops.end(),
                     [&sImport](const Finding& theStop) { return theStop.sImport == sImport; });
}

std::vector<std::string> CheckReport::GetMissing() const {
  std::vector<std::string> theNames;
  for (const auto& [sName, eState] : theStates) {
    if (eState == PluginState::kMissing) theNames.push_back(sName);
  }
  return theNames;
}

std::map<std::string, int> CountNeededPlugins(const std::vector<std::string>& theLines) {
  std::map<std::string, int> theNeeds;
  for (const std::string& sLine : theLines) {
    // A form reference ends a line: "|<hexadecimal digits>|<plugin file>", no bar after it.
    const std::string sHex = GetHexFormIDFromFormRef(sLine);
    if (sHex.empty() || !std::all_of(sHex.begin(), sHex.end(), [](char chDigit) {
          return std::isxdigit(static_cast<unsigned char>(chDigit)) != 0;
        })) {
      continue;
    }
    const std::string sPlugin = GetPluginNameFromFormRef(sLine);
    if (!sPlugin.empty()) ++theNeeds[sPlugin];
  }
  return theNeeds;
}

ShipForms ReadFormsToCheck(const GameData& theData, const std::vector<std::string>& theLines) {
  return ReadShipForms(theData, theLines, {GetRegistrationKey()});
}

CheckReport CheckShipFile(const std::string& sFile, const std::vector<std::string>& theLines, const GameData* theData,
                          const ShipForms* theForms) {
  CheckReport theReport;
  theReport.sFile = sFile;
  theReport.bWithData = theData != nullptr;
  theReport.bWithLoadOrder = theData != nullptr && theData->theLoadOrder.has_value();
  theReport.theNeeds = CountNeededPlugins(theLines);
  std::optional<ShipForms> theReadHere;
  if (theData != nullptr && theForms == nullptr) theForms = &theReadHere.emplace(ReadFormsToCheck(*theData, theLines));
  if (theData == nullptr) theForms = nullptr;
  if (theForms != nullptr) {
    for (const PluginReadError& theError : theForms->theErrors) theReport.theUnreadable.push_back(theError.Describe());
  }
  OfflineGame theGame(theData, theForms, theLines);
  PluginFileIndexScope thePluginFiles;  // as in the imports: one index, not a walk per form
  const bool bLoneCRLineEnds = theLines.size() == 1 && HasLoneCRLineEnds(theLines[0]);
  ShipLayoutRecords theRecords;
  RunParse(
      kLayout, kImportLayoutFunction, theLines, theGame,
      [&](const std::string& sLine) { return DispatchLayoutLine(sLine, theRecords, theGame); },
      [&] { return CheckWholeLayout(theRecords, bLoneCRLineEnds); }, theReport);
  const auto uLayoutSkipped = static_cast<std::ptrdiff_t>(theReport.theSkipped.size());
  std::vector<DecorItem> theItems;
  RunParse(
      kInterior, kImportInteriorFunction, theLines, theGame,
      [&](const std::string& sLine) { return DispatchDecorLine(sLine, theItems, theGame); },
      [&] { return CheckWholeInterior(theItems); }, theReport);
  theReport.iDecorItems = static_cast<int>(theItems.size());
  auto ByLine = [](const Finding& theLeft, const Finding& theRight) {
    return GetReadingOrder(theLeft) < GetReadingOrder(theRight);
  };
  // Each parse's findings are in line order already: one merge, which keeps the layout's first
  // on a line. What the imports check after their parse comes in item order and is merged in too.
  std::vector<Finding>& theSkipped = theReport.theSkipped;
  std::inplace_merge(theSkipped.begin(), theSkipped.begin() + uLayoutSkipped, theSkipped.end(), ByLine);
  if (theForms != nullptr) {
    const auto uParsed = static_cast<std::ptrdiff_t>(theSkipped.size());
    CheckRegistration(*theForms, theReport);
    CheckDecorKinds(theItems, theLines, theGame, theReport);
    std::stable_sort(theSkipped.begin() + uParsed, theSkipped.end(), ByLine);
    std::inplace_merge(theSkipped.begin(), theSkipped.begin() + uParsed, theSkipped.end(), ByLine);
  }
  // Each form reference is resolved by the one import that reads its line.
  theReport.iUncheckedForms = theGame.GetUncheckedForms();
  for (std::size_t i = 0; i < theLines.size(); ++i) {
    if (!theLines[i].empty() && !IsKnownLine(i, theLines[i])) {
      theReport.theUnknown.push_back({static_cast<int>(i) + 1, "", theLines[i], {}});
    }
  }
  if (theData != nullptr) CheckPluginFiles(theLines, *theData, theReport);
  std::stable_sort(theReport.theStops.begin(), theReport.theStops.end(), ByLine);
  return theReport;
}

}  // namespace zorvane::shipfile

#include "checker/Report.h"

#include <string_view>
#include <tuple>

#include "checker/HtmlText.h"
#include "checker/Output.h"
#include "shipfile/ShipFile.h"

namespace zorvane::shipfile {
namespace {

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#111;background:#fff}"
    "h1{font-size:1.6em}h2{font-size:1.2em;margin-top:1.5em}"
    "table{border-collapse:collapse}td,th{border:1px solid #bbb;padding:.2em .6em;text-align:left}"
    "td.count{text-align:right}pre{background:#f4f4f4;padding:.6em;white-space:pre-wrap}"
    ".refused{color:#a00000}.state-missing,.state-inactive{color:#a00000;font-weight:bold}"
    ".legend{list-style:none;padding:0}.legend li{display:inline-block;margin-right:1.2em}"
    ".swatch{display:inline-block;width:1em;height:1em;margin-right:.3em;vertical-align:middle;"
    "border:1px solid #222}"
    ".views{display:flex;flex-wrap:wrap;gap:1em}figure.view{margin:0}svg.view{border:1px solid #bbb}";

const char* GetStateClass(PluginState eState) {
  switch (eState) {
    case PluginState::kPresent: return "present";
    case PluginState::kActive: return "active";
    case PluginState::kInactive: return "inactive";
    case PluginState::kMissing: return "missing";
    case PluginState::kMastersMissing: return "cannot-load";
    case PluginState::kUnknown: break;
  }
  return "unknown";
}

std::string FormatPlugins(const ReportInput& theInput) {
  const std::map<std::string, int>& theNeeds = theInput.theCheck.theNeeds;
  if (theNeeds.empty()) return "<p>None.</p>\n";
  std::string sHtml = "<table class=\"plugins\"><tr><th>Plugin file</th><th>References</th><th>State</th></tr>\n";
  for (const auto& [sPlugin, iCount] : theNeeds) {
    const auto itState = theInput.thePluginStates.find(sPlugin);
    const PluginState eState = itState == theInput.thePluginStates.end() ? PluginState::kUnknown : itState->second;
    sHtml += "<tr><td>" + EscapeHtml(sPlugin) + "</td><td class=\"count\">" + std::to_string(iCount) +
             "</td><td class=\"state-" + GetStateClass(eState) + "\">" + DescribePluginState(eState) + "</td></tr>\n";
  }
  return sHtml + "</table>\n";
}

std::string FormatImports(const CheckReport& theCheck) {
  std::string sHtml = "<ul class=\"verdicts\">";
  for (const char* sImport : {kLayout, kInterior}) {
    std::string sVerdict = FormatVerdict(theCheck, sImport);
    if (std::string_view(sImport) == kInterior && !theCheck.IsRefused(kInterior)) {
      sVerdict += " (" + std::to_string(theCheck.iDecorItems) +
                  (theCheck.iDecorItems == 1 ? " decoration item)" : " decoration items)");
    }
    sHtml += std::string("<li class=\"") + (theCheck.IsRefused(sImport) ? "refused" : "imported") + "\">" +
             EscapeHtml(sVerdict) + "</li>";
  }
  sHtml += "</ul>\n";
  const std::string sFindings = FormatFindings(theCheck);
  sHtml += sFindings.empty() ? "<p>No line would be refused, passed over or left unread.</p>\n"
                             : "<pre class=\"findings\">" + EscapeHtml(sFindings) + "</pre>\n";
  if (theCheck.iUncheckedForms > 0) {
    sHtml += "<p>Forms only the game can check (that each is in its plugin file and of the kind its line needs): " +
             std::to_string(theCheck.iUncheckedForms) + "</p>\n";
  }
  return sHtml;
}

// The entries by name, each with its form and how many there are, in name order.
template <typename T>
std::string FormatGroups(const std::vector<T>& theEntries, const char* sClass) {
  std::map<std::tuple<std::string, std::string>, int> theCounts;  // (name, form) -> count
  for (const T& theEntry : theEntries)
    ++theCounts[{GetFormName(theEntry.theForm, theEntry.sEditorID), theEntry.theForm.Describe()}];
  std::string sHtml = "<p>" + std::to_string(theEntries.size()) + " in all.</p>\n";
  if (theEntries.empty()) return sHtml;
  sHtml += "<table class=\"" + std::string(sClass) + "\"><tr><th>Name</th><th>Form</th><th>Count</th></tr>\n";
  for (const auto& [theKey, iCount] : theCounts) {
    sHtml += "<tr><td>" + EscapeHtml(std::get<0>(theKey)) + "</td><td>" + EscapeHtml(std::get<1>(theKey)) +
             "</td><td class=\"count\">" + std::to_string(iCount) + "</td></tr>\n";
  }
  return sHtml + "</table>\n";
}

}  // namespace

const char* DescribePluginState(PluginState eState) {
  switch (eState) {
    case PluginState::kPresent: return "in the Data folder (load order not given)";
    case PluginState::kMastersMissing: return "cannot load: its masters are not all present and active";
    case PluginState::kUnknown: return "unknown (no Data folder or load order given)";
    default: return GetStateName(eState);
  }
}

void AddFormFacts(ReportInput& theInput, const std::function<const FormFacts*(const FormReference&)>& FindFacts) {
  for (ShipModule& theModule : theInput.theModules) {
    if (const FormFacts* theFacts = FindFacts(theModule.theForm)) {
      theModule.sEditorID = theFacts->sEditorID;
      theModule.theBounds = theFacts->theBounds;
    }
  }
  for (ShipDecorItem& theItem : theInput.theDecorItems) {
    if (const FormFacts* theFacts = FindFacts(theItem.theForm)) theItem.sEditorID = theFacts->sEditorID;
  }
}

ReportInput MakeReportInput(const std::vector<std::string>& theLines, const CheckReport& theCheck,
                            const GameData* theData, const ShipForms* theForms) {
  ReportInput theInput;
  for (const std::string& sLine : theLines) {
    if (const std::optional<std::string> sName = ReadShipHeaderName(sLine)) {
      theInput.sShipName = *sName;
      break;
    }
  }
  theInput.theCheck = theCheck;
  theInput.theModules = ReadShipModules(theLines);
  theInput.theDecorItems = ReadDecorItems(theLines);
  if (theData == nullptr || theForms == nullptr) return theInput;
  theInput.thePluginStates = theCheck.theStates;
  // What the plugin files tell of each form the ship names.
  std::map<std::string, FormFacts> theKnown;
  AddFormFacts(theInput, [&](const FormReference& theForm) -> const FormFacts* {
    const std::optional<FormKey> theKey = GetFormKey("|" + theForm.Describe(), theData->theCatalog);
    const PluginRecord* theRecord = theKey ? theForms->Find(theKey->sFile, theKey->uLocalID) : nullptr;
    if (theRecord == nullptr) return nullptr;
    FormFacts& theFacts = theKnown[theForm.Describe()];
    if (!theRecord->sEditorID.empty()) theFacts.sEditorID = theRecord->sEditorID;
    theFacts.theBounds = theRecord->theBounds;
    return &theFacts;
  });
  return theInput;
}

ReportInput ReadReportInput(const std::string& sFile, const std::vector<std::string>& theLines,
                            const GameData* theData) {
  std::optional<ShipForms> theForms;
  if (theData != nullptr) theForms = ReadFormsToCheck(*theData, theLines);
  const ShipForms* theRead = theForms ? &*theForms : nullptr;
  return MakeReportInput(theLines, CheckShipFile(sFile, theLines, theData, theRead), theData, theRead);
}

std::string FormatReportPage(const ReportInput& theInput) {
  const std::string sName = EscapeHtml(theInput.sShipName.empty() ? "(no ship name)" : theInput.sShipName);
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + sName +
         " - zorvane-shipfile report</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<h1>Ship: " + sName +
         "</h1>\n<p class=\"file\">" + EscapeHtml(theInput.theCheck.sFile) + "</p>\n<h2>Plugin files needed</h2>\n" +
         FormatPlugins(theInput) + "<h2>What the imports would do</h2>\n" + FormatImports(theInput.theCheck) +
         "<h2>Modules</h2>\n" + FormatGroups(theInput.theModules, "modules") + "<h2>Decoration items</h2>\n" +
         FormatGroups(theInput.theDecorItems, "decor") + "<h2>Drawing of the modules</h2>\n" +
         DrawShip(theInput.theModules).sHtml + "</body>\n</html>\n";
}

}  // namespace zorvane::shipfile

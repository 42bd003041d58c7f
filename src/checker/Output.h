#pragma once
// The checker's reports, as text a player reads or as JSON for other tools.

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "checker/Checker.h"
#include "checker/FormNames.h"
#include "checker/ShipFileSummary.h"

namespace zorvane::shipfile {

// JSON text as the tool prints it. Ship files are bytes, not always UTF-8: a byte that is not
// becomes U+FFFD rather than ending the tool.
std::string FormatJson(const nlohmann::json& theJson);

std::string FormatCheck(const CheckReport& theReport);
// "ImportShipLayout would import it", or "... would refuse it (line 12)".
std::string FormatVerdict(const CheckReport& theReport, const char* sImport);
// The findings of a file in line order, each with what it means for the import, a line each
// ("  line 12: ..."), with the index errors left out at the end.
std::string FormatFindings(const CheckReport& theReport);
nlohmann::json CheckToJson(const CheckReport& theReport);

std::string FormatNeeds(const std::string& sFile, const std::map<std::string, int>& theNeeds);

// `theNames`: the modules and decoration by name, listed under their counts; null without them.
std::string FormatSummary(const ShipSummary& theSummary, const ShipNames* theNames = nullptr);
nlohmann::json SummaryToJson(const ShipSummary& theSummary, const ShipNames* theNames = nullptr);

std::string FormatDiff(const std::vector<KeyDifference>& theDifferences);
// What each of two ships has that the other lacks, by name: "<" lines for the first, ">" for the second.
std::string FormatNameDifferences(const ShipNames& theLeft, const ShipNames& theRight);
nlohmann::json DiffToJson(const std::vector<KeyDifference>& theDifferences);

}  // namespace zorvane::shipfile

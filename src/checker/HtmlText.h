#pragma once
// Texts of ship files and plugin files put into an HTML page: they come from anywhere, so
// every markup character is escaped and every byte that is not UTF-8 becomes U+FFFD.

#include <string>
#include <string_view>

namespace zorvane::shipfile {

// The text as HTML character data or an attribute value in double quotes: & < > " ' escaped,
// bytes that are not well-formed UTF-8 and control characters other than tab and line
// breaks replaced by U+FFFD.
std::string EscapeHtml(std::string_view sText);

// A number in the page's drawings, with one decimal and a point whatever the locale:
// "12.5", "-3.0".
std::string FormatDecimal(double fValue);

}  // namespace zorvane::shipfile

#pragma once
// Small text helpers every layer shares. ASCII only: the game's names and the ship files are
// byte strings, and no locale may change how they compare.

#include <string>

namespace zorvane {

// A blank as the C library's isspace sees it in the "C" locale: blank, tab, line feed,
// vertical tab, form feed, carriage return.
constexpr bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

// A to Z become a to z; every other byte stays.
constexpr char ToLowerAscii(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }
std::string ToLowerAscii(std::string sText);

}  // namespace zorvane

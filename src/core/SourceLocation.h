#pragma once
// The place in the source a log line is written for: std::source_location where the compiler
// and library provide it, else the same built-ins it is made of (clang with GNU's library
// lacks it; the fuzz targets are built that way).

#include <source_location>

namespace zorvane {

#if defined(__cpp_lib_source_location)
using SourceLocation = std::source_location;
#else
class SourceLocation {
 public:
  static constexpr SourceLocation current(const char* sFile = __builtin_FILE(), unsigned uLine = __builtin_LINE()) {
    SourceLocation theWhere;
    theWhere.sFile = sFile;
    theWhere.uLine = uLine;
    return theWhere;
  }
  constexpr const char* file_name() const { return sFile; }
  constexpr unsigned line() const { return uLine; }

 private:
  const char* sFile = "";
  unsigned uLine = 0;
};
#endif

}  // namespace zorvane

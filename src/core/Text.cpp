#include "core/Text.h"

namespace zorvane {

std::string ToLowerAscii(std::string sText) {
  for (char& ch : sText) ch = ToLowerAscii(ch);
  return sText;
}

}  // namespace zorvane

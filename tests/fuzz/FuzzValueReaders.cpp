// The value and index readers on any line: a result, or one of their documented conversion
// errors.
#include "FuzzSupport.h"
#include "forms/ValueParsing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, std::size_t uSize) {
  using namespace zorvane;
  const std::string sLine = fuzz::ToText(theData, uSize);
  SetLogListener(&fuzz::Hear);
  auto Expect = [](auto&& Read) {
    try {
      Read();
    } catch (const std::invalid_argument&) {
    } catch (const std::out_of_range&) {
    }
  };
  GetValueText(sLine);
  Expect([&] {
    float fValue = 0;
    if (GetFloat(sLine, fValue)) FormatFloat(fValue);
  });
  Expect([&] {
    int32_t iValue = 0;
    GetInt32(sLine, iValue);
  });
  Expect([&] {
    uint32_t uValue = 0;
    GetUInt32(sLine, uValue);
  });
  Expect([&] {
    uint64_t uValue = 0;
    GetUInt64(sLine, uValue);
  });
  Expect([&] { GetIndex(sLine); });
  Expect([&] { GetIndex2(sLine); });
  fuzz::GetHeardLines().clear();
  return 0;
}

// The one exception guard: nothing raised inside it escapes, and the caller's message names
// what failed, at the caller's own place.
#include "core/Guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/LogText.h"
#include "support/PluginFixture.h"

namespace zorvane::test {
namespace {

using GuardTest = PluginFixture;

TEST_F(GuardTest, CatchesEverythingAndLogsTheCallersMessage) {
  OpenLog();
  int iRuns = 0;

  EXPECT_TRUE(RunGuarded("Caller", FixedMessage("never written"), [&] { ++iRuns; }));
  auto Fail = [] { throw std::runtime_error("why"); };
  const unsigned uLine = __LINE__ + 1;
  EXPECT_FALSE(RunGuarded("Caller", MessageWithReason("exception while testing"), Fail));
  EXPECT_FALSE(RunGuarded("Caller", MessageWithReason("exception while testing"), [] { throw 42; }));
  EXPECT_FALSE(RunGuarded("Caller", FixedMessage("exception while exporting X"), [] { throw std::bad_alloc(); }));
  // A message that cannot even be built is still contained.
  EXPECT_FALSE(RunGuarded(
      "Caller", [](const char*) -> std::string { throw std::logic_error("no"); },
      [] { throw std::logic_error("first"); }));

  EXPECT_EQ(iRuns, 1);
  EXPECT_EQ(ReadLogMessages(),
            (std::vector<std::string>{"Zorvane - SFSE Plugin by Pelloquin v1.0", "exception while testing: why",
                                      "exception while testing", "exception while exporting X"}));
  EXPECT_NE(ReadFileBytes(GetLogFile())
                .find("[GuardTest.cpp:" + std::to_string(uLine) + "] [Caller] exception while testing: why"),
            std::string::npos);
}

}  // namespace
}  // namespace zorvane::test

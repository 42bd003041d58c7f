// The entry of the Windows test executables. The tests route this executable's own imports
// of MessageBoxA, SHGetFolderPathA and exit to the simulated game's stand-ins
// (sim::InterceptModule with the executable itself). The exit stand-in ends through the same
// redirected import and so never reaches the runtime's exit; the run therefore ends through
// _Exit, which is not redirected, so that ctest receives the true result.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  int iResult = RUN_ALL_TESTS();
  std::fflush(nullptr);
  std::_Exit(iResult);
}

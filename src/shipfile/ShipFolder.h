#pragma once
// Where ship files live.

namespace zorvane {

// The ship folder, relative to the game's folder, with its trailing backslash.
inline constexpr const char* kShipFolder = ".\\Data\\SFSE\\Plugins\\Spaceships\\";

}  // namespace zorvane

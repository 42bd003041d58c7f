#pragma once
// A text the game hands out, as the plugin keeps it.

#include <string>

namespace game {

// The game's zero-terminated text; empty for null.
inline std::string ToText(const char* sText) { return sText != nullptr ? std::string(sText) : std::string(); }

}  // namespace game

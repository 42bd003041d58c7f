#pragma once
// World files: JSON descriptions of a simulated world (see sim/README.md), and the world's
// state written back after a session.

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "World.h"

namespace sim {

// How deep arrays and objects of a world file may nest; world files need a dozen levels.
inline constexpr int kMaxWorldDepth = 64;

// Builds a world from its JSON description; throws std::runtime_error naming the problem.
std::unique_ptr<World> LoadWorld(const nlohmann::json& theJson);
std::unique_ptr<World> LoadWorldFile(const std::string& sPath);
// The JSON text of a world file, refusing a member given twice in one object and nesting
// deeper than kMaxWorldDepth. Every refusal is a std::runtime_error; a syntax error shows at
// most the first 80 characters of the token the parser stopped at.
nlohmann::json ParseWorldText(std::istream& theText);

// The small world used when no world file is given: Starfield.esm and the piloting perk.
std::unique_ptr<World> MakeDefaultWorld();

nlohmann::json DumpWorld(const World& theWorld);

// "0x2CFCAC", "2CFCAC" or a JSON number.
uint32_t ParseFormID(const nlohmann::json& theValue);
std::string FormatFormID(uint32_t uFormID);

}  // namespace sim

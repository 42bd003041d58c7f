#pragma once
// The plugin files of a zorvane-sim world: one per file of its "fullFiles", "smallFiles" and
// "mediumFiles", holding a record for each of the world's forms defined in it (references
// and cells excepted), so the checker can read what the simulated game holds.

#include <filesystem>
#include <string>
#include <vector>

namespace zorvane::test {

// Whether the simulated game treats a form of this form type code as a bound object (its
// references and cells are never written): every type but none (0), keywords, actor values,
// voice types and traversals.
bool IsBoundFormType(uint8_t uFormType);

// Writes the plugin files of the world file `theWorldFile` into `theFolder`: each form a
// record of its file's (local ID from its runtime form ID, EDID, and OBND -1,-1,-1,1,1,1
// when bound), in a top group per record type, whose records after the first sit in a
// nested group; every third record compressed. Every file but Starfield.esm has it as its
// master. Gives the names of the files written; throws std::runtime_error on a world it
// cannot use.
std::vector<std::string> WriteWorldPluginFiles(const std::filesystem::path& theWorldFile,
                                               const std::filesystem::path& theFolder);

}  // namespace zorvane::test

// Builds the Data directory from the staging tree: plain files where the game
// reads the disk, archives (packed by the archive tool) for the rest.
#pragma once
#include <filesystem>
#include <iosfwd>
#include <string>

namespace aw::datagen {

struct AssembleOptions {
    std::filesystem::path stage;   // every produced file at its Data-relative path
    std::filesystem::path data;    // the Data directory to fill
    std::filesystem::path work;    // scratch space: pack trees and the list of placed files
    std::string packTool;          // amberwick-pack; empty: the packed files go to disk
};

// Returns 0 on success; writes what is wrong to err and returns 1 otherwise.
// Files are rewritten only when their bytes changed, and files this step placed
// on an earlier run that are no longer produced are removed.
int assembleDataSet(const AssembleOptions& options, std::ostream& err);

} // namespace aw::datagen

// The picture sheets kept under docs/: every picture with its name, the
// figures in greyscale, and a board scene over a landscape.
#pragma once

#include "output.h"

#include <string>
#include <vector>

namespace art {

bool writeDocs(const std::vector<Sink::Entry>& pictures, const std::string& dir);

}  // namespace art

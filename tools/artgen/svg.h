// SVG sources of data/art rendered with librsvg.
#pragma once

#include "image.h"

#include <string>

namespace art {

// Renders the file (relative to the art source directory) at w x h; an empty
// picture when the file is missing or broken.
Image renderSvgFile(const std::string& name, int w, int h);

}  // namespace art

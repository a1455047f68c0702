// The pictures of the moving scenery in front of and behind the landscapes:
// each landscape's own drifting sky and flowing water, and the pieces all of
// them share (sun glows, waterfall, spray, branches, reeds, flowers and the
// textures of the 3D objects).
#pragma once

#include "landscape.h"
#include "output.h"

namespace art {

// "sky%i.jpg" (512 x 256, repeating sideways, the whole screen's height)
// and "water%i.jpg" (256 x 256, repeating both ways) of landscape number.
void paintLandscapeScenery(Sink& sink, int number, const Scene& scene);
void paintSceneryPictures(Sink& sink);

}  // namespace art

// Whether the current scene shows motion a player watches without touching
// anything: the frame rate stays full while it lasts (see platform/pacing.h).
#pragma once

namespace aw {

bool sceneInMotion();

} // namespace aw

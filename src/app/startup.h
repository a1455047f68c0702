// The process: start-up in its fixed order, the loop, and the shutdown.
#pragma once

namespace aw {

// Returns the process exit code (0 in every case that reaches it).
int runApplication();

} // namespace aw

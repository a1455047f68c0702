// One running copy per user: an flock on a lock file named after the title.
#pragma once

namespace aw {

// true when this is the first instance; the lock is held until the process
// ends (or releaseSingleInstance). A second call in the same process
// conflicts like a second copy would.
bool acquireSingleInstance(const char* name);
void releaseSingleInstance();

} // namespace aw

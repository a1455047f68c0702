// The two fatal file-error boxes of the program. Each ends the process with
// exit code 1 (through platform/message_box.h, so tests can catch it).
#pragma once

namespace aw {

// "Can't load NAME...\nProgram will now stop.", title "Loading Error".
[[noreturn]] void loadingError(const char* name);
// "Can't save NAME...\nProgram will now stop.", title "Writing Error".
[[noreturn]] void writingError(const char* name);

} // namespace aw

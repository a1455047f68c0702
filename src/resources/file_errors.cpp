#include "resources/file_errors.h"

#include "platform/message_box.h"

#include <cstdio>

namespace aw {

// The name is only ever an argument, never the format; a long one is cut.
void loadingError(const char* name) {
    char text[512];
    std::snprintf(text, sizeof text, "Can't load %s...\nProgram will now stop.", name ? name : "");
    fatalError("Loading Error", text);
}

void writingError(const char* name) {
    char text[512];
    std::snprintf(text, sizeof text, "Can't save %s...\nProgram will now stop.", name ? name : "");
    fatalError("Writing Error", text);
}

} // namespace aw

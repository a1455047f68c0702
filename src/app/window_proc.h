// The shell's window procedure: what each window message does.
#pragma once
#include "platform/events.h"

namespace aw {

void windowProc(const WindowMessage& message);

} // namespace aw

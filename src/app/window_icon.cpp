#include "app/window_icon.h"

#include "platform/window.h"

#include "window_icon.inc"

namespace aw {

const char* const kAppId = AW_APP_ID;

void applyWindowIcon() { setWindowIcon(kWindowIconRgba, kWindowIconSize, kWindowIconSize); }

} // namespace aw

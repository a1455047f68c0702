#include "platform/message_box.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>

namespace aw {
namespace {
MessageBoxHook boxHook = nullptr;
ExitHook exitHook = nullptr;
} // namespace

void showMessageBox(const char* title, const char* text) {
    std::fprintf(stderr, "%s: %s\n", title, text);
    std::fflush(stderr);
    if (boxHook) {
        boxHook(title, text);
        return;
    }
    // Without a display this fails at once; stderr already has the text.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, text, nullptr);
}

void exitProcess(int code) {
    if (exitHook) exitHook(code);
    std::_Exit(code);
}

void fatalError(const char* title, const char* text) {
    showMessageBox(title, text);
    exitProcess(1);
}

void setMessageBoxHook(MessageBoxHook hook) { boxHook = hook; }
void setExitHook(ExitHook hook) { exitHook = hook; }

} // namespace aw

// Window input translated into the shell's message vocabulary: the message
// kinds of a window procedure, Windows virtual-key codes, and mouse positions
// in client pixels of the 800 x 600 frame (origin top left, y down; negative
// left of or above the frame).
#pragma once
#include <cstdint>

union SDL_Event;

namespace aw {

enum class Msg : uint8_t {
    None,
    Size,
    Activate,      // wParam 1 active, 0 inactive
    Close,         // window close button, SIGTERM, SIGINT
    KeyDown,       // wParam virtual-key code
    KeyUp,
    MouseMove,
    LButtonDown,
    LButtonDblClk,
    LButtonUp,
    RButtonDown,
    RButtonDblClk, // never routed to a scene
    RButtonUp,
    MButtonDown,
    MButtonUp,
    Quit,
};

struct WindowMessage {
    Msg msg = Msg::None;
    int wParam = 0;
    int x = 0, y = 0; // client pixels of the mouse for mouse messages
};

// Virtual-key codes the game uses.
namespace vk {
constexpr int Back = 8, Tab = 9, Return = 13, Escape = 27, Space = 32, End = 35, Home = 36, Left = 37, Up = 38,
              Right = 39, Down = 40, Delete = 46, F1 = 112;
}

// The virtual-key code of an SDL key, 0 for keys the game has no code for.
int virtualKeyFromSdl(int sdlKeycode);
// Translates one SDL event; false when it means nothing to the game.
bool translateEvent(const SDL_Event& event, WindowMessage& out);
// Next message: first those posted with postMessage, then SDL's queue.
// false when both are empty (the idle moment of the loop).
bool peekMessage(WindowMessage& out);
// Queues a message as if the window had received it (start-up activation, tests).
void postMessage(const WindowMessage& message);
void clearPostedMessages();
// SIGTERM and SIGINT become a Close message, even where the process was
// started with them ignored (a background job of a script).
void installCloseSignalHandlers();

} // namespace aw

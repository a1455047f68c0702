// The 800 x 600 frame the game draws into, an OpenGL framebuffer object that
// is scaled once into the window when the frame is presented. Drawing into a
// fixed-size target keeps every 2D pixel exact whatever the window size.
#pragma once
#include <cstdint>

namespace aw {

bool createFrameBuffer(int width, int height);
void destroyFrameBuffer();
// Makes the frame the current draw target with an 800 x 600 viewport.
void bindFrameBuffer();
// The GL name of the frame's framebuffer object (the "back buffer").
unsigned frameBufferObject();
// Scales the frame into the window with letterbox bars, then swaps buffers.
void presentFrameBuffer();
// Copies a rectangle of the frame as RGBA bytes, rows from the top; x, y are
// frame pixels with the origin top left. false when no frame exists.
bool readFramePixels(int x, int y, int w, int h, uint8_t* rgba);

} // namespace aw

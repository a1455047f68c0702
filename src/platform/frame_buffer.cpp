#include "platform/frame_buffer.h"

#include "platform/gl.h"
#include "platform/gl_device.h"
#include "platform/window.h"

#include <SDL.h>
#include <algorithm>
#include <vector>

namespace aw {
namespace {
GLuint fbo = 0, colorTex = 0, depthRb = 0;
int fbWidth = 0, fbHeight = 0;
} // namespace

bool createFrameBuffer(int width, int height) {
    destroyFrameBuffer();
    glGenTextures(1, &colorTex);
    glBindTexture(GL_TEXTURE_2D, colorTex);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenRenderbuffers(1, &depthRb);
    glBindRenderbuffer(GL_RENDERBUFFER, depthRb);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glGenFramebuffers(1, &fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colorTex, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthRb);
    bool ok = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    fbWidth = width;
    fbHeight = height;
    if (!ok) {
        destroyFrameBuffer();
        return false;
    }
    bindFrameBuffer();
    return true;
}

void destroyFrameBuffer() {
    if (fbo) glDeleteFramebuffers(1, &fbo);
    if (depthRb) glDeleteRenderbuffers(1, &depthRb);
    if (colorTex) glDeleteTextures(1, &colorTex);
    fbo = depthRb = colorTex = 0;
}

void bindFrameBuffer() {
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glViewport(0, 0, fbWidth, fbHeight);
}

unsigned frameBufferObject() { return fbo; }

void presentFrameBuffer() {
    if (!fbo) return;
    gpu::flushBatch();
    int w, h;
    drawableSize(w, h);
    PixelRect r = letterboxRect(w, h);

    GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, w, h);
    // Bars only where the frame leaves some: a software renderer pays for
    // every pixel cleared.
    if (r.x0 > 0 || r.y0 > 0 || r.x1 < w || r.y1 < h) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
    // GL's window origin is bottom left: the letterbox offset from the top
    // becomes an offset from the bottom of the same size, so the rectangle is symmetric.
    bool exact = (r.x1 - r.x0) == fbWidth && (r.y1 - r.y0) == fbHeight;
    glBlitFramebuffer(0, 0, fbWidth, fbHeight, r.x0, h - r.y1, r.x1, h - r.y0, GL_COLOR_BUFFER_BIT,
                      exact ? GL_NEAREST : GL_LINEAR);
    SDL_Window* win = SDL_GL_GetCurrentWindow();
    if (win) SDL_GL_SwapWindow(win);
    if (scissor) glEnable(GL_SCISSOR_TEST);
    bindFrameBuffer();
}

bool readFramePixels(int x, int y, int w, int h, uint8_t* rgba) {
    if (!fbo || w <= 0 || h <= 0) return false;
    gpu::flushBatch();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, fbHeight - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    // GL returns bottom row first; callers want the top first. Swapped in
    // place: the benchmark reads a pixel every frame and frames allocate nothing.
    size_t row = size_t(w) * 4;
    for (int r = 0; r < h / 2; ++r)
        std::swap_ranges(rgba + size_t(r) * row, rgba + size_t(r + 1) * row, rgba + size_t(h - 1 - r) * row);
    return true;
}

} // namespace aw

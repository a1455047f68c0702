// OpenGL 2.1 fixed-function translation of the render device.
//
// [SECTION] state of the backend
// [SECTION] init
// [SECTION] render states
// [SECTION] transforms
// [SECTION] textures and targets
// [SECTION] drawing
// [SECTION] display modes
#include "platform/gl_device.h"

#include "platform/frame_buffer.h"
#include "platform/gl.h"
#include "platform/window.h"

#include <SDL.h>
#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace aw::gpu {
namespace {

// [SECTION] state of the backend (lives from initGpu to shutdownGpu)

struct TextureInfo {
    int width = 0, height = 0, levels = 1;
    bool renderTarget = false;
    GLuint fbo = 0, depth = 0;
};

bool ready = false;
std::unordered_map<unsigned, TextureInfo> textures;

float worldM[16], viewM[16], projM[16], texM[16];
int texCount = 0;
bool transformsDirty = true, textureMatrixDirty = true;

unsigned boundTexture = 0;
bool boundIsTarget = false;
bool texGenNormal = false;

Filter magFilter = Filter::None, minFilter = Filter::None, mipFilter = Filter::None;
Address addressU = Address::Wrap, addressV = Address::Wrap;

bool lightingOn = false, colorVertexOn = true;
Light lights[8];

bool pointScaleOn = false, pointSpriteOn = false;
float pointSize = 1, pointMin = 0, pointMax = 64, pointA = 1, pointB = 0, pointC = 0;

unsigned target = 0;
int targetW = kFrameWidth, targetH = kFrameHeight;

const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// Row-vector product r = a * b, 4 x 4, row-major.
void multiply(const float* a, const float* b, float* r) {
    float t[16];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            float s = 0;
            for (int k = 0; k < 4; ++k) s += a[i * 4 + k] * b[k * 4 + j];
            t[i * 4 + j] = s;
        }
    std::memcpy(r, t, sizeof t);
}

GLenum compareFunc(Compare f) {
    static const GLenum table[] = {GL_NEVER, GL_LESS, GL_EQUAL, GL_LEQUAL, GL_GREATER, GL_NOTEQUAL, GL_GEQUAL, GL_ALWAYS};
    return table[int(f) & 7];
}

GLenum blendFactor(Blend b) {
    static const GLenum table[] = {GL_ZERO, GL_ONE, GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR, GL_SRC_ALPHA,
                                   GL_ONE_MINUS_SRC_ALPHA, GL_DST_ALPHA, GL_ONE_MINUS_DST_ALPHA, GL_DST_COLOR,
                                   GL_ONE_MINUS_DST_COLOR, GL_SRC_ALPHA_SATURATE};
    int i = int(b);
    return i >= 0 && i <= 10 ? table[i] : GL_ONE;
}

GLenum addressMode(Address a) {
    switch (a) {
    case Address::Mirror: return GL_MIRRORED_REPEAT;
    case Address::Clamp: return GL_CLAMP_TO_EDGE;
    case Address::Border: return GL_CLAMP_TO_BORDER;
    default: return GL_REPEAT;
    }
}

// The sampler belongs to the stage on the device and to the texture in GL,
// so it is written into whichever texture is bound.
void applySampler() {
    if (!boundTexture) return;
    const TextureInfo& info = textures[boundTexture];
    bool linMag = magFilter == Filter::Linear, linMin = minFilter == Filter::Linear;
    GLenum min = linMin ? GL_LINEAR : GL_NEAREST;
    if (info.levels > 1 && mipFilter != Filter::None) {
        bool linMip = mipFilter == Filter::Linear;
        min = linMin ? (linMip ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR_MIPMAP_NEAREST)
                     : (linMip ? GL_NEAREST_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, linMag ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, addressMode(addressU));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, addressMode(addressV));
}

// Clip space of the device: z in [0, w] and pixel centres on integers. GL
// wants z in [-w, w] and centres half a pixel in; the correction is folded
// into the projection so depth values and pixel coverage come out the same.
//
// Edges that fall exactly on pixel centres go to the left and top pixel on
// the device; GL picks the other side vertically. Stopping a hair short of
// the half pixel puts every such edge just left of and above its centre, so
// both axes come out as on the device.
void loadProjection() {
    const float half = 0.5f - 1.0f / 32;
    float fix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2, 0, 2 * half / float(targetW), -2 * half / float(targetH), -1, 1};
    float p[16];
    multiply(projM, fix, p);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(p);
}

void loadTextureMatrix() {
    float m[16];
    std::memcpy(m, kIdentity, sizeof m);
    if (texCount == 2) {
        std::memcpy(m, texM, sizeof m);
        if (!texGenNormal) {
            // Two-component coordinates enter as (u, v, 1, 0) on the device and
            // as (u, v, 0, 1) in GL: the translation row moves up one.
            for (int j = 0; j < 4; ++j) std::swap(m[8 + j], m[12 + j]);
        }
        m[3] = m[7] = m[11] = 0;
        m[15] = 1;
    }
    if (boundIsTarget) {
        const float flip[16] = {1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1};
        multiply(m, flip, m);
    }
    glMatrixMode(GL_TEXTURE);
    glLoadMatrixf(m);
    glMatrixMode(GL_MODELVIEW);
}

void applyTransforms() {
    if (transformsDirty) {
        loadProjection();
        transformsDirty = false;
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(viewM);
    if (lightingOn) {
        // Directions are given in world space; GL transforms them by the
        // modelview current when they are set, so set them under the view.
        for (int i = 0; i < 8; ++i) {
            if (!lights[i].enabled) continue;
            const float* d = lights[i].direction;
            float pos[4] = {-d[0], -d[1], -d[2], 0};
            glLightfv(GL_LIGHT0 + i, GL_POSITION, pos);
        }
    }
    glMultMatrixf(worldM);
    if (textureMatrixDirty) {
        loadTextureMatrix();
        textureMatrixDirty = false;
    }
}

GLenum primitiveMode(Primitive p) {
    switch (p) {
    case Primitive::Points: return GL_POINTS;
    case Primitive::Lines: return GL_LINES;
    case Primitive::LineStrip: return GL_LINE_STRIP;
    case Primitive::Triangles: return GL_TRIANGLES;
    case Primitive::TriangleStrip: return GL_TRIANGLE_STRIP;
    default: return GL_TRIANGLE_FAN;
    }
}

// Points the client arrays at a vertex block; base is a pointer or, with a
// bound buffer, an offset. The attribute addresses are computed as integers:
// with a buffer bound, base is null, and pointer arithmetic on null is undefined.
void bindVertexLayout(const uint8_t* base, uint32_t fvf) {
    int stride = vertexStride(fvf);
    int offset = 12;
    auto at = [base](int bytes) {
        return reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(base) + uintptr_t(bytes));
    };
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, stride, base);
    if (fvf & kVertexNormal) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, stride, at(offset));
        offset += 12;
    } else {
        glDisableClientState(GL_NORMAL_ARRAY);
        glNormal3f(0, 0, 0);
    }
    if (fvf & kVertexPointSize) offset += 4;
    bool diffuse = (fvf & kVertexDiffuse) != 0;
    if (diffuse) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, stride, at(offset));
        offset += 4;
    } else {
        glDisableClientState(GL_COLOR_ARRAY);
        glColor4ub(255, 255, 255, 255);
    }
    if (lightingOn && diffuse && colorVertexOn) {
        glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
    } else {
        glDisable(GL_COLOR_MATERIAL);
    }
    if (fvf & kVertexSpecular) offset += 4;
    if (fvf & kVertexTex1) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, stride, at(offset));
    } else {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoord2f(0, 0);
    }
}

void applyPointSize(float size) {
    glPointSize(std::clamp(pointScaleOn ? size * float(targetH) : size, 0.0f, 256.0f));
}

// Triangles drawn one after another under the same states are gathered and
// go to GL as one draw: a sprite is two triangles, and a software renderer
// pays for each draw call. Every entry point that changes a state, a
// texture, a target or reads pixels submits the batch first, so what is
// drawn and in which order never changes. The buffer is fixed at start-up.
constexpr size_t kBatchBytes = size_t(1) << 19;
struct Batch {
    alignas(16) uint8_t bytes[kBatchBytes];
    size_t used = 0;
    int vertices = 0;
    uint32_t fvf = 0;
};
Batch batch;
long glDrawCalls = 0;

void submitBatch() {
    if (batch.vertices == 0) return;
    applyTransforms();
    bindVertexLayout(batch.bytes, batch.fvf);
    glDrawArrays(GL_TRIANGLES, 0, batch.vertices);
    ++glDrawCalls;
    batch.used = 0;
    batch.vertices = 0;
}

// Appends a triangle list, strip or fan as a list; false when it cannot be
// gathered (too big for the buffer on its own).
bool appendTriangles(Primitive type, const uint8_t* v, int count, uint32_t fvf) {
    size_t stride = size_t(vertexStride(fvf));
    int triangles = type == Primitive::Triangles ? count / 3 : count - 2;
    if (triangles <= 0) return true;
    size_t bytes = size_t(triangles) * 3 * stride;
    if (bytes > kBatchBytes) return false;
    if (batch.vertices && (batch.fvf != fvf || batch.used + bytes > kBatchBytes)) submitBatch();
    batch.fvf = fvf;
    uint8_t* out = batch.bytes + batch.used;
    auto put = [&](int i) {
        std::memcpy(out, v + size_t(i) * stride, stride);
        out += stride;
    };
    for (int t = 0; t < triangles; ++t) {
        if (type == Primitive::Triangles) {
            put(3 * t), put(3 * t + 1), put(3 * t + 2);
        } else if (type == Primitive::TriangleFan) {
            put(0), put(t + 1), put(t + 2);
        } else if (t % 2 == 0) { // a strip keeps its winding by swapping every other triangle
            put(t), put(t + 1), put(t + 2);
        } else {
            put(t + 1), put(t), put(t + 2);
        }
    }
    batch.used += bytes;
    batch.vertices += triangles * 3;
    return true;
}

} // namespace

void flushBatch() {
    if (ready) submitBatch();
}

long drawCallsSubmitted() { return glDrawCalls; }

// [SECTION] init

bool initGpu() {
    if (ready) return true;
    if (!SDL_GL_GetCurrentContext()) return false;
    if (!frameBufferObject()) return false;
    textures.clear();
    std::memcpy(worldM, kIdentity, sizeof worldM);
    std::memcpy(viewM, kIdentity, sizeof viewM);
    std::memcpy(projM, kIdentity, sizeof projM);
    std::memcpy(texM, kIdentity, sizeof texM);
    texCount = 0;
    target = 0;
    targetW = kFrameWidth;
    targetH = kFrameHeight;
    bindFrameBuffer();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glDisable(GL_DITHER);
    glShadeModel(GL_SMOOTH);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexEnvi(GL_POINT_SPRITE, GL_COORD_REPLACE, GL_TRUE);
    glPointParameteri(GL_POINT_SPRITE_COORD_ORIGIN, GL_UPPER_LEFT);
    glDepthRange(0, 1);
    glDisable(GL_POINT_SPRITE);
    ready = true;
    setDepthTest(true);
    setDepthWrite(true);
    setDepthFunc(Compare::LessEqual);
    setCull(Cull::CounterClockwise);
    setAlphaTest(false);
    setAlphaFunc(Compare::Always, 0);
    setBlending(false);
    setBlendFactors(Blend::One, Blend::Zero);
    for (int i = 0; i < 8; ++i) setLight(i, Light{});
    setLighting(false);
    setAmbient(0);
    setMaterial(Material{});
    setPointSprite(false);
    setPointScaling(false, 1, 0, 64, 1, 0, 0);
    setTexCoordFromNormal(false);
    boundTexture = ~0u; // a new context: the unbind below must reach GL
    bindTexture(0, false);
    transformsDirty = textureMatrixDirty = true;
    while (glGetError() != GL_NO_ERROR) {
    } // errors left by the context setup are not ours
    return true;
}

void shutdownGpu() {
    flushBatch();
    if (!ready) return;
    setRenderTarget(0);
    for (auto& [tex, info] : textures) {
        if (info.fbo) glDeleteFramebuffers(1, &info.fbo);
        if (info.depth) glDeleteRenderbuffers(1, &info.depth);
        GLuint t = tex;
        glDeleteTextures(1, &t);
    }
    textures.clear();
    boundTexture = 0;
    ready = false;
}

bool gpuReady() { return ready; }

// [SECTION] render states

void setDepthTest(bool on) {
    flushBatch();
    on ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
}
void setDepthWrite(bool on) {
    flushBatch();
    glDepthMask(on ? GL_TRUE : GL_FALSE);
}
void setDepthFunc(Compare f) {
    flushBatch();
    glDepthFunc(compareFunc(f));
}

void setCull(Cull c) {
    flushBatch();
    // The image keeps its orientation on the way to GL, so a winding seen on
    // screen is the same winding in GL's window coordinates.
    if (c == Cull::None) {
        glDisable(GL_CULL_FACE);
        return;
    }
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(c == Cull::CounterClockwise ? GL_CW : GL_CCW);
}

void setAlphaTest(bool on) {
    flushBatch();
    on ? glEnable(GL_ALPHA_TEST) : glDisable(GL_ALPHA_TEST);
}
void setAlphaFunc(Compare f, int ref) {
    flushBatch();
    glAlphaFunc(compareFunc(f), float(std::clamp(ref, 0, 255)) / 255.0f);
}
void setBlending(bool on) {
    flushBatch();
    on ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
}
void setBlendFactors(Blend src, Blend dst) {
    flushBatch();
    glBlendFunc(blendFactor(src), blendFactor(dst));
}

void setLighting(bool on) {
    flushBatch();
    lightingOn = on;
    on ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING);
}

void setAmbient(uint32_t argb) {
    flushBatch();
    float c[4] = {float((argb >> 16) & 255) / 255, float((argb >> 8) & 255) / 255, float(argb & 255) / 255,
                  float(argb >> 24) / 255};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, c);
}

void setLight(int index, const Light& light) {
    flushBatch();
    if (index < 0 || index >= 8) return;
    lights[index] = light;
    GLenum l = GL_LIGHT0 + index;
    glLightfv(l, GL_DIFFUSE, light.diffuse);
    glLightfv(l, GL_SPECULAR, light.specular);
    glLightfv(l, GL_AMBIENT, light.ambient);
    light.enabled ? glEnable(l) : glDisable(l);
}

void setMaterial(const Material& m) {
    flushBatch();
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, m.diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, m.ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, m.specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, m.emissive);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, std::clamp(m.power, 0.0f, 128.0f));
}

void setColorVertex(bool on) {
    flushBatch();
    colorVertexOn = on;
}

// Mesa replaces the texture coordinates of every primitive while sprites are
// enabled, so the state is only switched on around point lists.
void setPointSprite(bool on) {
    flushBatch();
    pointSpriteOn = on;
}

void setPointScaling(bool on, float size, float minSize, float maxSize, float a, float b, float c) {
    flushBatch();
    pointScaleOn = on;
    pointSize = size;
    pointMin = minSize;
    pointMax = maxSize;
    pointA = a;
    pointB = b;
    pointC = c;
    // All zero would divide by zero: the device treats it as no attenuation.
    float att[3] = {on ? a : 1, on ? b : 0, on ? c : 0};
    if (att[0] == 0 && att[1] == 0 && att[2] == 0) att[0] = 1;
    glPointParameterfv(GL_POINT_DISTANCE_ATTENUATION, att);
    glPointParameterf(GL_POINT_SIZE_MIN, std::max(0.0f, pointMin));
    glPointParameterf(GL_POINT_SIZE_MAX, std::max(pointMin, pointMax));
    applyPointSize(pointSize);
}

void setSampler(Filter mag, Filter min, Filter mip, Address u, Address v) {
    flushBatch();
    magFilter = mag;
    minFilter = min;
    mipFilter = mip;
    addressU = u;
    addressV = v;
    applySampler();
}

void setTexCoordFromNormal(bool on) {
    flushBatch();
    texGenNormal = on;
    textureMatrixDirty = true;
    if (on) {
        glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_NORMAL_MAP);
        glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_NORMAL_MAP);
        glTexGeni(GL_R, GL_TEXTURE_GEN_MODE, GL_NORMAL_MAP);
        glEnable(GL_TEXTURE_GEN_S);
        glEnable(GL_TEXTURE_GEN_T);
        glEnable(GL_TEXTURE_GEN_R);
        glEnable(GL_NORMALIZE);
    } else {
        glDisable(GL_TEXTURE_GEN_S);
        glDisable(GL_TEXTURE_GEN_T);
        glDisable(GL_TEXTURE_GEN_R);
        glDisable(GL_NORMALIZE);
    }
}

// [SECTION] transforms

// The same matrices sent again keep the batch going.
void setTransforms(const float* world, const float* view, const float* projection) {
    world = world ? world : kIdentity;
    view = view ? view : kIdentity;
    projection = projection ? projection : kIdentity;
    if (!std::memcmp(worldM, world, sizeof worldM) && !std::memcmp(viewM, view, sizeof viewM) &&
        !std::memcmp(projM, projection, sizeof projM))
        return;
    flushBatch();
    std::memcpy(worldM, world, sizeof worldM);
    std::memcpy(viewM, view, sizeof viewM);
    std::memcpy(projM, projection, sizeof projM);
    transformsDirty = true;
}

void setTextureTransform(const float* m, int count) {
    m = m ? m : kIdentity;
    if (count == texCount && !std::memcmp(texM, m, sizeof texM)) return;
    flushBatch();
    std::memcpy(texM, m, sizeof texM);
    texCount = count;
    textureMatrixDirty = true;
}

// [SECTION] textures and targets

unsigned createTexture(int width, int height, int levels) {
    flushBatch();
    if (!ready || width <= 0 || height <= 0) return 0;
    GLuint t = 0;
    glGenTextures(1, &t);
    if (!t) return 0;
    glBindTexture(GL_TEXTURE_2D, t);
    levels = std::max(1, levels);
    int w = width, h = height;
    for (int l = 0; l < levels; ++l) {
        glTexImage2D(GL_TEXTURE_2D, l, GL_RGBA8, w, h, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
        w = std::max(1, w / 2);
        h = std::max(1, h / 2);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, levels - 1);
    TextureInfo info;
    info.width = width;
    info.height = height;
    info.levels = levels;
    textures[t] = info;
    GLenum err = glGetError();
    glBindTexture(GL_TEXTURE_2D, boundTexture);
    if (err == GL_OUT_OF_MEMORY) {
        deleteTexture(t);
        return 0;
    }
    return t;
}

void uploadTextureLevel(unsigned tex, int level, int width, int height, const uint8_t* bgra) {
    flushBatch();
    if (!ready || !tex || !bgra) return;
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexSubImage2D(GL_TEXTURE_2D, level, 0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, bgra);
    glBindTexture(GL_TEXTURE_2D, boundTexture);
}

unsigned createRenderTargetTexture(int width, int height) {
    unsigned t = createTexture(width, height, 1);
    if (!t) return 0;
    TextureInfo& info = textures[t];
    info.renderTarget = true;
    glGenRenderbuffers(1, &info.depth);
    glBindRenderbuffer(GL_RENDERBUFFER, info.depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glGenFramebuffers(1, &info.fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, info.fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, t, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, info.depth);
    bool ok = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    // Back to whatever was being drawn.
    unsigned keep = target;
    target = ~0u;
    setRenderTarget(keep);
    if (!ok) {
        deleteTexture(t);
        return 0;
    }
    return t;
}

void deleteTexture(unsigned tex) {
    flushBatch();
    auto it = textures.find(tex);
    if (it == textures.end()) return;
    if (target == tex) setRenderTarget(0);
    if (it->second.fbo) glDeleteFramebuffers(1, &it->second.fbo);
    if (it->second.depth) glDeleteRenderbuffers(1, &it->second.depth);
    GLuint t = tex;
    glDeleteTextures(1, &t);
    textures.erase(it);
    if (boundTexture == tex) bindTexture(0, false);
}

void bindTexture(unsigned tex, bool renderTarget) {
    if (tex && !textures.count(tex)) tex = 0;
    if (tex && textures[tex].renderTarget) renderTarget = true;
    if (ready && tex == boundTexture && (tex && renderTarget) == boundIsTarget) return;
    flushBatch();
    if (renderTarget != boundIsTarget) textureMatrixDirty = true;
    boundTexture = tex;
    boundIsTarget = tex && renderTarget;
    if (!tex) {
        glBindTexture(GL_TEXTURE_2D, 0);
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, tex);
    applySampler();
}

bool setRenderTarget(unsigned tex) {
    flushBatch();
    if (!ready) return false;
    if (tex == target) return true;
    if (tex) {
        auto it = textures.find(tex);
        if (it == textures.end() || !it->second.fbo) return false;
        glBindFramebuffer(GL_FRAMEBUFFER, it->second.fbo);
        glViewport(0, 0, it->second.width, it->second.height);
        targetW = it->second.width;
        targetH = it->second.height;
    } else {
        bindFrameBuffer();
        targetW = kFrameWidth;
        targetH = kFrameHeight;
    }
    target = tex;
    transformsDirty = true;
    applyPointSize(pointSize);
    return true;
}

unsigned currentRenderTarget() { return target; }

// [SECTION] drawing

void clear(bool color, uint32_t argb, bool depth, float z) {
    flushBatch();
    if (!ready) return;
    GLbitfield bits = 0;
    if (color) {
        glClearColor(float((argb >> 16) & 255) / 255, float((argb >> 8) & 255) / 255, float(argb & 255) / 255,
                     float(argb >> 24) / 255);
        bits |= GL_COLOR_BUFFER_BIT;
    }
    GLboolean depthMask = GL_TRUE;
    if (depth) {
        // A device clear ignores the depth-write state; GL's honours it.
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
        glDepthMask(GL_TRUE);
        glClearDepth(std::clamp(z, 0.0f, 1.0f));
        bits |= GL_DEPTH_BUFFER_BIT;
    }
    glClear(bits);
    if (depth) glDepthMask(depthMask);
}

int vertexStride(uint32_t fvf) {
    int stride = (fvf & kVertexNormal) ? 24 : 12;
    if (fvf & kVertexPointSize) stride += 4;
    if (fvf & kVertexDiffuse) stride += 4;
    if (fvf & kVertexSpecular) stride += 4;
    if (fvf & kVertexTex1) stride += 8;
    return stride;
}

void drawArrays(Primitive type, const void* vertices, int vertexCount, uint32_t fvf) {
    if (!ready || !vertices || vertexCount <= 0) return;
    const uint8_t* base = static_cast<const uint8_t*>(vertices);
    bool triangles = type == Primitive::Triangles || type == Primitive::TriangleStrip || type == Primitive::TriangleFan;
    if (triangles && appendTriangles(type, base, vertexCount, fvf)) return;
    submitBatch();
    applyTransforms();
    bindVertexLayout(base, fvf);
    bool sprites = type == Primitive::Points && pointSpriteOn;
    if (sprites) glEnable(GL_POINT_SPRITE);
    if (type == Primitive::Points && (fvf & kVertexPointSize)) {
        // GL's fixed function has no per-vertex size: one point at a time.
        int stride = vertexStride(fvf), sizeOffset = (fvf & kVertexNormal) ? 24 : 12;
        for (int i = 0; i < vertexCount; ++i) {
            float s;
            std::memcpy(&s, base + i * stride + sizeOffset, 4);
            applyPointSize(s);
            glDrawArrays(GL_POINTS, i, 1);
            ++glDrawCalls;
        }
        applyPointSize(pointSize);
    } else {
        glDrawArrays(primitiveMode(type), 0, vertexCount);
        ++glDrawCalls;
    }
    if (sprites) glDisable(GL_POINT_SPRITE);
}

unsigned createVertexBuffer(const void* data, int bytes) {
    flushBatch();
    if (!ready || bytes <= 0) return 0;
    GLuint b = 0;
    glGenBuffers(1, &b);
    glBindBuffer(GL_ARRAY_BUFFER, b);
    glBufferData(GL_ARRAY_BUFFER, bytes, data, GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return b;
}

unsigned createIndexBuffer(const uint16_t* data, int count) {
    flushBatch();
    if (!ready || count <= 0) return 0;
    GLuint b = 0;
    glGenBuffers(1, &b);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, b);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(count) * 2, data, GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    return b;
}

void deleteBuffer(unsigned buffer) {
    flushBatch();
    if (!ready || !buffer) return;
    GLuint b = buffer;
    glDeleteBuffers(1, &b);
}

void drawBuffers(unsigned vertexBuffer, uint32_t fvf, int vertexCount, unsigned indexBuffer, int indexCount) {
    flushBatch();
    if (!ready || !vertexBuffer) return;
    applyTransforms();
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    bindVertexLayout(nullptr, fvf);
    if (indexBuffer) {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
        glDrawElements(GL_TRIANGLES, indexCount, GL_UNSIGNED_SHORT, nullptr);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    } else {
        glDrawArrays(GL_TRIANGLES, 0, vertexCount);
    }
    ++glDrawCalls;
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void flush() {
    flushBatch();
    if (ready) glFinish();
}

bool readPixels(int x, int y, int w, int h, uint8_t* rgba) {
    flushBatch();
    if (!ready || w <= 0 || h <= 0 || !rgba) return false;
    if (target == 0) return readFramePixels(x, y, w, h, rgba);
    std::vector<uint8_t> rows(size_t(w) * size_t(h) * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, textures[target].fbo);
    glReadPixels(x, targetH - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    for (int r = 0; r < h; ++r)
        std::memcpy(rgba + size_t(r) * w * 4, rows.data() + size_t(h - 1 - r) * w * 4, size_t(w) * 4);
    return true;
}

// [SECTION] display modes

namespace {
int bitsOf(uint32_t format) {
    int bits = int(SDL_BITSPERPIXEL(format));
    return bits >= 24 ? 32 : bits;
}
} // namespace

int listDisplayModes(DisplayMode* out, int max) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return 0;
    int n = SDL_GetNumDisplayModes(0), written = 0;
    for (int i = 0; i < n && written < max; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) != 0) continue;
        out[written++] = {m.w, m.h, bitsOf(m.format)};
    }
    return written;
}

bool desktopDisplayMode(DisplayMode& out) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    SDL_DisplayMode m;
    if (SDL_GetDesktopDisplayMode(0, &m) != 0) return false;
    out = {m.w, m.h, bitsOf(m.format)};
    return true;
}

} // namespace aw::gpu

// The OpenGL backend of the render device: the only code that calls gl*.
// It speaks the device's own vocabulary (row-vector matrices, depth 0..1,
// pixel centres on integers, culling by screen winding, vertex layouts by
// flag word) and translates it to OpenGL 2.1 fixed function.
//
// Lifetime: initGpu() after the window opened, shutdownGpu() before it
// closes. Every state is set explicitly at init; GL's own defaults differ.
#pragma once
#include <cstdint>

namespace aw::gpu {

enum class Cull : uint8_t { None, Clockwise, CounterClockwise }; // the winding that is dropped
enum class Compare : uint8_t { Never, Less, Equal, LessEqual, Greater, NotEqual, GreaterEqual, Always };
enum class Blend : uint8_t {
    Zero, One, SrcColor, InvSrcColor, SrcAlpha, InvSrcAlpha,
    DestAlpha, InvDestAlpha, DestColor, InvDestColor, SrcAlphaSat,
};
enum class Filter : uint8_t { None, Point, Linear };
enum class Address : uint8_t { Wrap, Mirror, Clamp, Border };
enum class Primitive : uint8_t { Points, Lines, LineStrip, Triangles, TriangleStrip, TriangleFan };

// Vertex layout flags; components lie in the order position, normal, point
// size, diffuse, specular, texture coordinates.
constexpr uint32_t kVertexPosition = 0x002;
constexpr uint32_t kVertexNormal = 0x010;
constexpr uint32_t kVertexPointSize = 0x020;
constexpr uint32_t kVertexDiffuse = 0x040;
constexpr uint32_t kVertexSpecular = 0x080;
constexpr uint32_t kVertexTex1 = 0x100;

struct Light {
    bool enabled = false;
    float direction[3] = {0, 0, 1}; // world space, the way the light travels
    float diffuse[4] = {1, 1, 1, 1};
    float specular[4] = {0, 0, 0, 0};
    float ambient[4] = {0, 0, 0, 0};
};

struct Material {
    float diffuse[4] = {1, 1, 1, 1};
    float ambient[4] = {0, 0, 0, 0};
    float specular[4] = {0, 0, 0, 0};
    float emissive[4] = {0, 0, 0, 0};
    float power = 0;
};

// False when there is no current GL context or it lacks framebuffer objects.
bool initGpu();
void shutdownGpu();
bool gpuReady();

// [SECTION] states
void setDepthTest(bool on);
void setDepthWrite(bool on);
void setDepthFunc(Compare f);
void setCull(Cull c);
void setAlphaTest(bool on);
void setAlphaFunc(Compare f, int ref); // ref 0..255
void setBlending(bool on);
void setBlendFactors(Blend src, Blend dst);
void setLighting(bool on);
void setAmbient(uint32_t argb);
void setLight(int index, const Light& light); // index 0..7
void setMaterial(const Material& m);
// Vertex diffuse colours feed the lit diffuse material (when a layout has them).
void setColorVertex(bool on);
void setPointSprite(bool on);
void setPointScaling(bool on, float size, float minSize, float maxSize, float a, float b, float c);
void setSampler(Filter mag, Filter min, Filter mip, Address u, Address v);
// Texture coordinates from the camera-space normal instead of the vertex.
void setTexCoordFromNormal(bool on);

// [SECTION] transforms, row-major with row vectors (v' = v * M)
void setTransforms(const float* world, const float* view, const float* projection);
// count 0 disables the texture transform; 2 applies it to (u, v).
void setTextureTransform(const float* m, int count);

// [SECTION] textures: pixels are bytes B, G, R, A, rows top first
unsigned createTexture(int width, int height, int levels);
void uploadTextureLevel(unsigned tex, int level, int width, int height, const uint8_t* bgra);
// A texture that can be drawn into; its rows are stored bottom-up.
unsigned createRenderTargetTexture(int width, int height);
void deleteTexture(unsigned tex);
// 0 draws untextured. Render-target textures are sampled flipped so that
// texture coordinates mean the same for both kinds.
void bindTexture(unsigned tex, bool renderTarget);
// 0 is the 800 x 600 frame; false when the texture cannot be drawn into.
bool setRenderTarget(unsigned tex);
unsigned currentRenderTarget();

// [SECTION] drawing
void clear(bool color, uint32_t argb, bool depth, float z);
// Bytes per vertex of a layout.
int vertexStride(uint32_t fvf);
void drawArrays(Primitive type, const void* vertices, int vertexCount, uint32_t fvf);
unsigned createVertexBuffer(const void* data, int bytes);
unsigned createIndexBuffer(const uint16_t* data, int count);
void deleteBuffer(unsigned buffer);
void drawBuffers(unsigned vertexBuffer, uint32_t fvf, int vertexCount, unsigned indexBuffer, int indexCount);
void flush();
// Triangles drawn in a row under the same states go to GL as one draw; this
// sends what is gathered (presenting and reading the frame do it too).
void flushBatch();
// Draws handed to GL since the start, batches counted once.
long drawCallsSubmitted();

// Pixels of the current target as R, G, B, A bytes, rows from the top, with
// x, y measured from the top left.
bool readPixels(int x, int y, int w, int h, uint8_t* rgba);

// [SECTION] display
struct DisplayMode {
    int width = 0, height = 0, bitsPerPixel = 0;
};
// The modes of display 0 in SDL's order; returns how many were written.
int listDisplayModes(DisplayMode* out, int max);
// The desktop's mode; false when unknown.
bool desktopDisplayMode(DisplayMode& out);

} // namespace aw::gpu

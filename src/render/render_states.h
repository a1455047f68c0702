// Render states and texture-stage states by the device's own numbers and
// values, the numbered features, the blend modes and the 2D set-up.
#pragma once
#include "core/color.h"
#include "core/vec.h"

#include <cstdint>

namespace aw {

struct TextureRecord;

enum RenderState : int {
    RS_ZENABLE = 7,
    RS_FILLMODE = 8,
    RS_SHADEMODE = 9,
    RS_ZWRITEENABLE = 14,
    RS_ALPHATESTENABLE = 15,
    RS_LASTPIXEL = 16,
    RS_SRCBLEND = 19,
    RS_DESTBLEND = 20,
    RS_CULLMODE = 22,
    RS_ZFUNC = 23,
    RS_ALPHAREF = 24,
    RS_ALPHAFUNC = 25,
    RS_DITHERENABLE = 26,
    RS_ALPHABLENDENABLE = 27,
    RS_FOGENABLE = 28,
    RS_SPECULARENABLE = 29,
    RS_LIGHTING = 137,
    RS_AMBIENT = 139,
    RS_COLORVERTEX = 141,
    RS_NORMALIZENORMALS = 143,
    RS_DIFFUSEMATERIALSOURCE = 145,
    RS_SPECULARMATERIALSOURCE = 146,
    RS_AMBIENTMATERIALSOURCE = 147,
    RS_EMISSIVEMATERIALSOURCE = 148,
    RS_POINTSIZE = 154,
    RS_POINTSIZE_MIN = 155,
    RS_POINTSPRITEENABLE = 156,
    RS_POINTSCALEENABLE = 157,
    RS_POINTSCALE_A = 158,
    RS_POINTSCALE_B = 159,
    RS_POINTSCALE_C = 160,
    RS_POINTSIZE_MAX = 166,
};
constexpr int kRenderStateCount = 256;

enum TextureStageState : int {
    TSS_COLOROP = 1,
    TSS_COLORARG1 = 2,
    TSS_COLORARG2 = 3,
    TSS_ALPHAOP = 4,
    TSS_ALPHAARG1 = 5,
    TSS_ALPHAARG2 = 6,
    TSS_TEXCOORDINDEX = 11,
    TSS_ADDRESSU = 13,
    TSS_ADDRESSV = 14,
    TSS_MAGFILTER = 16,
    TSS_MINFILTER = 17,
    TSS_MIPFILTER = 18,
    TSS_TEXTURETRANSFORMFLAGS = 24,
};
constexpr int kStageStateCount = 32;

// Values.
constexpr uint32_t kZbTrue = 1;
constexpr uint32_t kCullNone = 1, kCullCw = 2, kCullCcw = 3;
constexpr uint32_t kCmpNever = 1, kCmpLess = 2, kCmpEqual = 3, kCmpLessEqual = 4, kCmpGreater = 5,
                   kCmpNotEqual = 6, kCmpGreaterEqual = 7, kCmpAlways = 8;
constexpr uint32_t kBlendZero = 1, kBlendOne = 2, kBlendSrcColor = 3, kBlendInvSrcColor = 4, kBlendSrcAlpha = 5,
                   kBlendInvSrcAlpha = 6, kBlendDestAlpha = 7, kBlendInvDestAlpha = 8, kBlendDestColor = 9,
                   kBlendInvDestColor = 10, kBlendSrcAlphaSat = 11;
constexpr uint32_t kMcsMaterial = 0, kMcsColor1 = 1;
constexpr uint32_t kTexfNone = 0, kTexfPoint = 1, kTexfLinear = 2;
constexpr uint32_t kAddressWrap = 1, kAddressMirror = 2, kAddressClamp = 3, kAddressBorder = 4;
constexpr uint32_t kTtffDisable = 0, kTtffCount2 = 2;
constexpr uint32_t kTopDisable = 1, kTopSelectArg1 = 2, kTopModulate = 4;
constexpr uint32_t kTciPassThru = 0, kTciCameraSpaceNormal = 0x10000;

// Float states travel as their bit patterns.
uint32_t floatBits(float f);
float bitsFloat(uint32_t v);

void setRenderState(int state, uint32_t value);
uint32_t getRenderState(int state);
void setTextureStageState(int state, uint32_t value);
uint32_t getTextureStageState(int state);

// The states every frame starts from, after creation and every reset.
void applyDefaultStates();
// Tests and device creation: the device's power-on values, pushed to the GPU.
void resetRenderStates();

// 0 lighting, 1 depth test, 2 depth writes, 3 orthographic 800 x 600
// projection (off: perspectiveMatrix), 4 alpha blending, 5 alpha testing,
// 6 point sprites, 7 linear filtering (off: point).
void enableFeature(int n);
void disableFeature(int n);
// 0 transparency, 1 additive glow, 2 opaque.
void setBlendMode(int m);
// Screen-space drawing: centred 800 x 600 units, y up, visible depth 1..100.
void begin2D();

void setTexture(const TextureRecord* texture);
// Texture coordinates from the camera-space normal (reflections).
void setEnvironmentTexture(const TextureRecord* texture);
const TextureRecord* currentTexture();
// Draw into a render-target texture, or back into the frame with null.
void setRenderTarget(const TextureRecord* target);

// A directional light (direction in world space) and the lit material.
void setDirectionalLight(int index, Vec3 direction, Color4f diffuse, bool enabled = true);
void setMaterialColors(Color4f diffuse, Color4f ambient);

} // namespace aw

#include "render/render_states.h"

#include "core/matrix.h"
#include "platform/gl_device.h"
#include "render/device.h"
#include "render/texture.h"
#include "render/transforms.h"

#include <cstring>

namespace aw {
namespace {

// The device's state words (live for the run; reset with the device).
uint32_t renderStates[kRenderStateCount];
uint32_t stageStates[kStageStateCount];
const TextureRecord* boundTexture = nullptr;

gpu::Compare compareOf(uint32_t v) {
    return v >= 1 && v <= 8 ? gpu::Compare(v - 1) : gpu::Compare::Always;
}

gpu::Blend blendOf(uint32_t v) { return v >= 1 && v <= 11 ? gpu::Blend(v - 1) : gpu::Blend::One; }

gpu::Filter filterOf(uint32_t v) {
    if (v == kTexfNone) return gpu::Filter::None;
    if (v == kTexfPoint) return gpu::Filter::Point;
    return gpu::Filter::Linear; // linear, anisotropic and the cubic filters
}

gpu::Address addressOf(uint32_t v) {
    return v >= 1 && v <= 4 ? gpu::Address(v - 1) : gpu::Address::Wrap;
}

void sendPointStates() {
    const uint32_t* s = renderStates;
    gpu::setPointScaling(s[RS_POINTSCALEENABLE] != 0, bitsFloat(s[RS_POINTSIZE]), bitsFloat(s[RS_POINTSIZE_MIN]),
                         bitsFloat(s[RS_POINTSIZE_MAX]), bitsFloat(s[RS_POINTSCALE_A]),
                         bitsFloat(s[RS_POINTSCALE_B]), bitsFloat(s[RS_POINTSCALE_C]));
}

void sendSampler() {
    const uint32_t* t = stageStates;
    gpu::setSampler(filterOf(t[TSS_MAGFILTER]), filterOf(t[TSS_MINFILTER]), filterOf(t[TSS_MIPFILTER]),
                    addressOf(t[TSS_ADDRESSU]), addressOf(t[TSS_ADDRESSV]));
}

} // namespace

uint32_t floatBits(float f) {
    uint32_t v;
    std::memcpy(&v, &f, 4);
    return v;
}

float bitsFloat(uint32_t v) {
    float f;
    std::memcpy(&f, &v, 4);
    return f;
}

void setRenderState(int state, uint32_t value) {
    if (state < 0 || state >= kRenderStateCount) return;
    renderStates[state] = value;
    const uint32_t* s = renderStates;
    switch (state) {
    case RS_ZENABLE: gpu::setDepthTest(value != 0); break;
    case RS_ZWRITEENABLE: gpu::setDepthWrite(value != 0); break;
    case RS_ZFUNC: gpu::setDepthFunc(compareOf(value)); break;
    case RS_ALPHATESTENABLE: gpu::setAlphaTest(value != 0); break;
    case RS_ALPHAREF:
    case RS_ALPHAFUNC: gpu::setAlphaFunc(compareOf(s[RS_ALPHAFUNC]), int(s[RS_ALPHAREF] & 255)); break;
    case RS_ALPHABLENDENABLE: gpu::setBlending(value != 0); break;
    case RS_SRCBLEND:
    case RS_DESTBLEND: gpu::setBlendFactors(blendOf(s[RS_SRCBLEND]), blendOf(s[RS_DESTBLEND])); break;
    case RS_CULLMODE:
        gpu::setCull(value == kCullCw    ? gpu::Cull::Clockwise
                     : value == kCullCcw ? gpu::Cull::CounterClockwise
                                         : gpu::Cull::None);
        break;
    case RS_LIGHTING: gpu::setLighting(value != 0); break;
    case RS_AMBIENT: gpu::setAmbient(value); break;
    case RS_COLORVERTEX: gpu::setColorVertex(value != 0); break;
    case RS_POINTSPRITEENABLE: gpu::setPointSprite(value != 0); break;
    case RS_POINTSIZE:
    case RS_POINTSIZE_MIN:
    case RS_POINTSIZE_MAX:
    case RS_POINTSCALEENABLE:
    case RS_POINTSCALE_A:
    case RS_POINTSCALE_B:
    case RS_POINTSCALE_C: sendPointStates(); break;
    default: break; // kept for getRenderState; nothing in GL to change
    }
}

uint32_t getRenderState(int state) {
    return state >= 0 && state < kRenderStateCount ? renderStates[state] : 0;
}

void setTextureStageState(int state, uint32_t value) {
    if (state < 0 || state >= kStageStateCount) return;
    stageStates[state] = value;
    switch (state) {
    case TSS_MAGFILTER:
    case TSS_MINFILTER:
    case TSS_MIPFILTER:
    case TSS_ADDRESSU:
    case TSS_ADDRESSV: sendSampler(); break;
    case TSS_TEXCOORDINDEX: gpu::setTexCoordFromNormal((value & 0xFFFF0000u) == kTciCameraSpaceNormal); break;
    case TSS_TEXTURETRANSFORMFLAGS: setTextureTransform(getTextureTransform()); break;
    default: break;
    }
}

uint32_t getTextureStageState(int state) {
    return state >= 0 && state < kStageStateCount ? stageStates[state] : 0;
}

void resetRenderStates() {
    std::memset(renderStates, 0, sizeof renderStates);
    std::memset(stageStates, 0, sizeof stageStates);
    uint32_t* s = renderStates;
    s[RS_ZENABLE] = kZbTrue;
    s[RS_FILLMODE] = 3;
    s[RS_SHADEMODE] = 2;
    s[RS_ZWRITEENABLE] = 1;
    s[RS_LASTPIXEL] = 1;
    s[RS_SRCBLEND] = kBlendOne;
    s[RS_DESTBLEND] = kBlendZero;
    s[RS_CULLMODE] = kCullCcw;
    s[RS_ZFUNC] = kCmpLessEqual;
    s[RS_ALPHAFUNC] = kCmpAlways;
    s[RS_LIGHTING] = 1;
    s[RS_COLORVERTEX] = 1;
    s[RS_DIFFUSEMATERIALSOURCE] = kMcsColor1;
    s[RS_SPECULARMATERIALSOURCE] = 2;
    s[RS_POINTSIZE] = floatBits(1);
    s[RS_POINTSIZE_MIN] = floatBits(0);
    s[RS_POINTSIZE_MAX] = floatBits(64);
    s[RS_POINTSCALE_A] = floatBits(1);
    uint32_t* t = stageStates;
    t[TSS_COLOROP] = kTopModulate;
    t[TSS_ALPHAOP] = kTopSelectArg1;
    t[TSS_ADDRESSU] = kAddressWrap;
    t[TSS_ADDRESSV] = kAddressWrap;
    t[TSS_MAGFILTER] = kTexfPoint;
    t[TSS_MINFILTER] = kTexfPoint;
    t[TSS_MIPFILTER] = kTexfNone;
    for (int i = 0; i < kRenderStateCount; ++i) setRenderState(i, renderStates[i]);
    for (int i = 0; i < kStageStateCount; ++i) setTextureStageState(i, stageStates[i]);
    boundTexture = nullptr;
    gpu::bindTexture(0, false);
}

void applyDefaultStates() {
    setRenderState(RS_ZENABLE, kZbTrue);
    setRenderState(RS_ALPHAREF, 128);
    setRenderState(RS_ALPHAFUNC, kCmpGreaterEqual);
    setRenderState(RS_LASTPIXEL, 0);
    setRenderState(RS_CULLMODE, kCullCcw);
    setRenderState(RS_LIGHTING, 0);
    setRenderState(RS_SPECULARMATERIALSOURCE, kMcsMaterial);
    setRenderState(RS_AMBIENT, 0xFFFFFFFFu);
    setRenderState(RS_POINTSPRITEENABLE, 1);
    setRenderState(RS_POINTSCALEENABLE, 1);
    setRenderState(RS_POINTSIZE, floatBits(1.0f));
    setRenderState(RS_POINTSIZE_MIN, floatBits(0.01f));
    setRenderState(RS_POINTSCALE_A, floatBits(0.0f));
    setRenderState(RS_POINTSCALE_B, floatBits(5.0f));
    setRenderState(RS_POINTSCALE_C, floatBits(5.0f));
    setTextureStageState(TSS_ADDRESSU, kAddressWrap);
    setTextureStageState(TSS_ADDRESSV, kAddressWrap);
    setTextureStageState(TSS_TEXTURETRANSFORMFLAGS, kTtffCount2);
    setTextureStageState(TSS_MAGFILTER, kTexfNone);
    setTextureStageState(TSS_MINFILTER, kTexfNone);
    setTextureStageState(TSS_MIPFILTER, kTexfNone);
    setTextureStageState(TSS_ALPHAOP, kTopModulate);
}

void enableFeature(int n) {
    switch (n) {
    case 0: setRenderState(RS_LIGHTING, 1); break;
    case 1: setRenderState(RS_ZENABLE, 1); break;
    case 2: setRenderState(RS_ZWRITEENABLE, 1); break;
    case 3: setProjection(buildOrtho(800, 600, 1, 500)); break;
    case 4: setRenderState(RS_ALPHABLENDENABLE, 1); break;
    case 5: setRenderState(RS_ALPHATESTENABLE, 1); break;
    case 6: setRenderState(RS_POINTSPRITEENABLE, 1); break;
    case 7:
        setTextureStageState(TSS_MAGFILTER, kTexfLinear);
        setTextureStageState(TSS_MINFILTER, kTexfLinear);
        setTextureStageState(TSS_MIPFILTER, kTexfLinear);
        break;
    default: break;
    }
}

void disableFeature(int n) {
    switch (n) {
    case 0: setRenderState(RS_LIGHTING, 0); break;
    case 1: setRenderState(RS_ZENABLE, 0); break;
    case 2: setRenderState(RS_ZWRITEENABLE, 0); break;
    case 3: setProjection(renderDevice.perspectiveMatrix); break;
    case 4: setRenderState(RS_ALPHABLENDENABLE, 0); break;
    case 5: setRenderState(RS_ALPHATESTENABLE, 0); break;
    case 6: setRenderState(RS_POINTSPRITEENABLE, 0); break;
    case 7:
        setTextureStageState(TSS_MAGFILTER, kTexfPoint);
        setTextureStageState(TSS_MINFILTER, kTexfPoint);
        setTextureStageState(TSS_MIPFILTER, kTexfNone);
        break;
    default: break;
    }
}

void setBlendMode(int m) {
    switch (m) {
    case 0:
        setRenderState(RS_SRCBLEND, kBlendSrcAlpha);
        setRenderState(RS_DESTBLEND, kBlendInvSrcAlpha);
        break;
    case 1:
        setRenderState(RS_SRCBLEND, kBlendSrcColor);
        setRenderState(RS_DESTBLEND, kBlendOne);
        break;
    case 2:
        setRenderState(RS_SRCBLEND, kBlendOne);
        setRenderState(RS_DESTBLEND, kBlendZero);
        break;
    default: break;
    }
}

void begin2D() {
    setRenderState(RS_ZENABLE, 0);
    setRenderState(RS_SRCBLEND, kBlendSrcAlpha);
    setRenderState(RS_DESTBLEND, kBlendInvSrcAlpha);
    setRenderState(RS_ALPHABLENDENABLE, 1);
    setRenderState(RS_ALPHATESTENABLE, 1);
    setRenderState(RS_ALPHAREF, 1);
    enableFeature(7);
    setWorld(nullptr);
    setView(nullptr);
    setProjection(buildOrtho(800, 600, 1, 100));
}

void setTexture(const TextureRecord* texture) {
    boundTexture = texture;
    gpu::bindTexture(texture ? texture->texture : 0, texture && texture->isRenderTarget);
}

void setEnvironmentTexture(const TextureRecord* texture) {
    setTexture(texture);
    setTextureStageState(TSS_TEXCOORDINDEX, kTciCameraSpaceNormal);
}

const TextureRecord* currentTexture() { return boundTexture; }

void setRenderTarget(const TextureRecord* target) {
    if (!target || !target->isRenderTarget || !gpu::setRenderTarget(target->texture)) gpu::setRenderTarget(0);
}

void setDirectionalLight(int index, Vec3 direction, Color4f diffuse, bool enabled) {
    gpu::Light l;
    l.enabled = enabled;
    l.direction[0] = direction.x;
    l.direction[1] = direction.y;
    l.direction[2] = direction.z;
    l.diffuse[0] = diffuse.r;
    l.diffuse[1] = diffuse.g;
    l.diffuse[2] = diffuse.b;
    l.diffuse[3] = diffuse.a;
    gpu::setLight(index, l);
}

void setMaterialColors(Color4f diffuse, Color4f ambient) {
    gpu::Material m;
    const float d[4] = {diffuse.r, diffuse.g, diffuse.b, diffuse.a}, a[4] = {ambient.r, ambient.g, ambient.b, ambient.a};
    std::memcpy(m.diffuse, d, sizeof d);
    std::memcpy(m.ambient, a, sizeof a);
    gpu::setMaterial(m);
}

} // namespace aw

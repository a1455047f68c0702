// The scenery tests' world: the render device on a hidden window, a scratch
// data directory with small pictures, and writers for layout and mesh files
// byte for byte, so hostile files are as easy to make as sound ones.
#pragma once
#include "effects/backgrounds.h"
#include "render/render_support.h"

#include <climits>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace awtest {

// One layout record before it is written.
struct LayoutRecord {
    std::string kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0, rotation = 0, flowX = 0, flowY = 0;
    bool mirror = false, behind = false;
};

inline void appendInt(std::string& b, int32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(char(uint32_t(v) >> (8 * i)));
}
inline void appendFloat(std::string& b, float f) {
    int32_t v;
    std::memcpy(&v, &f, 4);
    appendInt(b, v);
}

// A layout file; count overrides the record count written in the header.
constexpr int32_t kTrueCount = INT32_MIN;
inline std::string layoutBytes(const std::vector<LayoutRecord>& records, int32_t count = kTrueCount) {
    std::string b(64, '\0');
    b.replace(0, 4, "test");
    appendInt(b, count == kTrueCount ? int32_t(records.size()) : count);
    for (const LayoutRecord& r : records) {
        std::string name = r.kind.substr(0, 32);
        name.resize(32, '\0');
        b += name;
        for (float f : {r.x1, r.y1, r.x2, r.y2, r.rotation, r.flowX, r.flowY}) appendFloat(b, f);
        b.push_back(r.mirror ? 1 : 0);
        appendInt(b, r.behind ? 1 : 0);
    }
    return b;
}

struct MeshSource {
    bool smooth = false;
    float position[3] = {0, 0, 0}, rotation[3] = {0, 0, 0};
    std::vector<float> vertices;   // x, y, z each
    std::vector<int32_t> faces;    // three each
    std::vector<float> uvs;        // six per face, as stored (v upside down)
    int32_t vertexCount = kTrueCount, faceCount = kTrueCount; // the header's counts, when set
};

inline std::string meshBytes(const MeshSource& m) {
    std::string b = {'M', 'S', 'H', char(m.smooth ? 1 : 0)};
    for (float f : m.position) appendFloat(b, f);
    for (float f : m.rotation) appendFloat(b, f);
    b.push_back('\0');
    appendInt(b, m.vertexCount != kTrueCount ? m.vertexCount : int32_t(m.vertices.size() / 3));
    appendInt(b, m.faceCount != kTrueCount ? m.faceCount : int32_t(m.faces.size() / 3));
    for (float f : m.vertices) appendFloat(b, f);
    for (int32_t i : m.faces) appendInt(b, i);
    for (float f : m.uvs) appendFloat(b, f);
    return b;
}

// A scratch Data directory: "AnimBacks" with a small painting for every
// number and the layouts the test writes, and flat-coloured pictures.
class SceneryTest : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        aw::resetScenery();
        dir_ = std::make_unique<ScratchDir>();
        std::filesystem::create_directories(dir_->path() + "/AnimBacks");
        for (int n = 0; n < aw::kBackgroundCount; ++n) {
            // A JPEG of 8 x 6 with a short alpha plane: enough for the sized load.
            std::string jpeg = jpegBytes(8, 6, [n](int, int) { return Rgba{uint8_t(n * 10), 100, 50, 255}; });
            writeBytes(path("AnimBacks/_a_back" + std::to_string(n) + ".jpg"), jpeg + std::string(64, '\x80'));
            layout(n, {});
        }
    }
    void TearDown() override {
        aw::resetScenery();
        dir_.reset();
        RenderTest::TearDown();
    }

    std::string path(const std::string& rel) const { return dir_->path() + "/" + rel; }
    void layout(int n, const std::vector<LayoutRecord>& records) {
        writeBytes(path("AnimBacks/level" + std::to_string(n) + ".lev"), layoutBytes(records));
    }
    void picture(const std::string& name, Rgba colour) {
        writeTga(path(name), 4, 4, [colour](int, int) { return colour; });
    }
    void catalogue(const std::string& text) { writeBytes(path("gameobjs.txt"), text); }

    std::unique_ptr<ScratchDir> dir_;
};

} // namespace awtest

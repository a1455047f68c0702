#include "scenery_files.h"

#include <cmath>
#include <cstring>

namespace scenerygen {
namespace {

constexpr size_t kLayoutTitleSize = 64, kLayoutRecordSize = 65, kKindFieldSize = 32;
constexpr float kPi = 3.14159265f;

void putInt32(Bytes& b, int32_t v) {
    uint32_t u = uint32_t(v);
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(u >> (8 * i)));
}

void putFloat(Bytes& b, float f) {
    int32_t v;
    std::memcpy(&v, &f, 4);
    putInt32(b, v);
}

void putField(Bytes& b, const std::string& s, size_t size) {
    for (size_t i = 0; i < size; ++i) b.push_back(i < s.size() && i + 1 < size ? uint8_t(s[i]) : 0);
}

struct V3 {
    float x, y, z;
};
V3 sub(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

class Builder {
public:
    int vertex(V3 p) {
        g.positions.insert(g.positions.end(), {p.x, p.y, p.z});
        return int(g.positions.size() / 3) - 1;
    }
    // Adds a face whose normal, as the game computes it (p2 - p0) x (p1 - p0),
    // points away from inside.
    void face(int a, int b, int c, float ua, float va, float ub, float vb, float uc, float vc, V3 inside) {
        V3 p0 = at(a), p1 = at(b), p2 = at(c);
        V3 n = cross(sub(p2, p0), sub(p1, p0));
        V3 centre = {(p0.x + p1.x + p2.x) / 3, (p0.y + p1.y + p2.y) / 3, (p0.z + p1.z + p2.z) / 3};
        if (dot(n, sub(centre, inside)) < 0) {
            std::swap(b, c);
            std::swap(ub, uc);
            std::swap(vb, vc);
        }
        g.faces.insert(g.faces.end(), {a, b, c});
        g.uvs.insert(g.uvs.end(), {ua, va, ub, vb, uc, vc});
    }
    V3 at(int i) const { return {g.positions[size_t(i) * 3], g.positions[size_t(i) * 3 + 1], g.positions[size_t(i) * 3 + 2]}; }
    Geometry g;
};

Geometry box(float sx, float sy, float sz) {
    Builder b;
    for (int i = 0; i < 8; ++i) b.vertex({(i & 1 ? 0.5f : -0.5f) * sx, (i & 2 ? 0.5f : -0.5f) * sy, (i & 4 ? 0.5f : -0.5f) * sz});
    // Each side as its four corners in order round it.
    const int sides[6][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
    for (const auto& s : sides) {
        b.face(s[0], s[1], s[2], 0, 0, 1, 0, 1, 1, {0, 0, 0});
        b.face(s[0], s[2], s[3], 0, 0, 1, 1, 0, 1, {0, 0, 0});
    }
    return b.g;
}

// A surface turned about the y axis through the profile's (radius, height)
// points; a radius of 0 is a single pole vertex.
Geometry lathe(int segments, const std::vector<float>& profile) {
    Builder b;
    size_t rings = profile.size() / 2;
    std::vector<std::vector<int>> ring(rings);
    for (size_t k = 0; k < rings; ++k) {
        float r = profile[k * 2], y = profile[k * 2 + 1];
        if (r == 0) {
            ring[k].assign(size_t(segments), b.vertex({0, y, 0}));
            continue;
        }
        for (int j = 0; j < segments; ++j) {
            float a = 2 * kPi * float(j) / float(segments);
            ring[k].push_back(b.vertex({r * std::cos(a), y, r * std::sin(a)}));
        }
    }
    for (size_t k = 0; k + 1 < rings; ++k) {
        float v0 = float(k) / float(rings - 1), v1 = float(k + 1) / float(rings - 1);
        V3 inside = {0, (profile[k * 2 + 1] + profile[k * 2 + 3]) / 2, 0};
        for (int j = 0; j < segments; ++j) {
            int jn = (j + 1) % segments;
            float u0 = float(j) / float(segments), u1 = float(j + 1) / float(segments);
            int a = ring[k][size_t(j)], bb = ring[k][size_t(jn)], c = ring[k + 1][size_t(j)], d = ring[k + 1][size_t(jn)];
            if (a != bb) b.face(a, bb, d, u0, v0, u1, v0, u1, v1, inside);
            if (c != d) b.face(a, d, c, u0, v0, u1, v1, u0, v1, inside);
        }
    }
    return b.g;
}

} // namespace

std::string catalogueText(const Catalogue& c) {
    std::string out;
    for (size_t g = 0; g < c.groups.size(); ++g) {
        out += "[" + c.groups[g] + "/]\r\n";
        for (const Kind& k : c.kinds)
            if (k.group == int(g)) out += k.name + "=" + k.file + "\r\n";
        out += "[/" + c.groups[g] + "]\r\n";
    }
    return out + "\r\n";
}

Bytes layoutFile(const Landscape& l) {
    Bytes b;
    putField(b, l.title, kLayoutTitleSize);
    putInt32(b, int32_t(l.objects.size()));
    for (const Placed& p : l.objects) {
        size_t start = b.size();
        putField(b, p.kind, kKindFieldSize);
        for (float f : {p.x1, p.y1, p.x2, p.y2, p.rotation, p.flowX, p.flowY}) putFloat(b, f);
        b.push_back(p.mirror ? 1 : 0);
        putInt32(b, p.behind ? 1 : 0);
        if (b.size() - start != kLayoutRecordSize) return {};
    }
    return b;
}

std::string objectText(const Object3D& o) {
    std::string out = "nummeshes=" + std::to_string(o.parts.size()) + "\r\n";
    for (size_t i = 0; i < o.parts.size(); ++i) {
        out += "mesh" + std::to_string(i) + "=" + o.parts[i].mesh + "\r\n";
        out += "texture" + std::to_string(i) + "=" + o.parts[i].texture + "\r\n";
    }
    return out + "\r\n";
}

Geometry buildShape(const MeshShape& s) {
    if (s.shape == "box") return box(s.numbers[0], s.numbers[1], s.numbers[2]);
    return lathe(int(s.numbers[0]), std::vector<float>(s.numbers.begin() + 1, s.numbers.end()));
}

Bytes meshFile(const MeshShape& s, const Geometry& g) {
    Bytes b = {'M', 'S', 'H', uint8_t(s.smooth ? 1 : 0)};
    for (float f : s.at) putFloat(b, f);
    for (float f : s.turn) putFloat(b, f);
    b.push_back(0);
    putInt32(b, int32_t(g.positions.size() / 3));
    putInt32(b, int32_t(g.faces.size() / 3));
    for (float f : g.positions) putFloat(b, f);
    for (int32_t i : g.faces) putInt32(b, i);
    for (size_t i = 0; i < g.uvs.size(); i += 2) {
        putFloat(b, g.uvs[i]);
        putFloat(b, 1 - g.uvs[i + 1]); // the game turns v back
    }
    return b;
}

} // namespace scenerygen

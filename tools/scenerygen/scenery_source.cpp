#include "scenery_source.h"

#include <charconv>
#include <cmath>
#include <set>
#include <sstream>

namespace scenerygen {
namespace {

constexpr float kDegrees = 3.14159265f / 180;
constexpr size_t kMaxKindName = 31;   // the layout's kind field and the catalogue's name
constexpr size_t kMaxKinds = 512;
constexpr size_t kMaxObjectsPerLayout = 256;
constexpr size_t kMaxTitle = 63;
constexpr size_t kMaxMeshesPerObject = 32;

// The lines of a text with comments and surrounding blanks removed, each
// with its line number; empty lines are left out.
std::vector<std::pair<int, std::string>> meaningfulLines(const std::string& text) {
    std::vector<std::pair<int, std::string>> out;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        size_t a = line.find_first_not_of(" \t\r"), b = line.find_last_not_of(" \t\r");
        if (a == std::string::npos) continue;
        out.push_back({number, line.substr(a, b - a + 1)});
    }
    return out;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

bool number(const std::string& s, float& out) {
    const char* end = s.data() + s.size();
    auto [ptr, ec] = std::from_chars(s.data(), end, out);
    return ec == std::errc() && ptr == end && std::isfinite(out);
}

bool fail(Problem& p, const std::string& path, int line, const std::string& what) {
    p = {path + ":" + std::to_string(line), what};
    return false;
}

bool plainName(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c <= ' ' || c == '=' || c == ',' || c == '[' || c == ']' || c == '/' || c == '\\' || c == ':') return false;
    return true;
}

// Reads count numbers from w starting at i.
bool numbers(const std::vector<std::string>& w, size_t i, size_t count, float* out) {
    if (i + count > w.size()) return false;
    for (size_t k = 0; k < count; ++k)
        if (!number(w[i + k], out[k])) return false;
    return true;
}

} // namespace

bool readCatalogue(const std::string& path, const std::string& text, Catalogue& out, Problem& problem) {
    out = Catalogue{};
    bool open = false;
    for (const auto& [line, s] : meaningfulLines(text)) {
        if (s.size() > 3 && s[0] == '[' && s[1] == '/' && s.back() == ']') {
            if (!open || s.substr(2, s.size() - 3) != out.groups.back())
                return fail(problem, path, line, "closing tag without its group: " + s);
            open = false;
        } else if (s.size() > 3 && s[0] == '[' && s.substr(s.size() - 2) == "/]") {
            if (open) return fail(problem, path, line, "group opened inside group " + out.groups.back());
            std::string name = s.substr(1, s.size() - 3);
            if (!plainName(name)) return fail(problem, path, line, "bad group name " + name);
            out.groups.push_back(name);
            open = true;
        } else {
            size_t eq = s.find('=');
            if (!open || eq == std::string::npos) return fail(problem, path, line, "expected kind = file inside a group");
            std::vector<std::string> k = words(s.substr(0, eq)), f = words(s.substr(eq + 1));
            if (k.size() != 1 || f.size() != 1 || !plainName(k[0]))
                return fail(problem, path, line, "expected one kind name and one file name");
            if (k[0].size() > kMaxKindName) return fail(problem, path, line, "kind name longer than 31 characters");
            const std::string& file = f[0];
            bool picture = file.find(".tga") != std::string::npos || file.find(".jpg") != std::string::npos;
            if (!picture && file.find(".cgo") == std::string::npos)
                return fail(problem, path, line, "file is neither a picture nor a 3D object: " + file);
            for (char c : file)
                if (c <= ' ' || c == ',' || c == '[') return fail(problem, path, line, "bad file name " + file);
            out.kinds.push_back({k[0], file, int(out.groups.size()) - 1});
        }
    }
    if (open) return fail(problem, path, 0, "group " + out.groups.back() + " is not closed");
    if (out.kinds.size() > kMaxKinds) return fail(problem, path, 0, "more than 512 kinds");
    return true;
}

bool readLandscape(const std::string& path, const std::string& text, Landscape& out, Problem& problem) {
    out = Landscape{};
    for (const auto& [line, s] : meaningfulLines(text)) {
        std::vector<std::string> w = words(s);
        if (w[0] == "title") {
            out.title = s.substr(5);
            out.title.erase(0, out.title.find_first_not_of(' '));
            if (out.title.size() > kMaxTitle) return fail(problem, path, line, "title longer than 63 characters");
            continue;
        }
        Placed p;
        p.kind = w[0];
        float r[4];
        if (!numbers(w, 1, 4, r)) return fail(problem, path, line, "expected KIND x0 y0 x1 y1");
        if (r[0] >= r[2] || r[1] >= r[3]) return fail(problem, path, line, "the rectangle runs from top left to bottom right");
        // Picture pixels (y down) to screen-centred units (y up).
        p.x1 = r[0] - 400, p.y1 = 300 - r[1], p.x2 = r[2] - 400, p.y2 = 300 - r[3];
        for (size_t i = 5; i < w.size();) {
            float v[2];
            if (w[i] == "rot" && numbers(w, i + 1, 1, v)) {
                p.rotation = v[0];
                i += 2;
            } else if (w[i] == "flow" && numbers(w, i + 1, 2, v)) {
                p.flowX = v[0], p.flowY = v[1];
                i += 3;
            } else if (w[i] == "shade" && numbers(w, i + 1, 1, v) && v[0] >= 0 && v[0] <= 255) {
                p.flowX = 255 - v[0], p.flowY = 0; // a leaf's grey is 255 less its flow's length
                i += 2;
            } else if (w[i] == "mirror") {
                p.mirror = true;
                ++i;
            } else if (w[i] == "behind") {
                p.behind = true;
                ++i;
            } else {
                return fail(problem, path, line, "unknown word " + w[i]);
            }
        }
        out.objects.push_back(p);
    }
    if (out.objects.size() > kMaxObjectsPerLayout) return fail(problem, path, 0, "more than 256 objects");
    return true;
}

bool readModels(const std::string& path, const std::string& text, Models& out, Problem& problem) {
    out = Models{};
    for (const auto& [line, s] : meaningfulLines(text)) {
        std::vector<std::string> w = words(s);
        if (w[0] == "mesh" && w.size() >= 3) {
            MeshShape m;
            m.file = w[1];
            m.shape = w[2];
            if (m.file.find(".msh_s") == std::string::npos) return fail(problem, path, line, "a mesh file ends .msh_s");
            size_t i = 3;
            float v;
            while (i < w.size() && number(w[i], v)) m.numbers.push_back(v), ++i;
            m.smooth = m.shape == "lathe";
            if (m.shape == "box") {
                if (m.numbers.size() != 3) return fail(problem, path, line, "box SX SY SZ");
            } else if (m.shape == "lathe") {
                if (m.numbers.size() < 5 || m.numbers.size() % 2 != 1 || m.numbers[0] < 3 || m.numbers[0] > 256)
                    return fail(problem, path, line, "lathe SEGMENTS (3..256) then radius and height pairs");
            } else {
                return fail(problem, path, line, "unknown shape " + m.shape);
            }
            for (; i < w.size();) {
                float xyz[3];
                if (w[i] == "smooth" || w[i] == "flat") {
                    m.smooth = w[i] == "smooth";
                    ++i;
                } else if ((w[i] == "at" || w[i] == "turn") && numbers(w, i + 1, 3, xyz)) {
                    float* into = w[i] == "at" ? m.at : m.turn;
                    for (int k = 0; k < 3; ++k) into[k] = w[i] == "at" ? xyz[k] : xyz[k] * kDegrees;
                    i += 4;
                } else {
                    return fail(problem, path, line, "unknown word " + w[i]);
                }
            }
            out.meshes.push_back(m);
        } else if (w[0] == "object" && w.size() >= 3) {
            Object3D o;
            o.file = w[1];
            if (o.file.find(".cgo") == std::string::npos) return fail(problem, path, line, "an object file ends .cgo");
            for (size_t i = 2; i < w.size(); ++i) {
                size_t colon = w[i].find(':');
                if (colon == std::string::npos || colon == 0 || colon + 1 == w[i].size())
                    return fail(problem, path, line, "expected MESH:TEXTURE, got " + w[i]);
                o.parts.push_back({w[i].substr(0, colon), w[i].substr(colon + 1)});
            }
            if (o.parts.size() > kMaxMeshesPerObject) return fail(problem, path, line, "more than 32 meshes");
            out.objects.push_back(o);
        } else {
            return fail(problem, path, line, "expected a mesh or an object line");
        }
    }
    return true;
}

std::vector<std::string> checkScenery(const Catalogue& catalogue, const std::vector<Landscape>& landscapes,
                                      const Models& models) {
    std::vector<std::string> problems;
    std::set<std::string> kinds, objects, meshes;
    for (const Kind& k : catalogue.kinds)
        if (!kinds.insert(k.name).second) problems.push_back("kind " + k.name + " is named twice");
    for (const Object3D& o : models.objects)
        if (!objects.insert(o.file).second) problems.push_back("object " + o.file + " is made twice");
    for (const MeshShape& m : models.meshes)
        if (!meshes.insert(m.file).second) problems.push_back("mesh " + m.file + " is made twice");
    for (const Kind& k : catalogue.kinds)
        if (k.file.find(".cgo") != std::string::npos && !objects.count(k.file))
            problems.push_back("kind " + k.name + " names " + k.file + ", which models.txt does not make");
    for (const Object3D& o : models.objects)
        for (const ObjectPart& p : o.parts)
            if (!meshes.count(p.mesh)) problems.push_back(o.file + " names the unknown mesh " + p.mesh);
    for (size_t n = 0; n < landscapes.size(); ++n)
        for (const Placed& p : landscapes[n].objects)
            if (!kinds.count(p.kind))
                problems.push_back("landscape " + std::to_string(n) + " places the unknown kind " + p.kind);
    return problems;
}

} // namespace scenerygen

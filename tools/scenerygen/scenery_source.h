// The readable description of the scenery in data/scenery: the catalogue, one
// text per landscape, and the 3D objects with their meshes. Readers check
// every line and report the first fault with its file and line.
#pragma once
#include <string>
#include <vector>

namespace scenerygen {

struct Problem {
    std::string where; // "file:line"
    std::string what;
};

struct Kind {
    std::string name, file;
    int group = 0;
};
struct Catalogue {
    std::vector<std::string> groups;
    std::vector<Kind> kinds;
};

// One object of a landscape, already in the game's units: screen-centred, y up.
struct Placed {
    std::string kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float rotation = 0;
    float flowX = 0, flowY = 0;
    bool mirror = false, behind = false;
};
struct Landscape {
    std::string title;
    std::vector<Placed> objects;
};

// A mesh made from a shape; angles in radians.
struct MeshShape {
    std::string file;
    std::string shape; // "box" or "lathe"
    std::vector<float> numbers;
    bool smooth = false;
    float at[3] = {0, 0, 0}, turn[3] = {0, 0, 0};
};
struct ObjectPart {
    std::string mesh, texture;
};
struct Object3D {
    std::string file;
    std::vector<ObjectPart> parts;
};
struct Models {
    std::vector<MeshShape> meshes;
    std::vector<Object3D> objects;
};

// "[group/]" opens a group, "[/group]" closes it, "kind = file" lines in
// between; '#' starts a comment.
bool readCatalogue(const std::string& path, const std::string& text, Catalogue& out, Problem& problem);
// "title TEXT", then "KIND x0 y0 x1 y1 [rot DEG] [flow FX FY] [shade GREY]
// [mirror] [behind]" in picture pixels (origin top left, y down).
bool readLandscape(const std::string& path, const std::string& text, Landscape& out, Problem& problem);
// "mesh FILE box SX SY SZ | lathe SEGMENTS R0 Y0 R1 Y1 ... [smooth|flat]
// [at X Y Z] [turn RX RY RZ]" (degrees) and "object FILE MESH:TEXTURE ...".
bool readModels(const std::string& path, const std::string& text, Models& out, Problem& problem);

// Cross-checks: every placed kind is in the catalogue, every ".cgo" of the
// catalogue is an object, every object's mesh is made, names fit the game's
// fields and limits.
std::vector<std::string> checkScenery(const Catalogue& catalogue, const std::vector<Landscape>& landscapes,
                                      const Models& models);

} // namespace scenerygen

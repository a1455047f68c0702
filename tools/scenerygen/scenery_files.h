// The scenery's files as the game reads them: the catalogue text, the binary
// layouts, the meshes built from their shapes and the object texts.
#pragma once
#include "scenery_source.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scenerygen {

using Bytes = std::vector<uint8_t>;

// "gameobjs.txt": every group and its entries, CR LF line ends and a spare
// break at the end.
std::string catalogueText(const Catalogue& catalogue);
// "level%i.lev": the 64-byte title, the count, 65 bytes per object.
Bytes layoutFile(const Landscape& landscape);
// ".cgo": "nummeshes=", then "mesh%i=" and "texture%i=" lines.
std::string objectText(const Object3D& object);

// A mesh's geometry before it is written: positions, faces of three indices
// and the (u, v) of each corner as the picture has it (v from the top).
struct Geometry {
    std::vector<float> positions; // x, y, z per vertex
    std::vector<int32_t> faces;   // three per face
    std::vector<float> uvs;       // six per face
};
// A box centred on the origin, or a lathe about the y axis; every face
// turned so that the game's normal points outwards.
Geometry buildShape(const MeshShape& shape);
// ".msh_s": the header, the vertices, the faces, then the corners' (u, v)
// with v stored upside down.
Bytes meshFile(const MeshShape& shape, const Geometry& geometry);

} // namespace scenerygen

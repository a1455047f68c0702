// The catalogue of scenery kinds, "gameobjs.txt": groups of entries
// "kind=file", each file a picture (".tga", ".jpg") or a 3D object (".cgo").
// The layouts name their objects by kind.
//
// Lifetime: read once at start-up, lives for the run; resetSceneryCatalogue()
// forgets it (tests).
#pragma once
#include <string_view>

namespace aw {

struct Model;
struct TextureRecord;

constexpr int kMaxSceneryKinds = 512;
constexpr int kSceneryKindNameSize = 32; // 31 characters and the NUL

struct SceneryKind {
    char name[kSceneryKindNameSize] = {};
    TextureRecord* texture = nullptr;
    Model* model = nullptr;
    int group = 0; // 0-based, in file order
};

// One entry as the text holds it (views into the text).
struct CatalogueEntry {
    std::string_view kind, file;
    int group = 0;
};

// Groups open with "[" name "/" and one more character and close with a tag
// starting "[/"; inside, entries "kind=file" end at a blank (the file at a
// blank or comma, blanks after "=" skipped). Text outside groups is skipped.
// Returns the entries found, at most maxCount.
int parseCatalogue(std::string_view text, CatalogueEntry* out, int maxCount);

// Reads "gameobjs.txt" (required) from the current directory and loads every
// kind's picture or 3D object.
void loadSceneryCatalogue();
int sceneryKindCount();
const SceneryKind* sceneryKindAt(int i);
// The last kind of that name, or null.
const SceneryKind* findSceneryKind(const char* name);
void resetSceneryCatalogue();

} // namespace aw

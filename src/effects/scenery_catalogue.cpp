#include "effects/scenery_catalogue.h"

#include "effects/models.h"
#include "persistence/binary_fields.h"
#include "render/texture.h"
#include "resources/registry.h"

#include <cstring>
#include <string>

namespace aw {
namespace {

// Lives for the run (reset by resetSceneryCatalogue).
struct Catalogue {
    SceneryKind kinds[kMaxSceneryKinds];
    int count = 0;
} catalogue;

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

size_t skipBlanks(std::string_view t, size_t i) {
    while (i < t.size() && isBlank(t[i])) ++i;
    return i;
}

size_t skipToken(std::string_view t, size_t i) {
    while (i < t.size() && !isBlank(t[i])) ++i;
    return i;
}

} // namespace

int parseCatalogue(std::string_view t, CatalogueEntry* out, int maxCount) {
    int count = 0, group = 0;
    size_t i = 0;
    while (count < maxCount) {
        i = t.find('[', i);
        if (i == std::string_view::npos) break;
        if (i + 1 < t.size() && t[i + 1] == '/') { // a closing tag outside any group
            i = skipToken(t, i);
            continue;
        }
        // The opening tag: the name runs to "/", one more character follows.
        size_t slash = i + 1;
        while (slash < t.size() && t[slash] != '/' && t[slash] != '[' && !isBlank(t[slash])) ++slash;
        if (slash >= t.size() || t[slash] != '/') {
            i += 1; // no group here
            continue;
        }
        i = std::min(t.size(), slash + 2);
        while (count < maxCount) {
            i = skipBlanks(t, i);
            if (i >= t.size()) break;
            if (t[i] == '[') {
                // "[/..." closes the group; another opening tag ends it too.
                if (i + 1 < t.size() && t[i + 1] == '/') i = skipToken(t, i);
                break;
            }
            size_t end = skipToken(t, i);
            size_t eq = t.substr(i, end - i).find('=');
            if (eq == std::string_view::npos || eq == 0) { // not an entry
                i = end;
                continue;
            }
            CatalogueEntry& e = out[count];
            e.kind = t.substr(i, eq);
            e.group = group;
            size_t v = skipBlanks(t, i + eq + 1);
            size_t stop = v;
            while (stop < t.size() && !isBlank(t[stop]) && t[stop] != ',') ++stop;
            e.file = t.substr(v, stop - v);
            i = stop;
            if (!e.file.empty()) ++count;
        }
        ++group;
    }
    return count;
}

void loadSceneryCatalogue() {
    int size = 0;
    uint8_t* data = loadResource("gameobjs.txt", &size, true);
    std::string_view text(reinterpret_cast<const char*>(data), size_t(size > 0 ? size : 0));
    static CatalogueEntry entries[kMaxSceneryKinds];
    int n = parseCatalogue(text, entries, kMaxSceneryKinds);
    catalogue.count = 0;
    for (int i = 0; i < n; ++i) {
        SceneryKind& k = catalogue.kinds[catalogue.count++];
        k = SceneryKind{};
        std::string kind(entries[i].kind), file(entries[i].file);
        copyName(k.name, sizeof k.name, kind.c_str());
        k.group = entries[i].group;
        if (file.find(".tga") != std::string::npos || file.find(".jpg") != std::string::npos)
            k.texture = getTexture(file.c_str());
        else if (file.find(".cgo") != std::string::npos)
            k.model = loadModel(file.c_str());
    }
    releaseResource(data);
}

int sceneryKindCount() { return catalogue.count; }

const SceneryKind* sceneryKindAt(int i) { return i >= 0 && i < catalogue.count ? &catalogue.kinds[i] : nullptr; }

const SceneryKind* findSceneryKind(const char* name) {
    if (!name) return nullptr;
    for (int i = catalogue.count - 1; i >= 0; --i)
        if (std::strcmp(catalogue.kinds[i].name, name) == 0) return &catalogue.kinds[i];
    return nullptr;
}

void resetSceneryCatalogue() { catalogue.count = 0; }

} // namespace aw

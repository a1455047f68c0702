#include "svg.h"

#include "painters.h"

#include <librsvg/rsvg.h>

#include <cstdio>
#include <string>

namespace art {

namespace {

std::string gSourceDir = AW_ART_SOURCE_DIR;

}  // namespace

const char* artSourceDir() { return gSourceDir.c_str(); }
void setArtSourceDir(const char* dir) { gSourceDir = dir; }

Image renderSvgFile(const std::string& name, int w, int h) {
    std::string path = gSourceDir + "/" + name;
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(path.c_str(), &error);
    if (!handle) {
        std::fprintf(stderr, "amberwick-art: cannot read %s: %s\n", path.c_str(), error ? error->message : "?");
        if (error) g_error_free(error);
        return {};
    }
    Canvas canvas(w, h);
    RsvgRectangle viewport{0, 0, double(w), double(h)};
    bool ok = rsvg_handle_render_document(handle, canvas.cr(), &viewport, &error);
    if (!ok) {
        std::fprintf(stderr, "amberwick-art: cannot render %s: %s\n", path.c_str(), error ? error->message : "?");
        if (error) g_error_free(error);
    }
    g_object_unref(handle);
    return ok ? canvas.image() : Image{};
}

}  // namespace art

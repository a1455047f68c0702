// amberwick-font FACE FALLBACK OUTDIR: renders OUTDIR/font.tga and OUTDIR/font.dat.
// FALLBACK supplies the few symbols the text face lacks (the credits jewel).
#include "font_atlas.h"
#include "tga_file.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace {

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: amberwick-font FACE FALLBACK OUTDIR\n";
        return 2;
    }
    aw::datagen::FontSources fonts;
    fonts.face = readBytes(argv[1]);
    fonts.fallback = readBytes(argv[2]);
    aw::datagen::FontAtlas atlas;
    std::string error;
    if (!aw::datagen::renderFontAtlas(fonts, atlas, error)) {
        std::cerr << argv[1] << ": " << error << "\n";
        return 1;
    }
    std::string dir = argv[3];
    using aw::datagen::kAtlasSize;
    if (!aw::datagen::writeBinaryFile(dir + "/font.tga", aw::datagen::encodeTga(kAtlasSize, kAtlasSize, atlas.rgba)) ||
        !aw::datagen::writeBinaryFile(dir + "/font.dat", aw::datagen::encodeFontDat(atlas))) {
        std::cerr << dir << ": cannot write the font\n";
        return 1;
    }
    return 0;
}

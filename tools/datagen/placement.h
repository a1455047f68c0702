// Where each file of the data set goes: on disk below Data, or into one of the
// three archives under the name the game requests it by. data/README.md states
// these rules in words; this is the one place that applies them.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace aw::datagen {

enum class Home { Disk, Targa, Jpeg, Texts };

struct Placement {
    Home home = Home::Disk;
    // Archive entry name: the request string ("aqua.tga", "field\field0.tga").
    // Empty for disk files.
    std::string entryName;
};

// relPath is Data-relative with '/' separators, e.g. "figures/aqua.tga".
Placement placeFile(std::string_view relPath);

// The archive file of a home ("targa.dat", ...); empty for Disk.
const char* archiveName(Home home);

// The request name the texture manager tries first for a TGA request
// ("hammer.texture1.tga" -> "_a_hammer.jpg"), or empty when name is no TGA.
std::string alphaJpegSubstitute(std::string_view requestName);

// Problems with a whole set of Data-relative paths: two packed files under one
// entry name, an entry name over 63 characters, an "_a_" picture that would
// replace two different TGA requests, or one that exists while both
// hammer gauge pictures need their own TGA. Empty when the set is sound.
std::vector<std::string> checkDataSet(const std::vector<std::string>& relPaths);

} // namespace aw::datagen

// The one palette every picture draws from (see data/art/README.md).
#pragma once

#include "image.h"

namespace art::pal {

// Gold, from highlight to deepest shadow.
inline const Rgb goldLight = hex(0xFFE9A0);
inline const Rgb gold = hex(0xE8B443);
inline const Rgb goldMid = hex(0xC48A2C);
inline const Rgb goldDark = hex(0x7A4B14);
inline const Rgb goldDeep = hex(0x3E2408);

// Carved wood.
inline const Rgb woodLight = hex(0xA86E3A);
inline const Rgb wood = hex(0x74451F);
inline const Rgb woodDark = hex(0x432511);
inline const Rgb woodDeep = hex(0x25130A);

// Parchment.
inline const Rgb parchLight = hex(0xF8ECCB);
inline const Rgb parch = hex(0xE6CF9C);
inline const Rgb parchDark = hex(0xB8925A);

// Ink and outline.
inline const Rgb ink = hex(0x24140A);

// Jewels (the eight figures).
inline const Rgb aqua = hex(0x38D6CF);
inline const Rgb blue = hex(0x2F63D8);
inline const Rgb green = hex(0x2FB447);
inline const Rgb red = hex(0xD62A36);
inline const Rgb orange = hex(0xF2841E);
inline const Rgb lilac = hex(0xA865E6);
inline const Rgb white = hex(0xECEFF5);
inline const Rgb yellow = hex(0xF7D236);

// Landscape.
inline const Rgb skyTop = hex(0x4F86C6);
inline const Rgb skyLow = hex(0xF4D9A6);
inline const Rgb leaf = hex(0x4E7D2E);
inline const Rgb leafDark = hex(0x22401A);
inline const Rgb stone = hex(0x8C8272);
inline const Rgb water = hex(0x3B8FB0);

}  // namespace art::pal

// The town's colours: warm toy-box brights over soft pastels, shared by every picture so the
// town reads as one set.
#pragma once

#include "canvas.h"

namespace pal {
constexpr Rgba ink = hex(0x2B2233);   // outlines and dark lettering
constexpr Rgba white = hex(0xFFFDF6); // warm white
constexpr Rgba cream = hex(0xF6E7C1);
constexpr Rgba red = hex(0xE0403A);
constexpr Rgba darkRed = hex(0xA3262E);
constexpr Rgba orange = hex(0xF28C28);
constexpr Rgba yellow = hex(0xFFD23F);
constexpr Rgba gold = hex(0xE2A93B);
constexpr Rgba green = hex(0x4DAA57);
constexpr Rgba darkGreen = hex(0x2E7542);
constexpr Rgba leaf = hex(0x5DBB4C);
constexpr Rgba teal = hex(0x2BB3A8);
constexpr Rgba blue = hex(0x3A7BD5);
constexpr Rgba navy = hex(0x27406E);
constexpr Rgba purple = hex(0x7B4FB8);
constexpr Rgba pink = hex(0xF48FB1);
constexpr Rgba magenta = hex(0xE0457B);
constexpr Rgba brown = hex(0x8A5A36);
constexpr Rgba darkBrown = hex(0x5C3A24);
constexpr Rgba grey = hex(0x9AA0A6);
constexpr Rgba glassTop = hex(0xBFE8FA);
constexpr Rgba glassBottom = hex(0x5E9FD0);
// Cast shadows and shading: a dark violet tint at the given strength.
constexpr Rgba shadow(float alpha) {
    return hex(0x1B1420, alpha);
}
} // namespace pal

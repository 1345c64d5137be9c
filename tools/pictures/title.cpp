// The title's letter blocks: a bright toy-block face with a bevelled rim and one big capital,
// readable both on the 5-unit blocks in the title scene and in the flat title overlay, where the
// square picture is drawn 13.3 wide and 10 high.
#include "facade.h"
#include "painters.h"
#include "palette.h"
#include "text.h"

#include <cstring>
#include <string>

namespace {

Rgba blockColour(char letter) {
    static const char order[] = "PELGSOARVDUIN";
    static const Rgba colours[] = {pal::red,  pal::orange, pal::yellow,  pal::green,    pal::teal,
                                   pal::blue, pal::purple, pal::magenta, hex(0x2E9E5B), pal::orange,
                                   pal::red,  pal::blue,   pal::purple};
    const char* at = std::strchr(order, letter);
    return at ? colours[at - order] : pal::grey;
}

} // namespace

void paintLetter(Canvas& c, char letter) {
    Rgba face = blockColour(letter);
    constexpr double kRim = 0.25, kBevel = 1.0, kSize = 10.0;
    c.fillAll([](double, double) { return pal::ink; });
    double a = kRim, b = kSize - kRim, i0 = kRim + kBevel, i1 = kSize - kRim - kBevel;
    c.fill(polygon({{a, a}, {b, a}, {i1, i0}, {i0, i0}}), shade(face, 1.35f));
    c.fill(polygon({{a, a}, {i0, i0}, {i0, i1}, {a, b}}), shade(face, 1.2f));
    c.fill(polygon({{b, a}, {b, b}, {i1, i1}, {i1, i0}}), shade(face, 0.78f));
    c.fill(polygon({{a, b}, {i0, i1}, {i1, i1}, {b, b}}), shade(face, 0.65f));
    c.fill(rect(i0, i0, i1, i1), [&](double, double y) {
        return shade(face, float(1.08 - 0.14 * (y - i0) / (i1 - i0)));
    });
    std::string text(1, letter);
    Box box{i0 + 0.5, i0 + 0.7, i1 - 0.5, i1 - 0.7};
    TextStyle style{Face::Bookman, 9.0};
    Mask m = textInBox(c, style, text, box);
    double kx = c.pixelsPerUnitX(), ky = c.pixelsPerUnitY();
    c.fillMask(m.dilated(0.3 * kx, 0.3 * ky).shifted(int(0.3 * kx), int(0.35 * ky)),
               pal::shadow(0.45f));
    c.fillMask(m.dilated(0.28 * kx, 0.28 * ky), pal::ink);
    c.fillMask(m, pal::white);
}

// Helpers for the HUD's render tests: a pixel projection, solid textures,
// the raster position and counting pixels of a grabbed frame.
#pragma once

#include "tests/kit/kit.h"

#include <GL/gl.h>
#include <functional>
#include <vector>

namespace hudtest {

// Colours the checks look for.
namespace colours {
const kit::Rgb BLACK = {0, 0, 0};
const kit::Rgb BLUE = {0, 0, 255};
const kit::Rgb GREEN = {0, 255, 0};
const kit::Rgb WHITE = {255, 255, 255};
// Weight text: 0.9 grey.
const kit::Rgb LIGHT_GREY = {229, 229, 229};
// The panels' colour (0.8, 0.13, 0.32) at alpha 0.5 over blue.
const kit::Rgb PANEL_OVER_BLUE = {102, 17, 168};
} // namespace colours

// Clears the frame to `r, g, b` and sets a projection of window pixels, y
// down from the top as kit::Pixel counts, with nothing enabled.
void PixelSpace(float r = 0.0f, float g = 0.0f, float b = 0.0f);

// A blue frame in the state the scene pass leaves for the HUD: depth test
// on with GL_LEQUAL, colour white.
void BlueScene();

// A 1 x 1 texture of one colour, for telling pictures apart by their pixels.
GLuint SolidTexture(unsigned char r, unsigned char g, unsigned char b);

// The current raster position in window pixels, y up from the bottom.
struct Raster {
    float x, y;
    bool valid;
};
Raster RasterPosition();

// The back buffer, read once, in window pixels with y down from the top.
class Frame {
  public:
    static Frame Grab();
    kit::Rgb At(int x, int y) const;
    // Pixels in [x0, x1) x [y0, y1) for which `test` holds.
    int Count(int x0, int y0, int x1, int y1, const std::function<bool(kit::Rgb)>& test) const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned char> rgb_;
};

// The title overlay's letter pictures: slot and top-left corner in HUD units.
struct OverlayLetter {
    int slot;
    float x, y;
};
extern const OverlayLetter OVERLAY_LETTERS[20];

// A colour of its own for each letter slot 36..48.
kit::Rgb SlotColour(int slot);
// Replaces the letter pictures by solid colours, so that the overlay's
// pictures can be told apart by their pixels.
void PaintLetterSlots();
// How many overlay letters show their picture's colour over the whole quad:
// at the centre and near each corner (a letter block of the scene may share a
// colour at one point, not over all five).
int OverlayLettersShown();

bool Same(kit::Rgb a, kit::Rgb b, int tolerance = 2);
bool Is(kit::Rgb a, kit::Rgb b);
// The HUD's x and y (133 x 100 over the 640 x 480 window) in pixels.
int HudX(float x);
int HudY(float y);

} // namespace hudtest

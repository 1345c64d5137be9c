#include "shell/main.h"

#include "tests/hud/draw_kit.h"

#include "ground/CTextureMgr.h"

#include <cmath>
#include <cstdlib>

namespace hudtest {

void PixelSpace(float r, float g, float b) {
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, Main.WindowWidth, Main.WindowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, Main.WindowWidth, Main.WindowHeight, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_LIGHTING);
}

void BlueScene() {
    PixelSpace(0.0f, 0.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glColor3f(1.0f, 1.0f, 1.0f);
}

GLuint SolidTexture(unsigned char r, unsigned char g, unsigned char b) {
    const unsigned char texel[4] = {r, g, b, 255};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

Raster RasterPosition() {
    GLfloat position[4] = {};
    GLint valid = 0;
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    glGetIntegerv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    return {position[0], position[1], valid != 0};
}

Frame Frame::Grab() {
    Frame frame;
    frame.width_ = Main.WindowWidth;
    frame.height_ = Main.WindowHeight;
    frame.rgb_.resize(static_cast<size_t>(frame.width_) * frame.height_ * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, frame.width_, frame.height_, GL_RGB, GL_UNSIGNED_BYTE, frame.rgb_.data());
    return frame;
}

kit::Rgb Frame::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return {-1, -1, -1};
    const size_t at = (static_cast<size_t>(height_ - 1 - y) * width_ + x) * 3;
    return {rgb_[at], rgb_[at + 1], rgb_[at + 2]};
}

int Frame::Count(int x0, int y0, int x1, int y1, const std::function<bool(kit::Rgb)>& test) const {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (x >= 0 && y >= 0 && x < width_ && y < height_ && test(At(x, y)))
                ++count;
    return count;
}

const OverlayLetter OVERLAY_LETTERS[20] = {
    {44, 0.0f, 3.0f},   {37, 13.3f, 3.0f},  {40, 26.6f, 3.0f},  {38, 39.9f, 3.0f},
    {45, 53.2f, 3.0f},  {46, 66.5f, 3.0f},  {43, 79.8f, 3.0f},  {47, 93.1f, 3.0f},
    {42, 106.4f, 3.0f}, {48, 119.7f, 3.0f}, {42, 53.2f, 15.0f}, {43, 66.4f, 15.0f},
    {36, 13.3f, 27.0f}, {37, 26.6f, 27.0f}, {38, 39.9f, 27.0f}, {37, 53.2f, 27.0f},
    {39, 66.5f, 27.0f}, {37, 79.8f, 27.0f}, {40, 93.1f, 27.0f}, {41, 106.4f, 27.0f}};

kit::Rgb SlotColour(int slot) {
    const int i = slot - 36;
    return {40 + 15 * i, 250 - 13 * i, (i % 2) ? 30 : 200};
}

void PaintLetterSlots() {
    for (int slot = 36; slot <= 48; ++slot) {
        const kit::Rgb c = SlotColour(slot);
        TextureMgr->Textures[slot] =
            SolidTexture(static_cast<unsigned char>(c.r), static_cast<unsigned char>(c.g),
                         static_cast<unsigned char>(c.b));
    }
}

int OverlayLettersShown() {
    const Frame frame = Frame::Grab();
    const float inside[5][2] = {
        {0.5f, 0.5f}, {0.15f, 0.15f}, {0.85f, 0.15f}, {0.15f, 0.85f}, {0.85f, 0.85f}};
    int shown = 0;
    for (const OverlayLetter& letter : OVERLAY_LETTERS) {
        bool all = true;
        for (const auto& at : inside) {
            const kit::Rgb c =
                frame.At(HudX(letter.x + 13.3f * at[0]), HudY(letter.y + 10.0f * at[1]));
            all = all && Same(c, SlotColour(letter.slot));
        }
        shown += all;
    }
    return shown;
}

bool Same(kit::Rgb a, kit::Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

bool Is(kit::Rgb a, kit::Rgb b) {
    return Same(a, b, 0);
}

int HudX(float x) {
    return static_cast<int>(std::floor(x * Main.WindowWidth / 133.0f));
}
int HudY(float y) {
    return static_cast<int>(std::floor(y * Main.WindowHeight / 100.0f));
}

} // namespace hudtest

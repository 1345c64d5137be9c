#include "tests/kit/kit.h"

#include "platform/seam.h"
#include "shell/main.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace kit {

FakeClock::FakeClock(uint32_t start, uint32_t step) : now_(start), step_(step) {
    seam::SetTickSource([this] {
        const uint32_t t = now_;
        now_ += step_;
        return t;
    });
}

FakeClock::~FakeClock() { seam::SetTickSource(nullptr); }

GameRun::GameRun() {
    answer = [](const Box& box) { return (box.style & 0xF) == MB_YESNO ? IDNO : IDOK; };
}

int GameRun::Run() {
    seam::SetMessageBoxAnswerer(
        [this](const std::string& text, const std::string& caption, unsigned style) {
            boxes.push_back({text, caption, style});
            return answer(boxes.back());
        });
    seam::SetFrameHook([this] {
        ++frames;
        if (onFrame && !onFrame(frames))
            PostQuitMessage(0);
    });
    const int result = WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, 0);
    seam::SetFrameHook(nullptr);
    seam::SetMessageBoxAnswerer(nullptr);
    return result;
}

void FeedKeys(std::initializer_list<uint8_t> down) {
    seam::SetKeyFeed(true);
    seam::ReleaseAllKeys();
    for (uint8_t key : down)
        seam::SetKey(key, true);
}

Rgb Pixel(int x, int y) {
    unsigned char rgb[3] = {0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, Main.WindowHeight - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

void SaveFrame(const std::string& path) {
    const int w = Main.WindowWidth, h = Main.WindowHeight;
    std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    std::fprintf(f, "P6\n%d %d\n255\n", w, h);
    for (int row = h - 1; row >= 0; --row)
        std::fwrite(&rgb[static_cast<size_t>(row) * w * 3], 1, static_cast<size_t>(w) * 3, f);
    std::fclose(f);
}

std::string SourceDir() {
    const char* dir = std::getenv("PELEGESO_SOURCE_DIR");
    return dir ? dir : ".";
}

std::string TempDir() {
    char pattern[] = "/tmp/pelegeso-test-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (!dir)
        throw std::runtime_error("mkdtemp failed");
    return dir;
}

} // namespace kit

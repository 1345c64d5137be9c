// Before any GL header: the platform header defines the calling-convention macros.
#include "shell/main.h"

#include "tests/perf/frame_pair.h"

#include "ground/ground.h"
#include "tests/perf/world_snapshot.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstring>

namespace perf {

FrameImage ReadFrame() {
    FrameImage image;
    image.width = Main.WindowWidth;
    image.height = Main.WindowHeight;
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.rgb.data());
    return image;
}

GlState ReadGlState() {
    static const GLenum CAPS[] = {GL_TEXTURE_2D,  GL_BLEND,        GL_ALPHA_TEST,
                                  GL_LIGHTING,    GL_LIGHT1,       GL_DEPTH_TEST,
                                  GL_CULL_FACE,   GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY,
                                  GL_NORMAL_ARRAY};
    static_assert(sizeof CAPS / sizeof CAPS[0] == sizeof GlState{}.enabled, "one flag a cap");
    GlState state{};
    for (size_t i = 0; i < sizeof CAPS / sizeof CAPS[0]; ++i)
        state.enabled[i] = glIsEnabled(CAPS[i]);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &state.texture);
    glGetIntegerv(GL_MATRIX_MODE, &state.matrixMode);
    glGetFloatv(GL_MODELVIEW_MATRIX, state.modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, state.projection);
    return state;
}

bool GlState::operator==(const GlState& other) const {
    return std::memcmp(this, &other, sizeof other) == 0;
}

PairResult RenderBothWays() {
    static WorldSnapshot before;
    before.Take();
    PairResult result;
    LiteralDrawing = true;
    Main.Render();
    result.literal = ReadFrame();
    result.literalState = ReadGlState();
    before.Restore();
    LiteralDrawing = false;
    Main.Render();
    result.fast = ReadFrame();
    result.fastState = ReadGlState();
    const int w = result.fast.width;
    for (size_t i = 0; i < result.fast.rgb.size(); i += 3) {
        if (result.fast.rgb[i] == result.literal.rgb[i] &&
            result.fast.rgb[i + 1] == result.literal.rgb[i + 1] &&
            result.fast.rgb[i + 2] == result.literal.rgb[i + 2])
            continue;
        if (result.differing++ == 0) {
            const int pixel = static_cast<int>(i / 3);
            result.firstX = pixel % w;
            result.firstY = result.fast.height - 1 - pixel / w;
        }
    }
    return result;
}

void SavePpm(const FrameImage& image, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    std::fprintf(f, "P6\n%d %d\n255\n", image.width, image.height);
    const size_t row = static_cast<size_t>(image.width) * 3;
    for (int y = image.height - 1; y >= 0; --y)
        std::fwrite(&image.rgb[static_cast<size_t>(y) * row], 1, row, f);
    std::fclose(f);
}

} // namespace perf

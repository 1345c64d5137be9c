// Bitmap fonts built from the system's fonts and printed as display lists,
// checked on real frames inside the running game.
#include "hud/CFontsMgr.h"
#include "platform/seam.h"
#include "platform/win32/fonts.h"
#include "shell/main.h"
#include "tests/hud/draw_kit.h"
#include "tests/kit/kit.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

using hudtest::Frame;
using hudtest::PixelSpace;
using hudtest::RasterPosition;

bool Lit(kit::Rgb c) {
    return c.r > 0 || c.g > 0 || c.b > 0;
}

// Runs the game to its first frame and runs `check` there, with the fonts made.
void OnFirstFrame(const std::function<void()>& check) {
    kit::GameRun run;
    run.onFrame = [&](int) {
        check();
        return false;
    };
    run.Run();
    ASSERT_EQ(run.frames, 1);
}

// Where the raster position ends after printing `text` from (x, y).
float EndOfText(unsigned int base, const char* text, float x = 10.0f, float y = 100.0f) {
    glRasterPos2f(x, y);
    FontsMgr->PrintString(base, text);
    return RasterPosition().x;
}

TEST(Fonts, StartUpMakesThreeFilledBlocks) {
    OnFirstFrame([] {
        for (int n = 0; n < 3; ++n) {
            const unsigned int base = FontsMgr->GetlistBase(n);
            EXPECT_NE(base, 0u) << n;
            EXPECT_EQ(base, FontsMgr->listBase[n]);
            EXPECT_TRUE(glIsList(base) && glIsList(base + 95)) << n;
        }
        EXPECT_NE(FontsMgr->GetlistBase(0), FontsMgr->GetlistBase(1));
        EXPECT_NE(FontsMgr->GetlistBase(1), FontsMgr->GetlistBase(2));
    });
}

TEST(Fonts, GlyphsAppearAtTheRasterPositionInTheLatchedColour) {
    OnFirstFrame([] {
        PixelSpace();
        glColor3f(1.0f, 0.0f, 0.0f);
        glRasterPos2f(100.0f, 200.0f);
        // A colour set after the raster position does not reach the text.
        glColor3f(0.0f, 1.0f, 0.0f);
        FontsMgr->PrintString(FontsMgr->GetlistBase(0), "W");
        const Frame frame = Frame::Grab();
        const int inBox = frame.Count(98, 200 - 35, 150, 200 + 12, Lit);
        EXPECT_GT(inBox, 60);
        EXPECT_EQ(frame.Count(0, 0, 640, 480, Lit), inBox) << "glyph pixels outside its cell";
        EXPECT_EQ(frame.Count(0, 0, 640, 480, [](kit::Rgb c) { return c.r == 255 && !c.g; }),
                  inBox);
        // The glyph sits on the baseline: most of it above, nothing far below.
        EXPECT_GT(frame.Count(98, 200 - 35, 150, 200, Lit), inBox * 3 / 4);
    });
}

TEST(Fonts, NothingToPrintLeavesTheRasterPositionAndTheFrame) {
    OnFirstFrame([] {
        PixelSpace();
        glColor3f(1.0f, 1.0f, 1.0f);
        const unsigned int base = FontsMgr->GetlistBase(0);
        struct Case {
            unsigned int base;
            const char* text;
        } cases[] = {{0, "Weight: "}, {base, nullptr}, {base, ""}, {base, "\x01\x1f\x80\xff"}};
        for (const Case& c : cases) {
            glRasterPos2f(50.0f, 100.0f);
            const hudtest::Raster before = RasterPosition();
            FontsMgr->PrintString(c.base, c.text);
            const hudtest::Raster after = RasterPosition();
            EXPECT_EQ(after.x, before.x);
            EXPECT_EQ(after.y, before.y);
            EXPECT_TRUE(after.valid);
        }
        EXPECT_EQ(Frame::Grab().Count(0, 0, 640, 480, Lit), 0);
    });
}

TEST(Fonts, BytesOutsideTheBlockAreSkippedInEveryFont) {
    OnFirstFrame([] {
        PixelSpace();
        for (int n = 0; n < 3; ++n) {
            const unsigned int base = FontsMgr->GetlistBase(n);
            // Bytes below 32 and above 127 would reach the neighbouring fonts' lists.
            EXPECT_EQ(EndOfText(base, "A\x01\x1f"
                                      "B\x80\xff"),
                      EndOfText(base, "AB"))
                << n;
        }
    });
}

TEST(Fonts, PrintStringRestoresTheListBase) {
    OnFirstFrame([] {
        glListBase(1234);
        FontsMgr->PrintString(FontsMgr->GetlistBase(1), "Bakery");
        GLint listBase = 0;
        glGetIntegerv(GL_LIST_BASE, &listBase);
        EXPECT_EQ(listBase, 1234);
    });
}

TEST(Fonts, TwoStringsContinueOnOneLine) {
    OnFirstFrame([] {
        PixelSpace();
        const unsigned int base = FontsMgr->GetlistBase(0);
        glRasterPos2f(10.0f, 100.0f);
        FontsMgr->PrintString(base, "Weight: ");
        const hudtest::Raster afterLabel = RasterPosition();
        FontsMgr->PrintString(base, "0.");
        const hudtest::Raster afterBoth = RasterPosition();
        EXPECT_GT(afterLabel.x, EndOfText(base, "Weight:") + 3.0f) << "a space advances";
        EXPECT_EQ(afterBoth.y, afterLabel.y);
        EXPECT_FLOAT_EQ(afterBoth.x, EndOfText(base, "Weight: 0."));
    });
}

TEST(Fonts, SizesFollowTheCellHeight) {
    OnFirstFrame([] {
        const int cells[3] = {35, 23, 12};
        float widths[3] = {};
        for (int n = 0; n < 3; ++n) {
            PixelSpace();
            glColor3f(1.0f, 1.0f, 1.0f);
            widths[n] = EndOfText(FontsMgr->GetlistBase(n), "Weight: gjpqy|()[]", 10.0f, 200.0f);
            const Frame frame = Frame::Grab();
            int top = 480, bottom = -1;
            for (int y = 0; y < 480; ++y) {
                if (frame.Count(0, y, 640, y + 1, Lit)) {
                    top = std::min(top, y);
                    bottom = y;
                }
            }
            const int height = bottom - top + 1;
            EXPECT_LE(height, cells[n] + 1) << "font " << n;
            EXPECT_GE(height, cells[n] * 6 / 10) << "font " << n;
        }
        EXPECT_GT(widths[0], widths[1]);
        EXPECT_GT(widths[1], widths[2]);
    });
}

TEST(Fonts, AFailedFontHasBaseZeroAndTheOthersStillWork) {
    seam::FailNextCall("CreateFontA");
    OnFirstFrame([] {
        EXPECT_EQ(FontsMgr->GetlistBase(0), 0u);
        EXPECT_NE(FontsMgr->GetlistBase(1), 0u);
        EXPECT_NE(FontsMgr->GetlistBase(2), 0u);
    });
}

TEST(Fonts, WithNoFontInstalledEveryBaseIsZero) {
    // A fontconfig set-up that knows no font directory at all.
    const std::string dir = kit::TempDir();
    const std::string conf = dir + "/fonts.conf";
    std::ofstream(conf) << "<?xml version=\"1.0\"?><fontconfig><cachedir>" << dir
                        << "</cachedir></fontconfig>\n";
    setenv("FONTCONFIG_FILE", conf.c_str(), 1);
    OnFirstFrame([] {
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(FontsMgr->GetlistBase(n), 0u);
    });
}

// True when fontconfig knows a face of exactly this family.
bool Installed(const char* family) {
    const std::string command = std::string("fc-list '") + family + "' family";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    char line[256];
    const bool any = std::fgets(line, sizeof line, pipe) != nullptr;
    pclose(pipe);
    return any;
}

// The pixels of `text` printed with a font made here from `face`.
std::vector<int> Picture(const char* face, int height, const char* text) {
    const unsigned int base = glGenLists(96);
    HFONT font = CreateFontA(height, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_TT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0, face);
    EXPECT_NE(font, nullptr) << face;
    SelectObject(Main.GetHDC(), font);
    EXPECT_TRUE(wglUseFontBitmapsA(Main.GetHDC(), 32, 96, base));
    PixelSpace();
    glColor3f(1.0f, 1.0f, 1.0f);
    EndOfText(base, text, 10.0f, 200.0f);
    const Frame frame = Frame::Grab();
    std::vector<int> lit;
    for (int y = 120; y < 260; ++y)
        for (int x = 0; x < 640; ++x)
            lit.push_back(Lit(frame.At(x, y)));
    return lit;
}

TEST(FontLayer, AMissingFaceFallsBackToTheChanceryLookAlike) {
    if (Installed("Monotype Corsiva") || !Installed("Z003"))
        GTEST_SKIP() << "needs Z003 installed and Monotype Corsiva missing";
    OnFirstFrame([] {
        const std::vector<int> asked = Picture("Monotype Corsiva", 35, "Pelegeso");
        EXPECT_EQ(asked, Picture("Z003", 35, "Pelegeso"));
        EXPECT_NE(asked, Picture("DejaVu Sans", 35, "Pelegeso"));
        // A face nobody has still gives a font.
        EXPECT_EQ(asked, Picture("No Such Face At All", 35, "Pelegeso"));
    });
}

TEST(FontLayer, ANegativeHeightIsTheEmAndLargerThanTheCell) {
    OnFirstFrame([] {
        auto count = [](const std::vector<int>& lit) {
            int n = 0;
            for (int v : lit)
                n += v;
            return n;
        };
        EXPECT_GT(count(Picture("DejaVu Serif", -30, "Mg")),
                  count(Picture("DejaVu Serif", 30, "Mg")));
    });
}

TEST(FontLayer, SelectAndBuildNeedADeviceContextAndAFont) {
    OnFirstFrame([] {
        HFONT font = CreateFontA(20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_TT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 0, "DejaVu Sans");
        ASSERT_NE(font, nullptr);
        HGDIOBJ previous = SelectObject(Main.GetHDC(), font);
        EXPECT_NE(previous, nullptr) << "the game's last font was selected";
        EXPECT_EQ(SelectObject(Main.GetHDC(), previous), font);
        EXPECT_EQ(SelectObject(nullptr, font), nullptr);
        EXPECT_FALSE(wglUseFontBitmapsA(nullptr, 32, 96, glGenLists(96)));
        seam::FailNextCall("wglUseFontBitmapsA");
        const unsigned int base = glGenLists(96);
        EXPECT_FALSE(wglUseFontBitmapsA(Main.GetHDC(), 32, 96, base));
    });
}

} // namespace

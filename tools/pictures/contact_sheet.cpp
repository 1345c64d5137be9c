// contact_sheet <Data dir> <out.png>: one overview picture of every picture of the catalogue,
// each shown at its intended proportions over a checkerboard (so transparency shows) with its
// file name, followed by a patch of ground tiles laid side by side to show how they join and the
// title lettering as the title overlay shows it (letter pictures 13.3 wide, 10 high).
#include "catalogue.h"
#include "png_io.h"
#include "text.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kCellW = 232, kCellH = 200, kPicMax = 170, kColumns = 8, kTile = 96;

// Draws an image scaled into a box with bilinear sampling, over what is there.
void blit(Canvas& sheet, const Image& im, int x0, int y0, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double u = (x + 0.5) * im.width / w - 0.5, v = (y + 0.5) * im.height / h - 0.5;
            int iu = std::clamp(int(u), 0, im.width - 1), iv = std::clamp(int(v), 0, im.height - 1);
            int ju = std::min(iu + 1, im.width - 1), jv = std::min(iv + 1, im.height - 1);
            double fu = std::clamp(u - iu, 0.0, 1.0), fv = std::clamp(v - iv, 0.0, 1.0);
            float px[4] = {0, 0, 0, 0};
            for (int k = 0; k < 4; ++k) {
                double top = im.at(iu, iv)[k] * (1 - fu) + im.at(ju, iv)[k] * fu;
                double low = im.at(iu, jv)[k] * (1 - fu) + im.at(ju, jv)[k] * fu;
                px[k] = float((top * (1 - fv) + low * fv) / 255.0);
            }
            Rgba& d = sheet.pixel(x0 + x, y0 + y);
            float a = px[3];
            d = {px[0] * a + d.r * (1 - a), px[1] * a + d.g * (1 - a), px[2] * a + d.b * (1 - a),
                 1.0f};
        }
}

void checker(Canvas& sheet, int x0, int y0, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool dark = ((x / 8) + (y / 8)) % 2;
            sheet.pixel(x0 + x, y0 + y) = dark ? hex(0xC8CCD2) : hex(0xE8EBEF);
        }
}

// The ground patch: rows of tile names, laid out as the town would lay them.
const std::vector<std::vector<const char*>>& patch() {
    static const std::vector<std::vector<const char*>> rows = {
        {"Grass", "Path", "Flowers", "Sidewalk", "road", "roadMiddle", "road", "Sidewalk"},
        {"Grass", "PathTR", "PathHor", "Sidewalk", "road", "roadMiddle", "road", "Sidewalk"},
        {"Flowers", "Grass", "Grass", "Sidewalk", "road", "road", "road", "Sidewalk"},
        {"road", "road", "road", "road", "road", "road", "road", "road"},
        {"roadMiddle2", "roadMiddle2", "roadMiddle2", "roadMiddle2", "road", "road", "road",
         "roadMiddle2"},
        {"road", "road", "road", "road", "road", "road", "road", "road"},
    };
    return rows;
}

// The title overlay's three rows, with the horizontal offset of each row in letter widths.
const std::vector<std::pair<const char*, int>>& titleRows() {
    static const std::vector<std::pair<const char*, int>> rows = {
        {"vesldurian", 0}, {"ar", 4}, {"pelegeso", 1}};
    return rows;
}

constexpr int kLetterW = 53, kLetterH = 40;

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <Data dir> <out.png>\n", argv[0]);
        return 2;
    }
    std::string root = argv[1];
    const auto& pics = catalogue();
    int rows = int((pics.size() + kColumns - 1) / kColumns);
    int patchH = int(patch().size()) * kTile;
    int width = kColumns * kCellW, height = rows * kCellH + patchH + 40;
    int titleX = 8 + int(patch()[0].size()) * kTile + 40;
    Canvas sheet(width, height, width, height);
    sheet.fillAll([](double, double) { return hex(0x30343B); });
    std::map<std::string, Image> tiles;
    int missing = 0;
    for (size_t i = 0; i < pics.size(); ++i) {
        const Picture& p = pics[i];
        int cx = int(i % kColumns) * kCellW, cy = int(i / kColumns) * kCellH;
        std::string name = p.path;
        name = name.substr(name.find('/') + 1);
        Image im;
        if (!readPng(root + "/" + p.path, im)) {
            ++missing;
            name += " (missing)";
        } else {
            double aspect = p.unitsWide / p.unitsHigh;
            int w = aspect >= 1 ? kPicMax : int(kPicMax * aspect);
            int h = aspect >= 1 ? int(kPicMax / aspect) : kPicMax;
            int x0 = cx + (kCellW - w) / 2, y0 = cy + 6 + (kPicMax - h) / 2;
            checker(sheet, x0, y0, w, h);
            blit(sheet, im, x0, y0, w, h);
            if (name.rfind("Map/", 0) == 0)
                tiles[name.substr(4, name.size() - 8)] = im;
            if (name.rfind("Title/", 0) == 0)
                tiles[name.substr(6, 1)] = im;
        }
        sheet.fillMask(textMask(sheet, {Face::Sans, 12}, cx + 8, cy + kCellH - 10, name),
                       hex(0xF0F0F0));
    }
    int py = rows * kCellH + 30;
    for (size_t r = 0; r < patch().size(); ++r)
        for (size_t k = 0; k < patch()[r].size(); ++k) {
            auto it = tiles.find(patch()[r][k]);
            if (it != tiles.end())
                blit(sheet, it->second, 8 + int(k) * kTile, py + int(r) * kTile, kTile, kTile);
        }
    for (size_t r = 0; r < titleRows().size(); ++r) {
        const auto& [letters, offset] = titleRows()[r];
        for (int k = 0; letters[k]; ++k) {
            auto it = tiles.find(std::string(1, letters[k]));
            if (it != tiles.end())
                blit(sheet, it->second, titleX + (offset + k) * kLetterW,
                     py + int(r) * (kLetterH + 8), kLetterW, kLetterH);
        }
    }
    if (!writePng(argv[2], width, height, false, sheet.bytes(false))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("contact sheet of %zu pictures (%d missing) written to %s\n", pics.size(), missing,
                argv[2]);
    return missing == 0 ? 0 : 1;
}

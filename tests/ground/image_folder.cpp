#include "tests/ground/image_folder.h"

#include "tests/ground/png_writer.h"

#include <sys/stat.h>

namespace {

const char* const kPaths[] = {
    "Map/Grass.png",
    "Pelegeso/earth.png",
    "Pelegeso/vorlux.png",
    "Buildings/Bakery_Front.png",
    "Buildings/Drug_Front.png",
    "Buildings/Hotel_Front.png",
    "Buildings/Pizza_Front.png",
    "Buildings/Police_Front.png",
    "Buildings/Building_Front.png",
    "Buildings/Building_Front2.png",
    "Buildings/Game_Front.png",
    "Buildings/Building_Side.png",
    "Buildings/Building_Side2.png",
    "Buildings/Game_Side.png",
    "Objects/Bush.png",
    "Objects/Bush2.png",
    "Objects/Fence.png",
    "Objects/Garbage.png",
    "Objects/Sign.png",
    "Objects/Sign2.png",
    "Objects/Sign3.png",
    "Objects/Sign4.png",
    "Objects/TownFlag.png",
    "Objects/Tree.png",
    "Objects/Fence2.png",
    "Objects/Fence3.png",
    "Objects/Fence4.png",
    "Buildings/Building_Side3.png",
    "Buildings/Hospital_Front.png",
    "Buildings/Hospital_Back.png",
    "Buildings/Hospital_Side.png",
    "Buildings/Building_Side4.png",
    "Objects/SmallBush.png",
    "Buildings/Burger.png",
    "Buildings/Burger_Back.png",
    "Buildings/Burger_Side.png",
    "Title/p.png",
    "Title/e.png",
    "Title/l.png",
    "Title/g.png",
    "Title/s.png",
    "Title/o.png",
    "Title/a.png",
    "Title/r.png",
    "Title/v.png",
    "Title/d.png",
    "Title/u.png",
    "Title/i.png",
    "Title/n.png",
    "Map/Flowers.png",
    "Map/Path.png",
    "Map/road.png",
    "Map/roadMiddle.png",
    "Map/Sidewalk.png",
    "Map/roadMiddle2.png",
    "Map/PathTR.png",
    "Map/PathHor.png",
};

} // namespace

std::vector<ImageFile> CatalogueImages() {
    std::vector<ImageFile> images;
    int i = 0;
    for (const char* path : kPaths) {
        images.push_back({path, {4 * i + 8, 250 - 4 * i, (i * 37) % 256}});
        ++i;
    }
    return images;
}

std::vector<ImageFile> MapTileImages() {
    std::vector<ImageFile> tiles;
    for (const ImageFile& image : CatalogueImages())
        if (image.path.rfind("Map/", 0) == 0)
            tiles.push_back(image);
    return tiles;
}

bool WriteImages(const std::string& root, const std::vector<ImageFile>& images) {
    const std::string base = root + "/Data/Images/";
    mkdir((root + "/Data").c_str(), 0755);
    mkdir(base.c_str(), 0755);
    bool ok = true;
    for (const ImageFile& image : images) {
        const std::string folder = base + image.path.substr(0, image.path.find('/'));
        mkdir(folder.c_str(), 0755);
        const auto& c = image.colour;
        ok = ok && WritePng(base + image.path,
                            SolidRgb(2, 2, static_cast<uint8_t>(c[0]), static_cast<uint8_t>(c[1]),
                                     static_cast<uint8_t>(c[2])));
    }
    return ok;
}

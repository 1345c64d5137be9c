#include "catalogue.h"

#include "painters.h"

namespace {

// Pixel sizes are powers of two; the design units give each picture's intended proportions,
// which the town's props should roughly keep (walls 3:2, fences 10:3, trees 7:13 ...).
// Lettering on a flat prop reads the right way round from +z for a prop flat along x, and from
// -x for a prop flat along z; a box shows it the right way round on every upright face.
constexpr int kTilePx = 256;
constexpr double kTileUnits = 10.0;
constexpr double kWallW = 36.0, kWallH = 24.0;

Picture tile(const char* path, void (*paint)(Canvas&)) {
    return {path, kTilePx, kTilePx, kTileUnits, kTileUnits, Kind::Opaque, paint};
}

Picture wall(const char* path, void (*paint)(Canvas&)) {
    return {path, 512, 512, kWallW, kWallH, Kind::Opaque, paint};
}

Picture prop(const char* path, int w, int h, double uw, double uh, void (*paint)(Canvas&)) {
    return {path, w, h, uw, uh, Kind::SeeThrough, paint};
}

Picture letter(const char* path, char ch) {
    return {path, 256, 256, 10.0, 10.0, Kind::Opaque, [ch](Canvas& c) { paintLetter(c, ch); }};
}

std::vector<Picture> build() {
    return {
        tile("Images/Map/Grass.png", paintGrass),
        tile("Images/Map/Flowers.png", paintFlowers),
        tile("Images/Map/Path.png", paintPath),
        tile("Images/Map/road.png", paintRoad),
        tile("Images/Map/roadMiddle.png", paintRoadMiddle),
        tile("Images/Map/Sidewalk.png", paintSidewalk),
        tile("Images/Map/roadMiddle2.png", paintRoadMiddle2),
        tile("Images/Map/PathTR.png", paintPathTR),
        tile("Images/Map/PathHor.png", paintPathHor),
        {"Images/Pelegeso/earth.png", 512, 256, 360.0, 180.0, Kind::Opaque, paintEarth},
        {"Images/Pelegeso/vorlux.png", 512, 256, 360.0, 180.0, Kind::Opaque, paintVorlux},
        wall("Images/Buildings/Bakery_Front.png", paintBakeryFront),
        wall("Images/Buildings/Drug_Front.png", paintDrugFront),
        wall("Images/Buildings/Hotel_Front.png", paintHotelFront),
        wall("Images/Buildings/Pizza_Front.png", paintPizzaFront),
        wall("Images/Buildings/Police_Front.png", paintPoliceFront),
        wall("Images/Buildings/Building_Front.png", paintBuildingFront),
        wall("Images/Buildings/Building_Front2.png", paintBuildingFront2),
        wall("Images/Buildings/Game_Front.png", paintGameFront),
        wall("Images/Buildings/Building_Side.png", paintBuildingSide),
        wall("Images/Buildings/Building_Side2.png", paintBuildingSide2),
        wall("Images/Buildings/Game_Side.png", paintGameSide),
        wall("Images/Buildings/Building_Side3.png", paintBuildingSide3),
        wall("Images/Buildings/Hospital_Front.png", paintHospitalFront),
        wall("Images/Buildings/Hospital_Back.png", paintHospitalBack),
        wall("Images/Buildings/Hospital_Side.png", paintHospitalSide),
        wall("Images/Buildings/Building_Side4.png", paintBuildingSide4),
        wall("Images/Buildings/Burger.png", paintBurgerFront),
        wall("Images/Buildings/Burger_Back.png", paintBurgerBack),
        wall("Images/Buildings/Burger_Side.png", paintBurgerSide),
        prop("Images/Objects/Bush.png", 128, 128, 4, 4, paintBush),
        prop("Images/Objects/Bush2.png", 256, 128, 7, 4, paintBigBush),
        prop("Images/Objects/SmallBush.png", 128, 128, 3, 2.4, paintSmallBush),
        prop("Images/Objects/Tree.png", 256, 512, 7, 13, paintTree),
        prop("Images/Objects/Fence.png", 256, 64, 10, 3, paintFence),
        prop("Images/Objects/Fence2.png", 256, 64, 10, 3, paintFence2),
        prop("Images/Objects/Fence3.png", 256, 64, 10, 3, paintFence3),
        prop("Images/Objects/Fence4.png", 256, 64, 10, 3, paintFence4),
        prop("Images/Objects/Garbage.png", 128, 128, 3, 3, paintGarbage),
        prop("Images/Objects/Sign.png", 256, 256, 6, 6, paintHotelSign),
        prop("Images/Objects/Sign2.png", 512, 256, 14, 7, paintBigSign),
        prop("Images/Objects/Sign3.png", 256, 256, 7, 7, paintMayorSign),
        prop("Images/Objects/Sign4.png", 128, 128, 3, 3, paintSmallSign),
        prop("Images/Objects/TownFlag.png", 256, 512, 7, 12, paintTownFlag),
        letter("Images/Title/p.png", 'P'),
        letter("Images/Title/e.png", 'E'),
        letter("Images/Title/l.png", 'L'),
        letter("Images/Title/g.png", 'G'),
        letter("Images/Title/s.png", 'S'),
        letter("Images/Title/o.png", 'O'),
        letter("Images/Title/a.png", 'A'),
        letter("Images/Title/r.png", 'R'),
        letter("Images/Title/v.png", 'V'),
        letter("Images/Title/d.png", 'D'),
        letter("Images/Title/u.png", 'U'),
        letter("Images/Title/i.png", 'I'),
        letter("Images/Title/n.png", 'N'),
    };
}

} // namespace

const std::vector<Picture>& catalogue() {
    static const std::vector<Picture> pictures = build();
    return pictures;
}

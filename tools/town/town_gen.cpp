// Writes the shipped town: town_gen <output folder>, giving MapTex.txt and
// Map.txt in that folder (Data/Map in the source tree).
#include "tools/town/town_plan.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: town_gen <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const TownPlan town = BuildTown();
    if (town.Props().size() > MAX_OBJECTS) {
        std::fprintf(stderr, "town_gen: %zu props, the table holds %d\n", town.Props().size(),
                     MAX_OBJECTS);
        return 1;
    }
    if (!WriteTileFile(folder + "/MapTex.txt", town.Tiles()) ||
        !WritePropFile(folder + "/Map.txt", town.Props())) {
        std::fprintf(stderr, "town_gen: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

// make_pictures <Data dir> [name-filter]: paints every picture of the catalogue and writes it
// below the given Data folder (Images/Map/Grass.png ...). With a filter, only the pictures whose
// path contains it are written.
#include "catalogue.h"
#include "png_io.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <Data dir> [name-filter]\n", argv[0]);
        return 2;
    }
    std::filesystem::path root = argv[1];
    std::string filter = argc == 3 ? argv[2] : "";
    int written = 0;
    for (const Picture& p : catalogue()) {
        if (!filter.empty() && std::string(p.path).find(filter) == std::string::npos)
            continue;
        Canvas canvas(p.width, p.height, p.unitsWide, p.unitsHigh);
        p.paint(canvas);
        std::filesystem::path file = root / p.path;
        std::error_code ec;
        std::filesystem::create_directories(file.parent_path(), ec);
        bool alpha = p.kind == Kind::SeeThrough;
        if (!writePng(file.string(), p.width, p.height, alpha, canvas.bytes(alpha))) {
            std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
            return 1;
        }
        ++written;
    }
    std::printf("%d pictures written below %s\n", written, root.string().c_str());
    return 0;
}

// make_icon SIZE OUT.png [TEXTURE.png]: paints the game's icon from the ball's surface picture.
#include "icon.h"
#include "png_file.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: make_icon SIZE OUT.png [TEXTURE.png]\n");
        return 2;
    }
    int size = std::atoi(argv[1]);
    if (size < 1 || size > 1024) {
        std::fprintf(stderr, "make_icon: size must be 1 to 1024, not %s\n", argv[1]);
        return 2;
    }
    IconPicture texture;
    if (argc == 4 && !ReadPng(argv[3], texture)) {
        std::fprintf(stderr, "make_icon: cannot read %s\n", argv[3]);
        return 1;
    }
    if (!WritePng(argv[2], PaintBallIcon(texture, size))) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

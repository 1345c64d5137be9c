// check_pictures <Data dir>: every picture of the catalogue exists below the Data folder, is a
// valid PNG of the catalogue's power-of-two size, has the alpha its kind needs, and the ground
// tiles join at their edges.
// check_pictures --same <Data dir> <other Data dir>: both folders hold byte-identical pictures.
#include "catalogue.h"
#include "png_io.h"
#include "rules.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace {

constexpr double kSeamLimit = 2.0;

bool sameBytes(const std::string& a, const std::string& b) {
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa || !fb)
        return false;
    std::string da((std::istreambuf_iterator<char>(fa)), {});
    std::string db((std::istreambuf_iterator<char>(fb)), {});
    return da == db;
}

int compareFolders(const std::string& a, const std::string& b) {
    int differ = 0;
    for (const Picture& p : catalogue())
        if (!sameBytes(a + "/" + p.path, b + "/" + p.path)) {
            std::printf("DIFFERS %s\n", p.path);
            ++differ;
        }
    std::printf("%d of %zu pictures differ\n", differ, catalogue().size());
    return differ == 0 ? 0 : 1;
}

int checkFolder(const std::string& root) {
    int problems = 0;
    std::map<std::string, Image> images;
    for (const Picture& p : catalogue()) {
        Image image;
        if (!readPng(root + "/" + p.path, image)) {
            std::printf("%s: missing or not a valid PNG\n", p.path);
            ++problems;
            continue;
        }
        for (const std::string& problem : checkPicture(p, image)) {
            std::printf("%s: %s\n", p.path, problem.c_str());
            ++problems;
        }
        images[p.path] = std::move(image);
    }
    for (const Seam& s : tileSeams()) {
        auto a = images.find(s.a), b = images.find(s.b);
        if (a == images.end() || b == images.end())
            continue;
        double ratio = seamRatio(a->second, s.sideA, b->second, s.sideB);
        if (ratio > kSeamLimit) {
            std::printf("%s and %s do not join (seam %.2f)\n", s.a, s.b, ratio);
            ++problems;
        }
    }
    std::printf("%zu pictures, %zu seams checked: %d problems\n", catalogue().size(),
                tileSeams().size(), problems);
    return problems == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--same")
        return compareFolders(argv[2], argv[3]);
    if (argc == 2)
        return checkFolder(argv[1]);
    std::fprintf(stderr, "usage: %s <Data dir> | --same <Data dir> <other Data dir>\n", argv[0]);
    return 2;
}

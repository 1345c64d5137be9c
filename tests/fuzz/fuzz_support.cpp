#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fuzz {

namespace {
std::string tempDir;
void RemoveTempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(tempDir, ignored);
}
} // namespace

std::string EnterTempDir() {
    char pattern[] = "/tmp/pelegeso-fuzz-XXXXXX";
    if (!mkdtemp(pattern) || chdir(pattern) != 0)
        Fail("a temporary working folder", __FILE__, __LINE__);
    tempDir = pattern;
    std::atexit(RemoveTempDir);
    return tempDir;
}

void MakeDirs(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error)
        Fail(path.c_str(), __FILE__, __LINE__);
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0)
        Fail(path.c_str(), __FILE__, __LINE__);
}

void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

} // namespace fuzz

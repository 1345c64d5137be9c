// Runs a fuzz target over every file of its seed corpus, so the normal build
// checks the seeds and the inputs kept from earlier findings.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

TEST(FUZZ_SUITE, EverySeedKeepsTheTargetsChecks) {
    std::vector<std::filesystem::path> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(FUZZ_CORPUS))
        seeds.push_back(entry.path());
    ASSERT_FALSE(seeds.empty()) << "no seeds in " << FUZZ_CORPUS;
    if (LLVMFuzzerInitialize) {
        int argc = 0;
        char** argv = nullptr;
        LLVMFuzzerInitialize(&argc, &argv);
    }
    for (const auto& seed : seeds) {
        std::ifstream in(seed, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        // Printed first: a broken check aborts the whole test.
        std::printf("seed %s\n", seed.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
}

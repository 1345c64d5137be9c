#include "tests/faults/data_copy.h"

#include "tests/kit/kit.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void Write(const std::string& path, const std::vector<char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

const char* DamageName(Damage damage) {
    switch (damage) {
    case Damage::Missing:
        return "Missing";
    case Damage::Empty:
        return "Empty";
    case Damage::Truncated:
        return "Truncated";
    case Damage::RandomBytes:
        return "RandomBytes";
    }
    return "?";
}

DataCopy::DataCopy(bool withData) : dir_(kit::TempDir()) {
    if (withData) {
        const fs::path shipped = fs::path(kit::SourceDir()) / "Data";
        for (const auto& entry : fs::recursive_directory_iterator(shipped)) {
            const fs::path target = dir_ / fs::path("Data") / fs::relative(entry.path(), shipped);
            if (entry.is_directory())
                fs::create_directories(target);
            else
                fs::create_symlink(entry.path(), target);
        }
    }
    if (chdir(dir_.c_str()) != 0)
        throw std::runtime_error("cannot enter " + dir_);
}

std::vector<char> DataCopy::Shipped(const std::string& file) {
    std::ifstream in(fs::path(kit::SourceDir()) / file, std::ios::binary);
    if (!in)
        throw std::runtime_error("no shipped " + file);
    return {std::istreambuf_iterator<char>(in), {}};
}

void DataCopy::Apply(const std::string& file, Damage damage) {
    const std::string path = dir_ + "/" + file;
    std::vector<char> bytes = Shipped(file);
    fs::remove(path);
    switch (damage) {
    case Damage::Missing:
        return;
    case Damage::Empty:
        bytes.clear();
        break;
    case Damage::Truncated:
        bytes.resize(bytes.size() / 2);
        break;
    case Damage::RandomBytes: {
        std::mt19937 random(static_cast<unsigned>(std::hash<std::string>{}(file)));
        for (char& b : bytes)
            b = static_cast<char>(random());
        break;
    }
    }
    Write(path, bytes);
}

void DataCopy::Restore(const std::string& file) {
    const std::string path = dir_ + "/" + file;
    fs::remove(path);
    fs::create_symlink(fs::path(kit::SourceDir()) / file, path);
}

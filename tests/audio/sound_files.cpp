#include "tests/audio/sound_files.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace sound {

namespace {
void Put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}
} // namespace

void WriteTone(const std::string& path, double seconds, double peak) {
    const uint32_t frames = static_cast<uint32_t>(seconds * kRate);
    const uint32_t dataBytes = frames * 4;
    std::string wav = "RIFF";
    Put(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    Put(wav, 16, 4);
    Put(wav, 1, 2); // PCM
    Put(wav, 2, 2);
    Put(wav, kRate, 4);
    Put(wav, kRate * 4, 4);
    Put(wav, 4, 2);
    Put(wav, 16, 2);
    wav += "data";
    Put(wav, dataBytes, 4);
    for (uint32_t f = 0; f < frames; ++f) {
        const double value = peak * std::sin(2.0 * 3.14159265358979 * 440.0 * f / kRate);
        const auto sample = static_cast<int16_t>(std::lround(value * 32767.0));
        Put(wav, static_cast<uint16_t>(sample), 2);
        Put(wav, static_cast<uint16_t>(sample), 2);
    }
    WriteBytes(path, wav);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path, size_t bytes) {
    std::ifstream in(path, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return all.substr(0, bytes);
}

std::vector<int16_t> ReadSamples(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    std::vector<int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                          static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
    return samples;
}

size_t FirstSound(const std::vector<int16_t>& samples) {
    const auto it = std::find_if(samples.begin(), samples.end(), [](int16_t s) { return s != 0; });
    return static_cast<size_t>(it - samples.begin()) / 2;
}

double Peak(const std::vector<int16_t>& samples, size_t from, size_t count) {
    int peak = 0;
    for (size_t i = 2 * from; i < std::min(samples.size(), 2 * (from + count)); ++i)
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    return peak / 32768.0;
}

bool WaitForSize(const std::string& path, size_t bytes, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        if (in && static_cast<size_t>(in.tellg()) >= bytes)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace sound

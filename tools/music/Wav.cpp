#include "tools/music/Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tools/music/Dsp.h"

namespace music {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xff));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

void PutSample(std::vector<uint8_t>& out, double value) {
    const double scaled = std::clamp(std::round(value * 32767.0), -32768.0, 32767.0);
    Put16(out, static_cast<uint16_t>(static_cast<int16_t>(scaled)));
}

} // namespace

bool WriteWav(const std::string& path, const LoopBuffer& audio) {
    const uint32_t channels = 2;
    const uint32_t bytesPerFrame = channels * 2;
    const uint32_t dataBytes = static_cast<uint32_t>(audio.Frames()) * bytesPerFrame;
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, channels);
    Put32(out, kRate);
    Put32(out, kRate * bytesPerFrame);
    Put16(out, bytesPerFrame);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (size_t i = 0; i < audio.Frames(); ++i) {
        PutSample(out, audio.Left(i));
        PutSample(out, audio.Right(i));
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

} // namespace music

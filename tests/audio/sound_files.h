// Small sound files made on the spot for the audio tests, and reading what
// SDL's disk audio driver wrote.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sound {

constexpr int kRate = 44100;

// A 16-bit stereo WAV file holding a 440 Hz sine of the given peak (0 to 1).
void WriteTone(const std::string& path, double seconds, double peak);

void WriteBytes(const std::string& path, const std::string& bytes);

// The first `bytes` bytes of a file, or all of it.
std::string ReadBytes(const std::string& path, size_t bytes = std::string::npos);

// Interleaved 16-bit stereo samples from a raw file.
std::vector<int16_t> ReadSamples(const std::string& path);

// Frame of the first sample that is not zero, or the frame count.
size_t FirstSound(const std::vector<int16_t>& samples);

// Largest magnitude over frames [from, from + count), as a fraction of full scale.
double Peak(const std::vector<int16_t>& samples, size_t from, size_t count);

// Waits, at most `seconds`, until the file holds at least `bytes` bytes.
bool WaitForSize(const std::string& path, size_t bytes, double seconds);

} // namespace sound

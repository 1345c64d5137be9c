// Writing a loop buffer as a 16-bit stereo PCM WAV file.
#pragma once

#include <string>

#include "tools/music/LoopBuffer.h"

namespace music {

// Samples are rounded to the nearest step and clamped to full scale.
// Returns false when the file cannot be written.
bool WriteWav(const std::string& path, const LoopBuffer& audio);

} // namespace music

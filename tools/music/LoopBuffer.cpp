#include "tools/music/LoopBuffer.h"

#include <cmath>

#include "tools/music/Dsp.h"

namespace music {

void LoopBuffer::Add(size_t frame, double value, double pan) {
    const double angle = (pan + 1.0) * 0.25 * kPi;
    AddStereo(frame, value * std::cos(angle), value * std::sin(angle));
}

void LoopBuffer::AddStereo(size_t frame, double left, double right) {
    const size_t at = frame % left_.size();
    left_[at] += left;
    right_[at] += right;
}

void LoopBuffer::Mix(const LoopBuffer& other, double gain) {
    for (size_t i = 0; i < left_.size(); ++i) {
        left_[i] += other.left_[i] * gain;
        right_[i] += other.right_[i] * gain;
    }
}

} // namespace music

// A stereo buffer whose end joins its start: whatever is written past the end
// wraps round to the beginning, so notes and echoes that ring over the loop
// point are heard at the start, just as when the music repeats.
#pragma once

#include <cstddef>
#include <vector>

namespace music {

class LoopBuffer {
  public:
    explicit LoopBuffer(size_t frames) : left_(frames, 0.0), right_(frames, 0.0) {}

    size_t Frames() const { return left_.size(); }
    // pan runs from -1 (left) to +1 (right), with equal power across.
    void Add(size_t frame, double value, double pan);
    void AddStereo(size_t frame, double left, double right);
    void Mix(const LoopBuffer& other, double gain);

    double& Left(size_t frame) { return left_[frame]; }
    double& Right(size_t frame) { return right_[frame]; }
    double Left(size_t frame) const { return left_[frame]; }
    double Right(size_t frame) const { return right_[frame]; }

  private:
    std::vector<double> left_;
    std::vector<double> right_;
};

} // namespace music

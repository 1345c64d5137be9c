#include "tools/music/Effects.h"

namespace music {

PingPongDelay::PingPongDelay(size_t frames, double feedback)
    : left_(frames, 0.0), right_(frames, 0.0), feedback_(feedback) {}

void PingPongDelay::Process(double& left, double& right) {
    const double echoLeft = left_[at_];
    const double echoRight = right_[at_];
    // Mono in, crossing over on every repeat.
    left_[at_] = 0.5 * (left + right) + echoRight * feedback_;
    right_[at_] = echoLeft * feedback_;
    at_ = (at_ + 1) % left_.size();
    left = echoLeft;
    right = echoRight;
}

namespace {
constexpr double kCombFeedback = 0.82;
constexpr double kDamping = 0.25;
constexpr size_t kCombFrames[] = {1116, 1188, 1277, 1356, 1422, 1491};
constexpr size_t kAllPassFrames[] = {556, 441, 341, 225};
constexpr size_t kStereoSpread = 23;
} // namespace

double Reverb::Comb::Process(double in) {
    const double out = line[at];
    store = out * (1.0 - kDamping) + store * kDamping;
    line[at] = in + store * kCombFeedback;
    at = (at + 1) % line.size();
    return out;
}

double Reverb::AllPass::Process(double in) {
    const double delayed = line[at];
    line[at] = in + delayed * 0.5;
    at = (at + 1) % line.size();
    return delayed - in;
}

double Reverb::Channel::Process(double in) {
    double sum = 0.0;
    for (Comb& comb : combs)
        sum += comb.Process(in);
    for (AllPass& pass : allPasses)
        sum = pass.Process(sum);
    return sum;
}

Reverb::Reverb() {
    for (size_t frames : kCombFrames) {
        left_.combs.push_back({std::vector<double>(frames, 0.0)});
        right_.combs.push_back({std::vector<double>(frames + kStereoSpread, 0.0)});
    }
    for (size_t frames : kAllPassFrames) {
        left_.allPasses.push_back({std::vector<double>(frames, 0.0)});
        right_.allPasses.push_back({std::vector<double>(frames + kStereoSpread, 0.0)});
    }
}

void Reverb::Process(double& left, double& right) {
    const double in = 0.5 * (left + right);
    left = left_.Process(in);
    right = right_.Process(in);
}

} // namespace music

// Echo and reverb for the send buses.
#pragma once

#include <cstddef>
#include <vector>

#include "tools/music/LoopBuffer.h"

namespace music {

// Dotted echo that bounces between left and right.
class PingPongDelay {
  public:
    PingPongDelay(size_t frames, double feedback);
    void Process(double& left, double& right);

  private:
    std::vector<double> left_, right_;
    size_t at_ = 0;
    double feedback_;
};

// A small room: parallel damped combs into series all-passes, per channel.
class Reverb {
  public:
    Reverb();
    void Process(double& left, double& right);

  private:
    struct Comb {
        std::vector<double> line;
        size_t at = 0;
        double store = 0.0;
        double Process(double in);
    };
    struct AllPass {
        std::vector<double> line;
        size_t at = 0;
        double Process(double in);
    };
    struct Channel {
        std::vector<Comb> combs;
        std::vector<AllPass> allPasses;
        double Process(double in);
    };
    Channel left_, right_;
};

// Runs an effect over the loop twice and keeps the second pass, so that the
// effect's memory at the top of the loop holds the tail of the loop's end,
// as it does when the music repeats.
template <typename Effect> LoopBuffer ApplyLooped(const LoopBuffer& in, Effect& effect) {
    LoopBuffer out(in.Frames());
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < in.Frames(); ++i) {
            double left = in.Left(i);
            double right = in.Right(i);
            effect.Process(left, right);
            out.Left(i) = left;
            out.Right(i) = right;
        }
    }
    return out;
}

} // namespace music

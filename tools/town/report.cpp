#include "tools/town/report.h"

#include <algorithm>
#include <numeric>

namespace {

// Each record taken, in the order the game took them (slot order within a
// frame), with the weight the ball had afterwards.
void PrintPickups(std::FILE* out, const Outcome& run, const std::vector<PropRecord>& records,
                  const std::vector<TypeRule>& rules) {
    std::vector<size_t> order(records.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return run.TakenOn[a] < run.TakenOn[b]; });
    float weight = 0;
    for (size_t i : order) {
        if (!run.TakenOn[i])
            continue;
        weight += RuleOf(rules, records[i].TexID).Increment;
        std::fprintf(out, "frame %d: took %s, weight %.1f\n", run.TakenOn[i],
                     Describe(records[i], rules).c_str(), weight);
    }
}

} // namespace

int PrintReport(std::FILE* out, const Findings& f, const std::vector<PropRecord>& records,
                const std::vector<TypeRule>& rules) {
    int problems = static_cast<int>(f.Problems.size());
    for (const Problem& p : f.Problems)
        std::fprintf(out, "problem: %s\n", p.Text.c_str());
    for (const Supply& s : f.Supplies)
        std::fprintf(out, "weight on offer below %g: %.1f\n", s.Threshold, s.Available);
    const Outcome& run = f.Run;
    int taken = 0;
    for (int on : run.TakenOn)
        taken += on > 0;
    if (f.Pickups)
        PrintPickups(out, run, records, rules);
    std::fprintf(out, "route: %d frames, %d bounces\n", run.Frames, run.Bounces);
    std::fprintf(out, "taken: %d of %zu records\n", taken, records.size());
    std::fprintf(out, "final weight: %.1f\n", run.FinalWeight);
    for (const auto& [threshold, frame] : run.Passed) {
        if (frame)
            std::fprintf(out, "weight %g reached on frame %d\n", threshold, frame);
        else
            std::fprintf(out, "weight %g never reached\n", threshold);
    }
    for (size_t i = 0; i < records.size(); ++i)
        if (!run.TakenOn[i]) {
            std::fprintf(out, "not taken: %s, needs weight %g\n",
                         Describe(records[i], rules).c_str(),
                         RuleOf(rules, records[i].TexID).Threshold);
            ++problems;
        }
    if (run.FinalWeight < f.MinWeight) {
        std::fprintf(out, "problem: final weight %.1f is below %g\n", run.FinalWeight, f.MinWeight);
        ++problems;
    }
    if (problems)
        std::fprintf(out, "result: %d problem%s\n", problems, problems == 1 ? "" : "s");
    else
        std::fprintf(out, "result: no problem found, every record taken\n");
    return problems;
}

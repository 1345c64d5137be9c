#include "tools/town/report.h"

int PrintReport(std::FILE* out, const Findings& f, const std::vector<PropRecord>& records,
                const std::vector<TypeRule>& rules) {
    int problems = static_cast<int>(f.Problems.size());
    for (const Problem& p : f.Problems)
        std::fprintf(out, "problem: %s\n", p.Text.c_str());
    for (const Supply& s : f.Supplies)
        std::fprintf(out, "weight on offer below %g: %g\n", s.Threshold, s.Available);
    const Outcome& run = f.Run;
    int taken = 0;
    for (int on : run.TakenOn)
        taken += on > 0;
    std::fprintf(out, "route: %d frames, %d bounces\n", run.Frames, run.Bounces);
    std::fprintf(out, "taken: %d of %zu records\n", taken, records.size());
    std::fprintf(out, "final weight: %g\n", run.FinalWeight);
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
        std::fprintf(out, "problem: final weight %g is below %g\n", run.FinalWeight, f.MinWeight);
        ++problems;
    }
    if (problems)
        std::fprintf(out, "result: %d problems\n", problems);
    else
        std::fprintf(out, "result: no problem found, every record taken\n");
    return problems;
}

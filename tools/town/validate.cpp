#include "tools/town/validate.h"

#include "tools/town/footprint.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// One step of the ball: a heavy prop this close to the start would be touched
// by the very first step or sit on the start itself.
constexpr float START_REACH = 1;
// The narrowest lane between two heavy props that the ball may roll through
// without scraping both at once.
constexpr float MIN_PASSAGE = 3;

std::string Units(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

bool Heavy(const PropRecord& r, const std::vector<TypeRule>& rules) {
    return RuleOf(rules, r.TexID).Threshold > 0;
}

void CheckRecord(const PropRecord& r, const std::vector<TypeRule>& rules,
                 std::vector<Problem>& out) {
    const std::string who = Describe(r, rules);
    auto report = [&](const std::string& text) { out.push_back({r.Index, who + ": " + text}); };
    const TypeRule& rule = RuleOf(rules, r.TexID);
    if (rule.Increment <= 0)
        report("type " + std::to_string(r.TexID) + " is not a town prop");
    else if (std::isinf(rule.Threshold))
        report("no weight is enough to take it");
    const float values[] = {r.PosX, r.PosY, r.PosZ, r.Depth, r.Width, r.Height};
    if (!std::all_of(std::begin(values), std::end(values),
                     [](float v) { return std::isfinite(v); })) {
        report("holds a number that is not finite");
        return;
    }
    if (r.Depth < 0 || r.Width < 0 || r.Height < 0)
        report("has a negative size");
    if (r.Depth == 0 && r.Width == 0)
        report("has neither width nor depth");
    if (r.PosY != 0)
        report("does not stand on the ground (PosY " + Units(r.PosY) + ")");
    const Footprint f = FootprintOf(r);
    if (f.X0 < -TOWN_HALF_WIDTH || f.X1 > TOWN_HALF_WIDTH || f.N0 < 0 || f.N1 > TOWN_DEPTH)
        report("stands outside the town");
    if (rule.Threshold > 0 && f.Grown(CONTACT_MARGIN + START_REACH).Holds(0, 0))
        report("needs weight " + Units(rule.Threshold) + " and stands within reach of the start");
}

} // namespace

std::vector<Problem> ValidateProps(const std::vector<PropRecord>& records,
                                   const std::vector<TypeRule>& rules) {
    std::vector<Problem> out;
    for (const PropRecord& r : records)
        CheckRecord(r, rules, out);
    for (size_t i = 0; i < records.size(); ++i) {
        if (!Heavy(records[i], rules))
            continue;
        const Footprint a = FootprintOf(records[i]);
        for (size_t j = i + 1; j < records.size(); ++j) {
            if (!Heavy(records[j], rules))
                continue;
            const float lane = GapBetween(a, FootprintOf(records[j])) - 2 * CONTACT_MARGIN;
            if (lane > 0 && lane < MIN_PASSAGE)
                out.push_back({records[i].Index,
                               Describe(records[i], rules) + " and " + Describe(records[j], rules) +
                                   " leave a lane of only " + Units(lane) + " between them"});
        }
    }
    for (const Supply& s : WeightSupply(records, rules))
        if (s.Available < s.Threshold)
            out.push_back({-1, "the props lighter than " + Units(s.Threshold) + " weigh only " +
                                   Units(s.Available) + " together"});
    return out;
}

std::vector<float> ThresholdsInUse(const std::vector<PropRecord>& records,
                                   const std::vector<TypeRule>& rules) {
    std::vector<float> out;
    for (const PropRecord& r : records) {
        float t = RuleOf(rules, r.TexID).Threshold;
        if (t > 0 && std::isfinite(t) && std::find(out.begin(), out.end(), t) == out.end())
            out.push_back(t);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<Supply> WeightSupply(const std::vector<PropRecord>& records,
                                 const std::vector<TypeRule>& rules) {
    std::vector<Supply> out;
    for (float t : ThresholdsInUse(records, rules)) {
        float sum = 0;
        for (const PropRecord& r : records)
            if (RuleOf(rules, r.TexID).Threshold < t)
                sum += RuleOf(rules, r.TexID).Increment;
        out.push_back({t, sum});
    }
    return out;
}

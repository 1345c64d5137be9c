// town_check: proves that a town can be finished.
//
//   town_check [--tiles FILE] [--props FILE] [--route-out FILE | --replay FILE]
//              [--plan FILE.png] [--min-weight W] [--pickups]
//
// Validates the tile and prop files, then plays the town with the game's own
// movement and collision code (or replays a recorded route through it) and
// reports what was taken, the final weight and the frame each threshold was
// reached on; --pickups lists every pickup with its frame. Exit value 0 when no problem was found
// and every record was taken, 1 otherwise, 2 for a wrong command line.
#include "tools/town/plan_png.h"
#include "tools/town/report.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Options {
    std::string Tiles = "Data/Map/MapTex.txt";
    std::string Props = "Data/Map/Map.txt";
    std::string RouteOut;
    std::string Replay;
    std::string Plan;
    float MinWeight = 0;
    bool Pickups = false;
};

bool ParseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const char* flag = argv[i];
        if (!std::strcmp(flag, "--pickups")) {
            o.Pickups = true;
            continue;
        }
        if (i + 1 >= argc)
            return false;
        const char* value = argv[++i];
        if (!std::strcmp(flag, "--tiles"))
            o.Tiles = value;
        else if (!std::strcmp(flag, "--props"))
            o.Props = value;
        else if (!std::strcmp(flag, "--route-out"))
            o.RouteOut = value;
        else if (!std::strcmp(flag, "--replay"))
            o.Replay = value;
        else if (!std::strcmp(flag, "--plan"))
            o.Plan = value;
        else if (!std::strcmp(flag, "--min-weight"))
            o.MinWeight = std::strtof(value, nullptr);
        else
            return false;
    }
    return o.RouteOut.empty() || o.Replay.empty();
}

void Append(std::vector<Problem>& to, const std::vector<Problem>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: town_check [--tiles FILE] [--props FILE] "
                             "[--route-out FILE | --replay FILE] [--plan FILE.png] "
                             "[--min-weight W] [--pickups]\n");
        return 2;
    }
    const std::vector<TypeRule> rules = ProbeRules();
    const TileFile tiles = ReadTileFile(options.Tiles);
    const PropFile props = ReadPropFile(options.Props);
    const std::vector<float> thresholds = ThresholdsInUse(props.Records, rules);

    Findings findings;
    findings.MinWeight = options.MinWeight;
    findings.Pickups = options.Pickups;
    Append(findings.Problems, tiles.Problems);
    Append(findings.Problems, props.Problems);
    Append(findings.Problems, ValidateProps(props.Records, rules));
    findings.Supplies = WeightSupply(props.Records, rules);

    Route route;
    if (!options.Replay.empty()) {
        ReadRoute(options.Replay, route, findings.Problems);
        findings.Run = ReplayRoute(props.Records, thresholds, route);
    } else {
        findings.Run = PlayTown(props.Records, rules, thresholds, route);
        if (!options.RouteOut.empty() && !WriteRoute(options.RouteOut, route))
            findings.Problems.push_back({-1, "cannot write the route to " + options.RouteOut});
    }
    Append(findings.Problems, findings.Run.Problems);
    if (!options.Plan.empty() &&
        !DrawPlan(options.Plan, tiles.Grid, props.Records, rules, thresholds, findings.Run.Trail))
        findings.Problems.push_back({-1, "cannot write the plan to " + options.Plan});
    return PrintReport(stdout, findings, props.Records, rules) ? 1 : 0;
}

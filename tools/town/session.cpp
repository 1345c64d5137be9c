#include "tools/town/session.h"

#include "camera/camera.h"
#include "tools/town/planner.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// The planner gives up after this many frames; the shipped town takes some
// 13000, and crossing the whole town under 1500.
constexpr int MAX_FRAMES = 500000;
// Refused steps of a replayed route reported one by one; the rest are counted.
constexpr int REFUSED_REPORT_LIMIT = 10;

bool IsStep(int code) {
    return code >= DIR_FORWARD && code <= DIR_BACKWARD_RIGHT;
}
bool IsPlayerCode(int code) {
    return IsStep(code) || (code >= DIR_ZOOM_OUT && code <= DIR_TURN_RIGHT);
}

class Session {
  public:
    Session(const std::vector<PropRecord>& records, const std::vector<float>& thresholds)
        : Records(records) {
        ResetGame(records);
        Result.TakenOn.assign(records.size(), 0);
        for (float t : thresholds)
            Result.Passed.push_back({t, 0});
    }
    ~Session() { ReleaseGame(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Issues one frame's codes, each step only if the town bounds allow it,
    // and notes the bounces, the pickups and the thresholds passed.
    void Frame(const std::vector<int>& codes) {
        const int frame = ++Result.Frames;
        for (int code : codes) {
            if (IsStep(code) && !StepInTown(code)) {
                if (++Refused <= REFUSED_REPORT_LIMIT)
                    Result.Problems.push_back({-1, "frame " + std::to_string(frame) + ": step " +
                                                       std::to_string(code) +
                                                       " would leave the town and is not taken"});
                continue;
            }
            const BallPose before = Ball();
            Issue(code);
            const BallPose after = Ball();
            if (IsStep(code) && std::hypot(after.X - before.X, after.N - before.N) < 0.5f)
                ++Result.Bounces;
        }
        for (size_t i = 0; i < Records.size(); ++i)
            if (!Result.TakenOn[i] && !Standing(Records[i].Index))
                Result.TakenOn[i] = frame;
        for (auto& [threshold, on] : Result.Passed)
            if (!on && Weight() >= threshold)
                on = frame;
        Result.Trail.push_back(Ball());
    }

    Outcome Finish() {
        if (Refused > REFUSED_REPORT_LIMIT)
            Result.Problems.push_back(
                {-1, std::to_string(Refused - REFUSED_REPORT_LIMIT) + " more steps are not taken"});
        Result.FinalWeight = Weight();
        return Result;
    }

  private:
    const std::vector<PropRecord>& Records;
    Outcome Result;
    int Refused = 0;
};

} // namespace

Outcome PlayTown(const std::vector<PropRecord>& records, const std::vector<TypeRule>& rules,
                 const std::vector<float>& thresholds, Route& route) {
    Session session(records, thresholds);
    Planner planner(records, rules, thresholds);
    route.clear();
    std::vector<int> codes;
    while (planner.NextFrame(codes)) {
        if (static_cast<int>(route.size()) == MAX_FRAMES) {
            Outcome cut = session.Finish();
            cut.Problems.push_back(
                {-1, "the planner gave up after " + std::to_string(MAX_FRAMES) + " frames"});
            return cut;
        }
        session.Frame(codes);
        route.push_back(codes);
    }
    return session.Finish();
}

Outcome ReplayRoute(const std::vector<PropRecord>& records, const std::vector<float>& thresholds,
                    const Route& route) {
    Session session(records, thresholds);
    for (const std::vector<int>& codes : route)
        session.Frame(codes);
    return session.Finish();
}

bool WriteRoute(const std::string& path, const Route& route) {
    std::ofstream out(path);
    for (const std::vector<int>& codes : route) {
        for (size_t i = 0; i < codes.size(); ++i)
            out << (i ? " " : "") << codes[i];
        out << '\n';
    }
    return static_cast<bool>(out);
}

void ReadRoute(const std::string& path, Route& route, std::vector<Problem>& problems) {
    std::ifstream in(path);
    if (!in) {
        problems.push_back({-1, "route file " + path + " cannot be opened"});
        return;
    }
    route.clear();
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::vector<int> codes;
        std::string word;
        while (words >> word) {
            char* end = nullptr;
            const long code = std::strtol(word.c_str(), &end, 10);
            if (*end || !IsPlayerCode(static_cast<int>(code))) {
                problems.push_back({-1, "route line " + std::to_string(route.size() + 1) + ": '" +
                                            word + "' is not a code a player can issue"});
                continue;
            }
            codes.push_back(static_cast<int>(code));
        }
        route.push_back(std::move(codes));
    }
}

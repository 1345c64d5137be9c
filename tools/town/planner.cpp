#include "tools/town/planner.h"

#include "camera/camera.h"
#include "tools/town/game_link.h"

#include <algorithm>
#include <cmath>
#include <queue>

namespace {

constexpr int GRID_W = static_cast<int>(2 * TOWN_HALF_WIDTH);
constexpr int GRID_H = static_cast<int>(TOWN_DEPTH);

enum : uint8_t { FREE, NEAR, BLOCKED };

// Cells whose centre lies this close to a heavy prop are never stepped into;
// anywhere in any other cell (which reaches 0.5 from its centre on each axis)
// the ball stays clear of contact, with a little to spare.
constexpr float BLOCKED_REACH = CONTACT_MARGIN + 0.7f;
// Cells this close cost more, so that paths keep a little away from walls.
constexpr float NEAR_REACH = CONTACT_MARGIN + 3;
constexpr float NEAR_COST = 3;
// A cell whose centre lies this close to a takeable prop is a goal: within one
// step of such a centre the ball is in contact.
constexpr float GOAL_REACH = CONTACT_MARGIN - 1;
// How far along the path the steering looks for a point in plain sight.
constexpr size_t LOOK_AHEAD = 25;
// Frames allowed for reaching a target, beyond the path's own length.
constexpr int SPARE_FRAMES = 300;
// A step may stray this far from the wanted direction, in degrees, to slip
// along a wall; when no step does, the frame only turns and costs the target
// this many frames of its allowance.
constexpr float MAX_DETOUR = 112.5f;
constexpr int BOXED_PENALTY = 25;

constexpr float DEGREES = 0.017453292f;

// The eight steps relative to the heading, in degrees towards the right.
struct Step {
    int Code;
    float Offset;
};
constexpr Step STEPS[] = {
    {DIR_FORWARD, 0},    {DIR_FORWARD_RIGHT, 45},   {DIR_RIGHT, 90}, {DIR_BACKWARD_RIGHT, 135},
    {DIR_BACKWARD, 180}, {DIR_BACKWARD_LEFT, -135}, {DIR_LEFT, -90}, {DIR_FORWARD_LEFT, -45}};

float Wrap(float degrees) {
    degrees = std::fmod(degrees, 360.0f);
    if (degrees > 180)
        degrees -= 360;
    if (degrees <= -180)
        degrees += 360;
    return degrees;
}

} // namespace

Planner::Planner(const std::vector<PropRecord>& records, const std::vector<TypeRule>& rules,
                 const std::vector<float>& thresholds)
    : Records(records), Thresholds(thresholds), Zone(GRID_W * GRID_H), Goal(GRID_W * GRID_H),
      Dist(GRID_W * GRID_H), From(GRID_W * GRID_H) {
    if (thresholds.empty() || thresholds.back() <= 0)
        return;
    for (const PropRecord& r : records)
        if (RuleOf(rules, r.TexID).Threshold == thresholds.back())
            SavedForLast.insert(r.Index);
}

Planner::Point Planner::Centre(int cell) const {
    return {cell % GRID_W - TOWN_HALF_WIDTH + 0.5f, cell / GRID_W + 0.5f};
}

int Planner::CellAt(float x, float n) const {
    int i = static_cast<int>(std::floor(x + TOWN_HALF_WIDTH));
    int j = static_cast<int>(std::floor(n));
    if (i < 0 || i >= GRID_W || j < 0 || j >= GRID_H)
        return -1;
    return j * GRID_W + i;
}

namespace {

// Calls mark(cell) for every cell whose centre lies inside the footprint.
template <typename Mark> void ForCells(const Footprint& f, Mark mark) {
    int i0 = std::max(0, static_cast<int>(std::ceil(f.X0 + TOWN_HALF_WIDTH - 0.5f)));
    int i1 = std::min(GRID_W - 1, static_cast<int>(std::floor(f.X1 + TOWN_HALF_WIDTH - 0.5f)));
    int j0 = std::max(0, static_cast<int>(std::ceil(f.N0 - 0.5f)));
    int j1 = std::min(GRID_H - 1, static_cast<int>(std::floor(f.N1 - 0.5f)));
    for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i)
            mark(j * GRID_W + i);
}

} // namespace

int Planner::Level() const {
    return static_cast<int>(std::upper_bound(Thresholds.begin(), Thresholds.end(), Weight()) -
                            Thresholds.begin());
}

void Planner::Rebuild() {
    std::fill(Zone.begin(), Zone.end(), FREE);
    std::fill(Goal.begin(), Goal.end(), -1);
    const bool lighterLeft = std::any_of(Records.begin(), Records.end(), [&](const PropRecord& r) {
        return Standing(r.Index) && !SavedForLast.count(r.Index) && !Skipped.count(r.Index);
    });
    for (const PropRecord& r : Records) {
        if (!Standing(r.Index))
            continue;
        const Footprint f = FootprintOf(r);
        const bool held = lighterLeft && SavedForLast.count(r.Index);
        if (held || !Takeable(r.TexID)) {
            ForCells(f.Grown(NEAR_REACH),
                     [&](int c) { Zone[c] = std::max<uint8_t>(Zone[c], NEAR); });
            ForCells(f.Grown(BLOCKED_REACH), [&](int c) { Zone[c] = BLOCKED; });
        } else if (!Skipped.count(r.Index)) {
            ForCells(f.Grown(GOAL_REACH), [&](int c) {
                if (Goal[c] < 0)
                    Goal[c] = r.Index;
            });
        }
    }
}

// Dijkstra from the ball's cell to the nearest goal cell, round the blocked
// cells and without cutting their corners.
bool Planner::Replan() {
    const int level = Level();
    if (level != PlannedLevel)
        Skipped.clear();
    PlannedLevel = level;
    Rebuild();
    Path.clear();
    Next = 0;
    Target = -1;
    const BallPose ball = Ball();
    const int start = CellAt(ball.X, ball.N);
    if (start < 0)
        return false;
    std::fill(Dist.begin(), Dist.end(), INFINITY);
    using Entry = std::pair<float, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    Dist[start] = 0;
    open.push({0, start});
    int goal = -1;
    while (!open.empty()) {
        auto [d, cell] = open.top();
        open.pop();
        if (d > Dist[cell])
            continue;
        if (Goal[cell] >= 0) {
            goal = cell;
            break;
        }
        const int i = cell % GRID_W, j = cell / GRID_W;
        for (int dj = -1; dj <= 1; ++dj)
            for (int di = -1; di <= 1; ++di) {
                const int ni = i + di, nj = j + dj;
                if ((!di && !dj) || ni < 0 || ni >= GRID_W || nj < 0 || nj >= GRID_H)
                    continue;
                const int next = nj * GRID_W + ni;
                if (Zone[next] == BLOCKED)
                    continue;
                if (di && dj &&
                    (Zone[j * GRID_W + ni] == BLOCKED || Zone[nj * GRID_W + i] == BLOCKED))
                    continue;
                const float step = (di && dj) ? 1.41421356f : 1.0f;
                const float nd = d + step * (Zone[next] == NEAR ? NEAR_COST : 1);
                if (nd < Dist[next]) {
                    Dist[next] = nd;
                    From[next] = cell;
                    open.push({nd, next});
                }
            }
    }
    if (goal < 0)
        return false;
    for (int cell = goal; cell != start; cell = From[cell])
        Path.push_back(cell);
    Path.push_back(start);
    std::reverse(Path.begin(), Path.end());
    Target = Goal[goal];
    Budget = 2 * static_cast<int>(Path.size()) + SPARE_FRAMES;
    return true;
}

// True when the straight line between two points crosses no blocked cell.
bool Planner::Clear(Point from, Point to) const {
    const float length = std::hypot(to.X - from.X, to.N - from.N);
    const int samples = static_cast<int>(length / 0.25f) + 1;
    for (int k = 0; k <= samples; ++k) {
        const float t = static_cast<float>(k) / samples;
        const int cell = CellAt(from.X + t * (to.X - from.X), from.N + t * (to.N - from.N));
        if (cell < 0 || Zone[cell] == BLOCKED)
            return false;
    }
    return true;
}

bool Planner::NextFrame(std::vector<int>& codes) {
    codes.clear();
    if (Target >= 0 && (!Standing(Target) || Level() != PlannedLevel))
        Target = -1;
    if (Target >= 0 && --Budget < 0) {
        Skipped.insert(Target);
        Target = -1;
    }
    if (Target < 0 && !Replan())
        return false;
    const BallPose ball = Ball();
    const Point here{ball.X, ball.N};
    // Catch up with the path, then aim at the farthest point in plain sight.
    const size_t last = std::min(Path.size() - 1, Next + LOOK_AHEAD);
    float nearest = INFINITY;
    for (size_t k = Next; k <= last; ++k) {
        const Point p = Centre(Path[k]);
        const float d = std::hypot(p.X - here.X, p.N - here.N);
        if (d < nearest) {
            nearest = d;
            Next = k;
        }
    }
    size_t aimAt = Next;
    for (size_t k = last; k > Next; --k)
        if (Clear(here, Centre(Path[k]))) {
            aimAt = k;
            break;
        }
    const Point aim = Centre(Path[aimAt]);
    const float wanted = std::atan2(aim.X - here.X, aim.N - here.N) / DEGREES;

    int best = -1;
    float bestOff = 0;
    for (const Step& s : STEPS) {
        const float angle = ball.Heading + s.Offset;
        const float off = std::fabs(Wrap(wanted - angle));
        const int lands =
            CellAt(here.X + std::sin(angle * DEGREES), here.N + std::cos(angle * DEGREES));
        if (lands < 0 || Zone[lands] == BLOCKED || !StepInTown(s.Code))
            continue;
        if (best < 0 || off < bestOff) {
            best = s.Code;
            bestOff = off;
        }
    }
    if (best >= 0 && bestOff <= MAX_DETOUR)
        codes.push_back(best);
    else
        Budget -= BOXED_PENALTY; // only the turn below may free the ball
    const float turn = Wrap(wanted - ball.Heading);
    if (std::hypot(aim.X - here.X, aim.N - here.N) < 0.5f)
        return true;
    if (turn >= 1)
        codes.push_back(DIR_TURN_RIGHT);
    else if (turn <= -1)
        codes.push_back(DIR_TURN_LEFT);
    return true;
}

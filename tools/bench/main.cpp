// Frame benchmark: runs the real game at 640 x 480 and times each scene with
// the literal drawing calls and with the fast drawing path, side by side in
// one run. A program to run on demand (tools/bench/run.sh), not a test.
#include "tools/bench/game_run.h"
#include "tools/bench/run_plan.h"
#include "tools/bench/startup.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>

namespace {

// The frame budget the pacing holds, and the per-frame work that leaves
// room for it.
constexpr double P99_TARGET_MS = 11.0;
constexpr double STARTUP_TARGET_MS = 150.0;

struct Options {
    int frames = 400;
    int titleFrames = 640;
    int startupRuns = 7;
    const char* scene = nullptr;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--frames") && hasValue)
            options.frames = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--title-frames") && hasValue)
            options.titleFrames = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--startup-runs") && hasValue)
            options.startupRuns = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--scene") && hasValue)
            options.scene = argv[++i];
        else
            return false;
    }
    return options.frames > 0 && options.titleFrames > 0 && options.startupRuns > 0;
}

std::string LoadAverage() {
    char text[128] = "?";
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (!std::fgets(text, sizeof text, f))
            std::strcpy(text, "?");
        std::fclose(f);
    }
    text[std::strcspn(text, "\n")] = '\0';
    return text;
}

void PrintTable(const std::vector<bench::SceneResult>& results) {
    std::printf("\nframe work in ms (median / 99th percentile) and frames a second of the paced "
                "loop\n");
    std::printf("%-16s | %-23s | %-23s | %s\n", "scene", "literal  med   p99   fps",
                "fast     med   p99   fps", "literal/fast (median, p99)");
    for (const bench::SceneResult& r : results) {
        const bench::Summary& lit = r.work[bench::LITERAL];
        const bench::Summary& fast = r.work[bench::FAST];
        std::printf("%-16s | %14.2f %5.2f %5.1f | %14.2f %5.2f %5.1f | %5.2fx %5.2fx\n", r.name,
                    lit.median, lit.p99, r.fps[bench::LITERAL], fast.median, fast.p99,
                    r.fps[bench::FAST], lit.median / fast.median, lit.p99 / fast.p99);
    }
    std::printf("\nof which drawing (Render to the swap, rasterising included), median / p99\n");
    for (const bench::SceneResult& r : results)
        std::printf("%-16s | literal %6.2f %6.2f | fast %6.2f %6.2f\n", r.name,
                    r.drawing[bench::LITERAL].median, r.drawing[bench::LITERAL].p99,
                    r.drawing[bench::FAST].median, r.drawing[bench::FAST].p99);
    std::printf("\nfast path, 99th percentile of frame work at most %.0f ms:\n", P99_TARGET_MS);
    for (const bench::SceneResult& r : results)
        std::printf("%-16s | %s (%.2f ms)\n", r.name,
                    r.work[bench::FAST].p99 <= P99_TARGET_MS ? "yes" : "NO",
                    r.work[bench::FAST].p99);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && !std::strcmp(argv[1], bench::FIRST_FRAME_OPTION))
        return bench::RunToFirstFrame();
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--frames N] [--title-frames N] [--startup-runs N] [--scene NAME]\n"
                     "scenes: title, \"play, start\", \"play, mid-town\", \"zoomed out\", "
                     "\"tilted down\", carrying\n"
                     "run from the repository root with DISPLAY set (tools/bench/run.sh does)\n",
                     argv[0]);
        return 2;
    }
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "DISPLAY is not set\n");
        return 2;
    }
    std::printf("load average at start: %s\n", LoadAverage().c_str());

    const bench::Startup startup = bench::MeasureStartup(options.startupRuns);

    bench::RunPlan plan(options.frames, options.titleFrames, options.scene);
    std::string renderer;
    const std::vector<std::string> boxes = bench::RunGame([&] {
        if (renderer.empty())
            renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        return plan.OnFrame();
    });
    for (const std::string& box : boxes)
        std::printf("message box: %s\n", box.c_str());
    if (!plan.Done()) {
        std::fprintf(stderr, "the game stopped before every scene was timed\n");
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    std::printf("renderer: %s\n", renderer.c_str());
    PrintTable(plan.Results());
    std::printf("\nstart-up to the first title frame: median %.1f ms, worst %.1f ms of %d runs "
                "(target under %.0f ms)\n",
                startup.medianMs, startup.worstMs, options.startupRuns, STARTUP_TARGET_MS);
    std::printf("peak memory: %ld KiB to the first title frame, %ld KiB over the whole run\n",
                startup.peakKb, usage.ru_maxrss);
    std::printf("load average at end: %s\n", LoadAverage().c_str());
    return 0;
}

#include "tools/bench/startup.h"

#include "tools/bench/game_run.h"
#include "tools/bench/timing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace bench {

int RunToFirstFrame() {
    double first = 0.0;
    RunGame([&first] {
        first = NowMs();
        return false;
    });
    std::printf("%.3f\n", first);
    return first > 0.0 ? 0 : 1;
}

namespace {

// Starts one child; returns its first-frame delay in ms (negative on failure).
double OneStartup(long& peakKb) {
    int out[2];
    if (pipe(out) != 0)
        return -1.0;
    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl("/proc/self/exe", "pelegeso_bench", FIRST_FRAME_OPTION, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[64];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1.0;
    peakKb = std::max(peakKb, usage.ru_maxrss);
    return std::atof(text.c_str()) - start;
}

} // namespace

Startup MeasureStartup(int runs) {
    std::vector<double> times;
    long peakKb = 0;
    for (int i = 0; i < runs; ++i) {
        const double ms = OneStartup(peakKb);
        if (ms > 0.0)
            times.push_back(ms);
    }
    if (times.empty())
        return {-1.0, -1.0, 0};
    const Summary s = Summarise(times);
    return {s.median, times.back(), peakKb};
}

} // namespace bench

// Runs the start-up program many times as the editor and as a bare Qt main window, alternating,
// and compares the median wall time and the peak memory of both.

#include "benchutil.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace talvex::bench;

namespace {

struct Run
{
    double milliseconds = 0;
    long peakKilobytes = 0;
};

Run runOnce(const std::string &program, bool bare)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (bare)
            execl(program.c_str(), program.c_str(), "--bare", static_cast<char *>(nullptr));
        else
            execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "start-up run failed (status %d)\n", status);
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s START-UP-PROGRAM [RUNS]\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string program = argv[1];
    const int runs = argc > 2 ? std::atoi(argv[2]) : 30;
    runOnce(program, true); // warm the file cache
    runOnce(program, false);
    std::vector<double> editorTimes, bareTimes, editorPeaks, barePeaks;
    for (int i = 0; i < runs; ++i) {
        const Run bare = runOnce(program, true);
        const Run editor = runOnce(program, false);
        bareTimes.push_back(bare.milliseconds);
        editorTimes.push_back(editor.milliseconds);
        barePeaks.push_back(static_cast<double>(bare.peakKilobytes));
        editorPeaks.push_back(static_cast<double>(editor.peakKilobytes));
    }
    const double bareTime = median(bareTimes);
    const double editorTime = median(editorTimes);
    const double barePeak = median(barePeaks) / 1024.0;
    const double editorPeak = median(editorPeaks) / 1024.0;
    std::printf("bare Qt main window to first frame: %.1f ms, peak %.1f MB\n", bareTime, barePeak);
    bool met = report("start-up to first frame", editorTime, 1.5 * bareTime, "ms");
    met &= report("peak memory", editorPeak, barePeak + 15.0, "MB");
    return met ? 0 : 1;
}

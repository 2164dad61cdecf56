// Runs the start-up program many times as the editor, as a bare Qt main window and as a bare
// main window with one label, alternating, and compares the median wall time and the peak
// memory of the editor with both. The platform is the one QT_QPA_PLATFORM names (offscreen if
// unset); scripts/bench runs it offscreen and under Xvfb.

#include "benchutil.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace talvex::bench;

namespace {

struct Run
{
    double milliseconds = 0;
    long peakKilobytes = 0;
};

// mode: "--bare", "--label" or nullptr for the editor.
Run runOnce(const std::string &program, const char *mode)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), mode, static_cast<char *>(nullptr));
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
    // Warm the file cache.
    for (const char *mode : {"--bare", "--label", static_cast<const char *>(nullptr)})
        runOnce(program, mode);
    std::vector<double> editorTimes, bareTimes, labelTimes, editorPeaks, barePeaks;
    for (int i = 0; i < runs; ++i) {
        const Run bare = runOnce(program, "--bare");
        const Run label = runOnce(program, "--label");
        const Run editor = runOnce(program, nullptr);
        bareTimes.push_back(bare.milliseconds);
        labelTimes.push_back(label.milliseconds);
        editorTimes.push_back(editor.milliseconds);
        barePeaks.push_back(static_cast<double>(bare.peakKilobytes));
        editorPeaks.push_back(static_cast<double>(editor.peakKilobytes));
    }
    const double bareTime = median(bareTimes);
    const double labelTime = median(labelTimes);
    const double editorTime = median(editorTimes);
    const double barePeak = median(barePeaks) / 1024.0;
    const double editorPeak = median(editorPeaks) / 1024.0;
    std::printf("start-up on platform %s, median of %d processes each\n",
                std::getenv("QT_QPA_PLATFORM"), runs);
    std::printf("bare Qt main window to first frame: %.1f ms, peak %.1f MB\n", bareTime, barePeak);
    std::printf("bare Qt main window with a label to first frame: %.1f ms\n", labelTime);
    std::printf("editor to first frame: %.1f ms = %.2f x bare, %.2f x with label\n", editorTime,
                editorTime / bareTime, editorTime / labelTime);
    bool met = report("start-up, to 1.3 x window with label", editorTime, 1.3 * labelTime, "ms");
    met &= report("start-up, to 1.5 x bare window", editorTime, 1.5 * bareTime, "ms");
    met &= report("peak memory", editorPeak, barePeak + 15.0, "MB");
    return met ? 0 : 1;
}

#include "tool_path.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

extern char** environ;

namespace bench {

namespace {

constexpr int kRounds = 3;

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

double BestSeconds(const std::function<void()>& step) {
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        step();
        best = std::min(best, Since(start));
    }
    return best;
}

void WriteToNullDevice(std::string_view bytes) {
    std::FILE* null = std::fopen("/dev/null", "wb");
    if (null == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), null);
    std::fflush(null);
    std::fclose(null);
}

ProgramRun RunProgram(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ProgramRun run{true, 1e300, 0};
    for (int round = 0; round < kRounds && run.ok; ++round) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        int status = 0;
        rusage usage{};
        run.ok = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
                 wait4(child, &status, 0, &usage) == child && WIFEXITED(status) &&
                 WEXITSTATUS(status) == 0;
        run.seconds = std::min(run.seconds, Since(start));
        run.peak_bytes = std::max(run.peak_bytes, std::uint64_t(usage.ru_maxrss) * 1024);
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

bool PrintPath(std::string_view tool, std::uint64_t input_bytes, const PathSteps& steps,
               const ProgramRun& run) {
    // A step measured as the difference of two runs may come out a hair
    // below nothing.
    const auto positive = [](double seconds) { return std::max(0.0, seconds); };
    const double whole =
        steps.read + positive(steps.convert) + steps.tally + positive(steps.report) + steps.write;
    const double megabytes = double(input_bytes) / (1 << 20);
    std::printf("%.0f MB through %.*s, step by step:\n", megabytes, int(tool.size()), tool.data());
    const struct {
        const char* name;
        double seconds;
    } rows[] = {{"read", steps.read},
                {"convert", positive(steps.convert)},
                {"tally", steps.tally},
                {"report", positive(steps.report)},
                {"write", steps.write}};
    for (const auto& row : rows) {
        std::printf("  %-8s %7.3f s %5.1f %%\n", row.name, row.seconds, 100 * row.seconds / whole);
    }
    if (!run.ok) {
        std::printf("%.*s as a program: FAILED\n", int(tool.size()), tool.data());
        return false;
    }
    const double ratio = run.seconds / steps.tally;
    const double memory = double(run.peak_bytes) / double(input_bytes);
    const bool fast = ratio <= 2;
    const bool small = memory < 3;
    std::printf("%.*s as a program %.3f s, the engine %.3f s: ratio %.2f %s (at most 2)\n",
                int(tool.size()), tool.data(), run.seconds, steps.tally, ratio,
                fast ? "ok" : "MISSED");
    std::printf("%.*s peak memory %.0f MB: %.2f of the input %s (under 3)\n", int(tool.size()),
                tool.data(), double(run.peak_bytes) / (1 << 20), memory, small ? "ok" : "MISSED");
    return fast && small;
}

}  // namespace bench

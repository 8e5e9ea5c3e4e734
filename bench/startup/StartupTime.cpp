// quorvane_startup_bench: starts the application N times on the example data, each run ending at the workbook
// window's first paint, and reports the median wall time.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kUsage = "usage: quorvane_startup_bench [--runs N] [--data-dir DIR] QUORVANE\n"
                               "Off screen unless QT_QPA_PLATFORM is set. Exit status 1: a wrong command line or a "
                               "failed run.\n";

// One start to the first paint and out; negative when the program could not run or failed.
double RunOnce(const std::string& program, const std::string& dataDir)
{
    std::vector<std::string> args = {program, "--data-dir", dataDir, "--skip-first-run", "--quit-at-first-paint"};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 15;
    std::string dataDir = QV_EXAMPLE_DATA_DIR;
    std::string program;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--runs" || arg == "--data-dir") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--data-dir")
                dataDir = value;
            else if ((runs = std::atoi(value.c_str())) < 1) {
                std::cerr << "quorvane_startup_bench: --runs takes a positive number\n" << kUsage;
                return 1;
            }
        } else if (program.empty() && !arg.empty() && arg[0] != '-') {
            program = arg;
        } else {
            std::cerr << "quorvane_startup_bench: unexpected " << arg << '\n' << kUsage;
            return 1;
        }
    }
    if (program.empty()) {
        std::cerr << kUsage;
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double ms = RunOnce(program, dataDir);
        if (ms < 0) {
            std::cerr << "quorvane_startup_bench: run " << run + 1 << " of " << program << " failed\n";
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    const double median =
        times.size() % 2 ? times[times.size() / 2] : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
    std::cout << "start-up to the first paint, " << runs << " runs: median " << median << " ms (min " << times.front()
              << ", max " << times.back() << ")\n";
    return 0;
}

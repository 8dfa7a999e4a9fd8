// Start-up to the first window painted, timed as whole processes: the program's
// title window beside a bare Qt window of the same size (bare_window, built
// next to this program), each started in a process of its own that ends as soon
// as its window has been painted once. Prints the medians of wall time and peak
// memory of 5 runs of each after a warm-up, and the program's ratio to the bare window.
//   bench_startup           the comparison
//   bench_startup program   one start-up of the program (what the comparison runs)
#include "app/Application.h"
#include "app/Geomira.h"
#include "app/Windows.h"
#include "PaintWatcher.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

int programStartUp(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication(app);
    PaintWatcher watcher;
    win::Geomira.Load();
    win::Geomira.window()->installEventFilter(&watcher);
    win::Geomira.Show();
    if (platform::programEnded())
        return 1;
    QTimer::singleShot(10000, qApp, &QCoreApplication::quit);  // never hang
    const int result = QApplication::exec();
    win::UnloadAll();
    return result;
}

struct Run {
    double seconds = 0;
    double peakMiB = 0;
};

// One whole process: from its start to its end, with its peak resident memory.
// A spawned child's peak counts this process's own at the spawn, far below either child's.
Run runProcess(const std::vector<std::string>& command)
{
    std::vector<char*> args;
    for (const std::string& a : command)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) {
        std::perror(args[0]);
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not start cleanly\n", args[0]);
        std::exit(2);
    }
    return {elapsed.count(), usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "program") == 0)
        return programStartUp(argc, argv);

    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    const std::vector<std::string> program{self.string(), "program"};
    const std::vector<std::string> bare{(self.parent_path() / "bare_window").string()};
    constexpr int kRuns = 5;
    runProcess(program);
    runProcess(bare);
    std::vector<double> time[2], peak[2];
    for (int i = 0; i < kRuns; ++i)
        for (int k = 0; k < 2; ++k) {
            const Run run = runProcess(k == 0 ? program : bare);
            time[k].push_back(run.seconds);
            peak[k].push_back(run.peakMiB);
        }
    const double t[2] = {median(time[0]), median(time[1])}, m[2] = {median(peak[0]), median(peak[1])};
    std::printf("start-up to the first window painted, whole process, median of %d runs after a warm-up\n", kRuns);
    std::printf("                      wall       peak\n");
    std::printf("  Geomira title     %6.3f s  %6.1f MiB\n", t[0], m[0]);
    std::printf("  bare Qt window    %6.3f s  %6.1f MiB\n", t[1], m[1]);
    std::printf("  ratio             %6.2f    %6.2f\n", t[0] / t[1], m[0] / m[1]);
    return 0;
}

// Start-up benchmark: from starting the process to its window's first paint,
// for the game and for a bare window of the same kind, taken in turns, the
// median of each printed with their ratio.
//
// Usage (under an X server, e.g. xvfb-run -a, with SDL_AUDIODRIVER=dummy):
//   nuedori_startup_bench GAME_PROBE BASELINE_PROBE [RUNS]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Milliseconds from the start of the program to its first paint, or -1.
double timeToFirstPaint(const char* program) {
    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long long start = monotonicNs();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (text.empty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return static_cast<double>(std::atoll(text.c_str()) - start) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GAME_PROBE BASELINE_PROBE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    // One unmeasured start of each, so both find the fonts and libraries in the cache.
    timeToFirstPaint(argv[1]);
    timeToFirstPaint(argv[2]);
    std::vector<double> game, baseline;
    for (int i = 0; i < runs; ++i) {
        const double g = timeToFirstPaint(argv[1]), b = timeToFirstPaint(argv[2]);
        if (g < 0 || b < 0) {
            std::fprintf(stderr, "run %d: a probe did not paint (is there an X display?)\n", i + 1);
            return 1;
        }
        game.push_back(g);
        baseline.push_back(b);
    }
    const double mg = median(game), mb = median(baseline);
    std::printf("start-up to first paint, median of %d runs\n", runs);
    std::printf("  game      %7.1f ms   (min %.1f, max %.1f)\n", mg,
                *std::min_element(game.begin(), game.end()), *std::max_element(game.begin(), game.end()));
    std::printf("  baseline  %7.1f ms   (min %.1f, max %.1f)\n", mb,
                *std::min_element(baseline.begin(), baseline.end()),
                *std::max_element(baseline.begin(), baseline.end()));
    std::printf("  ratio     %7.2f      (target at most 1.30)\n", mg / mb);
    return 0;
}

// Start-up benchmark: the time from starting a program to its first mapped
// top-level window, and its resident memory a second later, for two programs
// in alternating runs. Needs an X server without a window manager (Xvfb).
//
//   brantile_startup_bench RUNS PROGRAM FLOOR_PROGRAM
//
// Prints each run and the medians, and the two ratios, program over floor.
// A benchmark, not a test: it never fails on a time.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    double megabytes;
};

double residentMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

Run measure(xcb_connection_t *connection, const char *program)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        std::perror(program);
        _exit(127);
    }
    double milliseconds = -1.0;
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY
            && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
        std::free(event);
        if (mapped) {
            milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const double megabytes = residentMegabytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // Let the server report the window's end before the next run starts.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
        std::free(event);
    return {milliseconds, megabytes};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM FLOOR_PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const char *programs[] = {argv[2], argv[3]};

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X server\n");
        return 2;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> times[2];
    std::vector<double> memory[2];
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            const Run run = measure(connection, programs[p]);
            times[p].push_back(run.milliseconds);
            memory[p].push_back(run.megabytes);
            std::printf("run %2d  %-8s %7.1f ms %7.1f MB\n", i + 1, p == 0 ? "program" : "floor",
                        run.milliseconds, run.megabytes);
        }
    }
    const double time[2] = {median(times[0]), median(times[1])};
    const double rss[2] = {median(memory[0]), median(memory[1])};
    std::printf("\nmedian of %d runs      start-up      memory\n", runs);
    std::printf("program             %7.1f ms  %7.1f MB\n", time[0], rss[0]);
    std::printf("floor               %7.1f ms  %7.1f MB\n", time[1], rss[1]);
    std::printf("program / floor     %7.2f     %7.2f\n", time[0] / time[1], rss[0] / rss[1]);
    xcb_disconnect(connection);
    return 0;
}

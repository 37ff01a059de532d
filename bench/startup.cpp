// Start-up benchmark: the time from starting a program to its first mapped
// top-level window, to the first drawing into that window (its first frame,
// seen through the X DAMAGE extension), and its resident memory a second
// later, for two programs in alternating runs. Needs an X server without a
// window manager (Xvfb).
//
//   brantile_startup_bench RUNS PROGRAM FLOOR_PROGRAM
//
// Prints each run and the medians, and the two ratios, program over floor.
// A benchmark, not a test: it never fails on a time.
#include <xcb/damage.h>
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
    double mapped;
    double painted;
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

Run measure(xcb_connection_t *connection, std::uint8_t damageEvent, const char *program)
{
    using Clock = std::chrono::steady_clock;
    const auto since = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        std::perror(program);
        _exit(127);
    }
    // Every top-level window gets a damage record when it is created, so that
    // its first drawing after the map is seen however soon it comes.
    Run run{-1.0, -1.0, 0.0};
    xcb_window_t window = XCB_NONE;
    std::vector<xcb_damage_damage_t> damages;
    while (run.painted < 0) {
        xcb_generic_event_t *event = xcb_wait_for_event(connection);
        if (event == nullptr)
            break;
        const std::uint8_t type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (!created->override_redirect) {
                damages.push_back(xcb_generate_id(connection));
                xcb_damage_create(connection, damages.back(), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection);
            }
        } else if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!map->override_redirect) {
                run.mapped = since(start);
                window = map->window;
            }
        } else if (type == damageEvent + XCB_DAMAGE_NOTIFY && window != XCB_NONE) {
            if (reinterpret_cast<xcb_damage_notify_event_t *>(event)->drawable == window)
                run.painted = since(start);
        }
        std::free(event);
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    run.megabytes = residentMegabytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    for (const xcb_damage_damage_t damage : damages)
        xcb_damage_destroy(connection, damage);
    // Let the server report the window's end before the next run starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
        std::free(event);
    return run;
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
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (damage == nullptr || !damage->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION,
                                             XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> mapped[2];
    std::vector<double> painted[2];
    std::vector<double> memory[2];
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            const Run run = measure(connection, damage->first_event, programs[p]);
            mapped[p].push_back(run.mapped);
            painted[p].push_back(run.painted);
            memory[p].push_back(run.megabytes);
            std::printf("run %2d  %-8s mapped %7.1f ms  painted %7.1f ms  %7.1f MB\n", i + 1,
                        p == 0 ? "program" : "floor", run.mapped, run.painted, run.megabytes);
        }
    }
    const double map[2] = {median(mapped[0]), median(mapped[1])};
    const double paint[2] = {median(painted[0]), median(painted[1])};
    const double rss[2] = {median(memory[0]), median(memory[1])};
    std::printf("\nmedian of %d runs   to mapped    to first frame    memory\n", runs);
    std::printf("program           %7.1f ms     %7.1f ms     %7.1f MB\n", map[0], paint[0], rss[0]);
    std::printf("floor             %7.1f ms     %7.1f ms     %7.1f MB\n", map[1], paint[1], rss[1]);
    std::printf("program / floor   %7.2f        %7.2f        %7.2f\n", map[0] / map[1],
                paint[0] / paint[1], rss[0] / rss[1]);
    xcb_disconnect(connection);
    return 0;
}

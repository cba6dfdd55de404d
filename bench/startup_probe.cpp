// Times one start of a program in an X session: launches it, and reports
//
//   <µs to the window mapped> <µs to its first complete frame> <peak KiB>
//
// The frame is complete when the X server stops drawing into the window: the
// last Damage event before a quiet spell of kQuietMs. Damage is watched from
// the moment the window is created, so no early drawing is missed, and the
// program's later periodic drawing (a blinking text cursor, a clock) comes
// after the quiet spell. Peak memory is VmHWM, read kMemoryAfterMapMs after
// mapping; the program is then ended.
//
// One process does all of it, so no command is started while timing: this
// machine takes 3 to 30 ms to start one.
//
//   startup_probe PROGRAM [ARGS...]

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr long kQuietMs = 200;
constexpr long kMemoryAfterMapMs = 1000;
constexpr long kGiveUpMs = 30000;

using Clock = std::chrono::steady_clock;

long microsSince(Clock::time_point start, Clock::time_point t)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(t - start).count());
}

[[noreturn]] void die(const char *what)
{
    std::fprintf(stderr, "startup_probe: %s\n", what);
    std::exit(2);
}

long peakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        die("usage: startup_probe PROGRAM [ARGS...]");

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        die("cannot reach the X server (DISPLAY)");
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present)
        die("the X server has no Damage extension");
    std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));

    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr)); // in effect from here

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        die("cannot fork");
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    xcb_window_t window = XCB_NONE;
    Clock::time_point mapped{};
    Clock::time_point lastDamage{};
    const int fd = xcb_get_file_descriptor(x);
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (window != XCB_NONE && lastDamage != Clock::time_point{}
            && now - lastDamage >= std::chrono::milliseconds(kQuietMs))
            break;
        if (now - start >= std::chrono::milliseconds(kGiveUpMs)) {
            kill(child, SIGKILL);
            die("no complete frame in time");
        }
        if (waitpid(child, nullptr, WNOHANG) == child)
            die("the program ended before its window was drawn");

        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(x), &std::free);
        if (!event) {
            pollfd wait{fd, POLLIN, 0};
            poll(&wait, 1, 5);
            continue;
        }
        const Clock::time_point seen = Clock::now();
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event.get());
            if (!created->override_redirect) {
                xcb_damage_create(x, xcb_generate_id(x), created->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(x);
            }
        } else if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
            if (!map->override_redirect) {
                window = map->window;
                mapped = seen;
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto *drawn = reinterpret_cast<xcb_damage_notify_event_t *>(event.get());
            if (window != XCB_NONE && drawn->drawable == window)
                lastDamage = seen;
        }
    }

    const long untilMemory = kMemoryAfterMapMs * 1000 - microsSince(mapped, Clock::now());
    if (untilMemory > 0)
        usleep(static_cast<useconds_t>(untilMemory));
    const long kib = peakKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    std::printf("%ld %ld %ld\n", microsSince(start, mapped), microsSince(start, lastDamage), kib);
    return kib > 0 ? 0 : 1;
}

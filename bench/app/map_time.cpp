// Starts a program and prints how long it took, in milliseconds, from the moment before it was
// started until a top-level window with the given title was mapped on the X display. The program
// is then ended with SIGTERM and waited for, so the next run finds its port and files free. A
// second figure is the CPU time the program used (all threads, user and system) until it ended:
// on a busy machine it varies far less than the time to the map.
//   map_time TITLE PROGRAM [ARGUMENT...]        prints "MAP_MS CPU_MS"
// Exits 1 (and prints why) if the program ends or nothing is mapped within 30 seconds.
//
// It listens for the X server's MapNotify events on the root window (no window manager runs on
// the bench's own display, so a program's top-level windows are the root's children) and for the
// child's end through a pid file descriptor: it waits on both, it never polls.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

std::string textProperty(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       std::size_t(xcb_get_property_value_length(reply.get())));
}

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? xcb_atom_t(reply->atom) : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: map_time TITLE PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "map_time: cannot open the display (xcb error %d)\n", xcb_connection_has_error(x));
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));
    const xcb_atom_t netName = atom(x, "_NET_WM_NAME");

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::fprintf(stderr, "map_time: cannot start %s: %s\n", argv[2], std::strerror(errno));
        _exit(127);
    }
    const int childFd = int(syscall(SYS_pidfd_open, child, 0));

    double mapped = -1;
    bool ended = false;
    const double deadline = start + 30000;
    for (;;) {
        // Events already read from the socket first; then wait for more or for the child's end.
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mapped < 0) {
                const double at = nowMs();
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                if (textProperty(x, window, netName) == title ||
                    textProperty(x, window, XCB_ATOM_WM_NAME) == title)
                    mapped = at;
            }
            std::free(event);
        }
        if (mapped >= 0 || xcb_connection_has_error(x))
            break;
        if (ended) {
            std::fprintf(stderr, "map_time: %s ended before its window was mapped\n", argv[2]);
            break;
        }
        pollfd fds[2] = {{xcb_get_file_descriptor(x), POLLIN, 0}, {childFd, POLLIN, 0}};
        const int left = int(deadline - nowMs());
        if (left <= 0 || poll(fds, childFd >= 0 ? 2 : 1, left) == 0) {
            std::fprintf(stderr, "map_time: no window \"%s\" within 30 s\n", title.c_str());
            break;
        }
        // Once the child has ended, its last events are read in one more pass before giving up.
        ended = fds[1].revents & POLLIN;
    }

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(x);
    if (mapped < 0)
        return 1;
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    std::printf("%.2f %.2f\n", mapped - start, ms(usage.ru_utime) + ms(usage.ru_stime));
    return 0;
}

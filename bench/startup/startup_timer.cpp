// Start-up side by side on an X display without a window manager, its root window black
// (Xvfb -br): each program is started in turn, RUNS times, alternating; measured are the time
// from the start until its window is painted, and the resident memory half a second later. Prints
// the medians and the ratios of the first program against the second, beside the goal of 1.3.
//
//     startup_timer RUNS PROGRAM YARDSTICK
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "resident_memory.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Start {
    double seconds;
    double residentMB;
};

unsigned long pixelAt(Display* display, Window window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

// Starts the program and waits until the middle of the first top-level window mapped after the
// start shows something else than the bare screen there: the window is painted.
Start measure(Display* display, const char* program) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);
    const auto begin = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    XEvent event;
    do XNextEvent(display, &event);
    while (event.type != MapNotify);
    XWindowAttributes place;
    XGetWindowAttributes(display, event.xmap.window, &place);
    const int x = place.x + place.width / 2, y = place.y + place.height / 2;
    const unsigned long bare = pixelAt(display, root, x, y);
    while (pixelAt(display, root, x, y) == bare)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    const double seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const Start s{seconds, residentMB(std::to_string(pid))};
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XSelectInput(display, root, NoEventMask);
    return s;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM YARDSTICK\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display (run under xvfb-run)\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> time[2], memory[2];
    for (int r = 0; r < runs; ++r)
        for (int p = 0; p < 2; ++p) {
            const Start s = measure(display, argv[2 + p]);
            time[p].push_back(s.seconds);
            memory[p].push_back(s.residentMB);
        }
    const double t0 = median(time[0]), t1 = median(time[1]);
    const double m0 = median(memory[0]), m1 = median(memory[1]);
    std::printf("%-12s %12s %12s\n", "", "visible [s]", "resident [MB]");
    std::printf("%-12s %12.3f %12.1f\n", "program", t0, m0);
    std::printf("%-12s %12.3f %12.1f\n", "yardstick", t1, m1);
    std::printf("%-12s %12.2f %12.2f   (goal 1.30: %s, %s)\n", "ratio", t0 / t1, m0 / m1,
                t0 / t1 <= 1.3 ? "holds" : "MISSED", m0 / m1 <= 1.3 ? "holds" : "MISSED");
    XCloseDisplay(display);
    return 0;
}

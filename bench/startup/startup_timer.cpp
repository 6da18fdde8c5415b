// Start-up side by side on an X display without a window manager, its root window black
// (Xvfb -br): each program is started in turn, RUNS times, alternating; measured are the time
// from the start until its window is painted, the processor time its threads had used by then
// (steadier than the time on a loaded machine), and the resident memory half a second later. Prints
// the medians and the ratios of each program against the yardstick, the last one named, beside
// the goal of 1.3. Several programs side by side show a change before and after in one run.
//
//     startup_timer RUNS PROGRAM... YARDSTICK
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "resident_memory.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Start {
    double seconds;
    double cpuSeconds;
    double residentMB;
};

// The processor time of all the process's threads so far, from the nanoseconds in schedstat.
double cpuSeconds(pid_t pid) {
    double total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream stat(task.path() / "schedstat");
        double nanoseconds = 0;
        if (stat >> nanoseconds) total += nanoseconds / 1e9;
    }
    return total;
}

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
    const double cpu = cpuSeconds(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const Start s{seconds, cpu, residentMB(std::to_string(pid))};
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
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM... YARDSTICK\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display (run under xvfb-run)\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const int programs = argc - 2;
    std::vector<std::vector<double>> time(programs), cpu(programs), memory(programs);
    for (int r = 0; r < runs; ++r)
        for (int p = 0; p < programs; ++p) {
            const Start s = measure(display, argv[2 + p]);
            time[p].push_back(s.seconds);
            cpu[p].push_back(s.cpuSeconds);
            memory[p].push_back(s.residentMB);
        }
    const double t1 = median(time.back()), c1 = median(cpu.back()), m1 = median(memory.back());
    std::printf("%-34s %11s %9s %13s   ratio: %6s %6s %6s\n", "", "visible [s]", "CPU [s]",
                "resident [MB]", "time", "CPU", "memory");
    for (int p = 0; p < programs; ++p) {
        const double t0 = median(time[p]), c0 = median(cpu[p]), m0 = median(memory[p]);
        std::printf("%-34s %11.3f %9.3f %13.1f          %6.2f %6.2f %6.2f", argv[2 + p], t0, c0, m0,
                    t0 / t1, c0 / c1, m0 / m1);
        if (p + 1 < programs)
            std::printf("   (goal 1.30: %s, %s)", t0 / t1 <= 1.3 ? "holds" : "MISSED",
                        m0 / m1 <= 1.3 ? "holds" : "MISSED");
        std::printf("\n");
    }
    XCloseDisplay(display);
    return 0;
}

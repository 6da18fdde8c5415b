// polyskop-monkey: a seeded random sequence of actions on the real window, offscreen, with the
// program's health checked after each one and a known analysis at the end.
// Usage: polyskop-monkey [--seed N] [--actions N]
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <random>

#include "app/application.h"
#include "app/frmFunktion.h"
#include "app/window_probe.h"
#include "final_analysis.h"
#include "health.h"
#include "monkey.h"
#include "random_dialogs.h"

namespace {

// The sanitizers' shadow memory and quarantine are not the program's memory: under them the
// memory is not checked.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool underSanitizer = true;
#else
constexpr bool underSanitizer = false;
#endif

// Only a hang fails an action; how fast actions are is for the benchmarks to show, and the
// slowest one is reported for a person to look at.
constexpr std::chrono::milliseconds hangAfter{120000};
// The densest grids the program draws, up to 2 million lines each way, hold about 110 MB of
// primitives, and the vector that holds them may have as much again reserved: 300 MB have been
// seen in a long run.
constexpr double peakAllowedMiB = 400;
// Drawings repeated since the last wipe retain nothing new. The densest grid the program draws
// holds up to 2 million lines each way; beyond that and the curves over it, something is kept
// that should not be.
constexpr std::size_t retainedAllowed = 5'000'000;

struct Options {
    unsigned seed = std::random_device{}();
    long actions = 20000;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString name = argv[i];
        bool ok = false;
        const qulonglong value = QString(argv[i + 1]).toULongLong(&ok);
        if (!ok) return false;
        if (name == "--seed")
            options.seed = static_cast<unsigned>(value);
        else if (name == "--actions")
            options.actions = static_cast<long>(value);
        else
            return false;
    }
    return argc % 2 == 1;
}

// Prints the peak memory of the run; false when it is more than allowed (a sanitizer build is
// not checked).
bool peakMemoryWithinLimit(QTextStream& out) {
    const double peak = health::peakMemoryMiB();
    out << "peak memory " << QString::number(peak, 'f', 1) << " MiB";
    const bool tooMuch = !underSanitizer && peak > peakAllowedMiB;
    if (underSanitizer) out << " (sanitizer build: not checked)";
    if (tooMuch) out << ", more than " << peakAllowedMiB << " MiB: FAIL";
    out << '\n';
    return !tooMuch;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    QTextStream out(stdout);
    Options options;
    if (!parse(argc, argv, options)) {
        out << "usage: polyskop-monkey [--seed N] [--actions N]\n";
        return 2;
    }
    out << "seed " << options.seed << ", " << options.actions << " actions\n";
    out.flush();

    std::mt19937 random(options.seed);
    RandomDialogs dialogs(random);
    frmFunktion window(dialogs);
    window.show();
    window.activateWindow();
    // The person starts after the first drawing, one second on: so the same seed gives the same
    // sequence however fast the machine is.
    const WindowProbe probe(window);
    while (probe.timerEnabled()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Monkey monkey(window, random);

    qint64 slowestMs = -1;
    QString slowest;
    std::size_t mostRetained = 0;
    const auto fail = [&](long n, const QString& what, const QString& why) {
        out << "FAIL after action " << n << " (" << what << "): " << why << '\n'
            << "reproduce: polyskop-monkey --seed " << options.seed << " --actions " << n << '\n';
        return 1;
    };
    for (long n = 1; n <= options.actions; ++n) {
        QElapsedTimer clock;
        clock.start();
        const QString what = monkey.step();
        if (!health::responds(hangAfter)) return fail(n, what, "the program does not respond");
        const qint64 ms = clock.elapsed();
        if (ms > slowestMs) {
            slowestMs = ms;
            slowest = QString("#%1 %2").arg(n).arg(what);
        }
        if (!health::pointerIsArrow(window)) return fail(n, what, "the pointer is not the arrow");
        const std::size_t retained = probe.retained().primitives().size();
        mostRetained = std::max(mostRetained, retained);
        if (retained > retainedAllowed)
            return fail(n, what, QString("the picture retains %1 primitives").arg(retained));
    }
    out << "slowest action " << slowestMs << " ms: " << slowest << '\n';
    out << dialogs.messages << " message boxes, " << dialogs.colourDialogs << " colour dialogs, "
        << dialogs.fileDialogs << " file and print dialogs answered\n";
    out << "largest retained picture " << mostRetained << " primitives\n";

    const QStringList wrong = checkKnownAnalysis(window, dialogs);
    for (const QString& line : wrong) out << "FAIL analysis of x^4-5x^2+4: " << line << '\n';

    const bool tooMuch = !peakMemoryWithinLimit(out);
    return wrong.isEmpty() && !tooMuch ? 0 : 1;
}

// polyskop-scenario: drives the real window offscreen from scenario files and prints what it
// shows. Usage: polyskop-scenario FILE...
#include <QApplication>
#include <QTextStream>

#include "app/application.h"
#include "runner.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    QTextStream out(stdout);
    Runner runner(out);
    for (int i = 1; i < argc; ++i) runner.runFile(QString::fromLocal8Bit(argv[i]));
    out << runner.passed << " passed, " << runner.failed << " failed\n";
    out.flush();
    if (runner.hadError) return 2;
    return runner.failed > 0 ? 1 : 0;
}

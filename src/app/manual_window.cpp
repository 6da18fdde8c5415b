#include "app/manual_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

constexpr char kLibrary[] = "polyskop_manual_viewer";

using MakeWindow = QWidget* (*)(const QIcon*);

MakeWindow lookUp() {
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {programDir, programDir + "/../" POLYSKOP_LIBDIR "/polyskop"}) {
        QLibrary library(QDir(dir).filePath(kLibrary));
        if (auto make = reinterpret_cast<MakeWindow>(library.resolve("polyskopManualWindow")))
            return make;  // the library stays loaded for the rest of the run
    }
    return nullptr;
}

}  // namespace

QWidget* newManualWindow(const QIcon& icon, QString& failure) {
    static const MakeWindow make = lookUp();
    if (make) return make(&icon);
    failure = QString(
                  "Das Handbuch kann nicht angezeigt werden: Die Bibliothek lib%1.so fehlt "
                  "neben dem Programm und in ../" POLYSKOP_LIBDIR "/polyskop.")
                  .arg(kLibrary);
    return nullptr;
}

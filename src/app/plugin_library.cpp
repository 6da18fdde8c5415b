#include "app/plugin_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QFunctionPointer resolveInPluginLibrary(const char* library, const char* symbol) {
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {programDir, programDir + "/../" POLYSKOP_LIBDIR "/polyskop"}) {
        QLibrary loaded(QDir(dir).filePath(library));
        if (QFunctionPointer found = loaded.resolve(symbol)) return found;
    }
    return nullptr;
}

QString missingLibraryText(const char* library, const QString& what) {
    return QString("%1: Die Bibliothek lib%2.so fehlt neben dem Programm und in ../" POLYSKOP_LIBDIR
                   "/polyskop.")
        .arg(what, library);
}

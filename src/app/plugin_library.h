#pragma once

#include <QFunctionPointer>
#include <QString>

// The program's libraries that are loaded only when first needed: beside the program (the build
// tree), then where `cmake --install` puts them. A library once loaded stays for the whole run.
QFunctionPointer resolveInPluginLibrary(const char* library, const char* symbol);

// "WHAT: Die Bibliothek libLIBRARY.so fehlt neben dem Programm und in ../lib/polyskop."
QString missingLibraryText(const char* library, const QString& what);

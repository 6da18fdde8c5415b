#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

// The window "Hilfe zu Polyskop", made by the manual viewer library, which is loaded at the first
// call: beside the program (the build tree), then where `cmake --install` puts it. Nothing, and
// `failure` says why in German, when the library cannot be loaded.
QWidget* newManualWindow(const QIcon& icon, QString& failure);

#pragma once

#include <QString>
#include <QStringList>

// Where the manual Polyskop.pdf is looked for, in order: beside the program (the build tree),
// then where `cmake --install` puts it (share/polyskop beside the program's bin folder).
QStringList manualCandidates(const QString& programDir);

// The first candidate that exists as a file, or an empty text.
QString findManual(const QString& programDir);

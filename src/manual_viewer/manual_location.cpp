#include "manual_viewer/manual_location.h"

#include <QDir>
#include <QFileInfo>

QStringList manualCandidates(const QString& programDir) {
    const QDir dir(programDir);
    return {QDir::cleanPath(dir.filePath("Polyskop.pdf")),
            QDir::cleanPath(dir.filePath("../share/polyskop/Polyskop.pdf"))};
}

QString findManual(const QString& programDir) {
    for (const QString& path : manualCandidates(programDir))
        if (QFileInfo(path).isFile()) return path;
    return {};
}

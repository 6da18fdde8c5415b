#include "app/manual_window.h"

#include "app/plugin_library.h"

namespace {

constexpr char kLibrary[] = "polyskop_manual_viewer";

using MakeWindow = QWidget* (*)(const QIcon*);

}  // namespace

QWidget* newManualWindow(const QIcon& icon, QString& failure) {
    static const auto make =
        reinterpret_cast<MakeWindow>(resolveInPluginLibrary(kLibrary, "polyskopManualWindow"));
    if (make) return make(&icon);
    failure = missingLibraryText(kLibrary, "Das Handbuch kann nicht angezeigt werden");
    return nullptr;
}

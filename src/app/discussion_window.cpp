#include "app/discussion_window.h"

#include "app/plugin_library.h"

namespace {

constexpr char kLibrary[] = "polyskop_discussion";

using MakeWindow = DiscussionWindow* (*)(const QIcon*);

}  // namespace

DiscussionWindow* newDiscussionWindow(const QIcon& icon, QString& failure) {
    static const auto make =
        reinterpret_cast<MakeWindow>(resolveInPluginLibrary(kLibrary, "polyskopDiscussionWindow"));
    if (make) return make(&icon);
    failure = missingLibraryText(kLibrary, "Die Kurvendiskussion kann nicht angezeigt werden");
    return nullptr;
}

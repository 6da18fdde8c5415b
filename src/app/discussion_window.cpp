#include "app/discussion_window.h"

#include "app/plugin_library.h"

namespace {

constexpr char kLibrary[] = "polyskop_discussion";

using MakeWindow = DiscussionWindow* (*)(const QIcon*);
using MakeTexts = void (*)(const QString*, DiscussionTexts*);
using PaintPages = void (*)(QPagedPaintDevice*, const QString*, const DiscussionPicture*);

template <typename Function>
Function resolved(const char* symbol) {
    return reinterpret_cast<Function>(resolveInPluginLibrary(kLibrary, symbol));
}

}  // namespace

DiscussionWindow* newDiscussionWindow(const QIcon& icon, QString& failure) {
    static const auto make = resolved<MakeWindow>("polyskopDiscussionWindow");
    if (make) return make(&icon);
    failure = missingLibraryText(kLibrary, "Die Kurvendiskussion kann nicht angezeigt werden");
    return nullptr;
}

bool discussionTexts(const std::array<QString, 5>& coefficients, DiscussionTexts& texts,
                     QString& failure) {
    static const auto make = resolved<MakeTexts>("polyskopDiscussionTexts");
    if (make) {
        make(coefficients.data(), &texts);
        return true;
    }
    failure = missingLibraryText(kLibrary, "Die Kurvendiskussion kann nicht kopiert werden");
    return false;
}

bool paintDiscussion(QPagedPaintDevice& device, const std::array<QString, 5>& coefficients,
                     const DiscussionPicture& picture, QString& failure) {
    static const auto paint = resolved<PaintPages>("polyskopPaintDiscussion");
    if (paint) {
        paint(&device, coefficients.data(), &picture);
        return true;
    }
    failure = missingLibraryText(kLibrary, "Die Kurvendiskussion kann nicht gedruckt werden");
    return false;
}

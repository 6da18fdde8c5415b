#include "app/discussion_window.h"

#include "app/plugin_library.h"
#include "app/steckbrief_window.h"

namespace {

constexpr char kLibrary[] = "polyskop_discussion";

using MakeWindow = DiscussionWindow* (*)(const QIcon*);
using MakeSteckbrief = SteckbriefWindow* (*)(const QIcon*);
using MakeTexts = void (*)(const CoefficientTexts*, DiscussionTexts*);
using PaintPages = void (*)(QPagedPaintDevice*, const CoefficientTexts*, const DiscussionPicture*);

template <typename Function>
Function resolved(const char* symbol) {
    return reinterpret_cast<Function>(resolveInPluginLibrary(kLibrary, symbol));
}

}  // namespace

SteckbriefWindow* newSteckbriefWindow(const QIcon& icon, QString& failure) {
    static const auto make = resolved<MakeSteckbrief>("polyskopSteckbriefWindow");
    if (make) return make(&icon);
    failure = missingLibraryText(kLibrary, "Der Steckbrief kann nicht angezeigt werden");
    return nullptr;
}

DiscussionWindow* newDiscussionWindow(const QIcon& icon, QString& failure) {
    static const auto make = resolved<MakeWindow>("polyskopDiscussionWindow");
    if (make) return make(&icon);
    failure = missingLibraryText(kLibrary, "Die Kurvendiskussion kann nicht angezeigt werden");
    return nullptr;
}

bool discussionTexts(const CoefficientTexts& coefficients, DiscussionTexts& texts,
                     QString& failure) {
    static const auto make = resolved<MakeTexts>("polyskopDiscussionTexts");
    if (make) {
        make(&coefficients, &texts);
        return true;
    }
    failure = missingLibraryText(kLibrary, "Die Kurvendiskussion kann nicht kopiert werden");
    return false;
}

bool paintDiscussion(QPagedPaintDevice& device, const CoefficientTexts& coefficients,
                     const DiscussionPicture& picture, QString& failure) {
    static const auto paint = resolved<PaintPages>("polyskopPaintDiscussion");
    if (paint) {
        paint(&device, &coefficients, &picture);
        return true;
    }
    failure = missingLibraryText(kLibrary, "Die Kurvendiskussion kann nicht gedruckt werden");
    return false;
}

#include "app/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTranslator>

#include "app/accessible_interfaces.h"
#include "app/deferred_icon_style.h"
#include "app/escape_closes.h"
#include "app/focus_frame.h"
#include "app/scaled_style.h"

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName("Polyskop");
    QGuiApplication::setDesktopFileName("org.polyskop.polyskop");
    QApplication::setStyle(new ScaledStyle(new DeferredIconStyle(QApplication::style()->name())));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::German), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    installAccessibleInterfaces();
    closeSecondaryWindowsOnEscape(app);
    showKeyboardFocusFrame(app);
}

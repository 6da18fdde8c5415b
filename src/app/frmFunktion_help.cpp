// The two help windows: the manual and the short information with the function list.
#include "app/frmFunktion.h"
#include "app/frmHelpFKT.h"
#include "app/manual_window.h"
#include "app/show_once.h"

void frmFunktion::connectHelpHandlers() {
    connect(btHilfe, &QPushButton::clicked, this, [this] { btHilfe_Click(); });
    connect(btHelpFKT, &QPushButton::clicked, this, [this] { btHelpFKT_Click(); });
}

void frmFunktion::btHilfe_Click() {
    showFromLibrary(hilfe_, dialogs, "Hilfe zu Polyskop",
                    [this](QString& failure) { return newManualWindow(windowIcon(), failure); });
}

void frmFunktion::btHelpFKT_Click() {
    showOnce(helpFKT_, [this] { return new frmHelpFKT(windowIcon()); });
}

void frmFunktion::showAbout() {
    dialogs.message(Dialogs::Icon::Info, "Über Polyskop",
                    "Polyskop " POLYSKOP_VERSION
                    "\r\n"
                    "Kurvendiskussion ganzrationaler Funktionen bis zum 4. Grad: Nullstellen, "
                    "Extrem- und Wendepunkte und die Kurven von y, y', y'' und y''' mit Rechner "
                    "und Tastenfeld.\r\n"
                    "Lizenz: GNU General Public License, Version 3 oder später "
                    "(GPL-3.0-or-later).\r\n"
                    "Polyskop-Team");
}

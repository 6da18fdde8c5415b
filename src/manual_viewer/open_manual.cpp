// The library's one entry. The main window looks it up by name when "Hilfe" is first pressed,
// so that the PDF libraries are loaded then and not at every start of the program.
#include "manual_viewer/frmHilfe.h"

extern "C" Q_DECL_EXPORT QWidget* polyskopManualWindow(const QIcon* icon) {
    return new frmHilfe(*icon);
}

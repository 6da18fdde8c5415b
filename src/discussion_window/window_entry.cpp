// The library's one entry. The main window looks it up by name when the Kurvendiskussion is
// first asked for, so that FLINT and Arb are loaded then and not at every start of the program.
#include "discussion_window/frmKurvendiskussion.h"

extern "C" Q_DECL_EXPORT DiscussionWindow* polyskopDiscussionWindow(const QIcon* icon) {
    return new frmKurvendiskussion(*icon);
}

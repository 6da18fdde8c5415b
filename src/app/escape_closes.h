#pragma once

class QApplication;

// Escape closes the program's secondary windows (the value table, the help windows, the
// Kurvendiskussion, the Steckbrief), as it closes a dialog. The main window and the dialogs keep
// their own handling of the key.
void closeSecondaryWindowsOnEscape(QApplication& app);

#pragma once

class QApplication;

// What every program that shows the window sets up first:
// - the application's name (the title of message boxes) and its desktop file name (shells show
//   its icon and group its windows by it);
// - Qt's German translations, so that the toolkit's own texts (the colour dialog, the fields'
//   context menus) are German like the rest;
// - the desktop's style, with the menu bar's extension arrow read only when it is painted;
// - the program's own accessible interfaces;
// - Escape closing the secondary windows, and the frame around the control that has the
//   keyboard focus.
void setUpApplication(QApplication& app);

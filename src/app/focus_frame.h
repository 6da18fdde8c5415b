#pragma once

class QApplication;

// A frame around the control that has the keyboard focus, once the focus has moved by keyboard
// (Tab, a shortcut), as desktops show it. It is black outside and white inside, so that it shows
// on the coloured buttons and under every palette, light or dark.
void showKeyboardFocusFrame(QApplication& app);

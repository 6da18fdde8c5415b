#pragma once

#include <QColor>

#include "plot/surface.h"

// The program's colours, red in the lowest byte, as Qt's and back.
inline QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline Colour toColour(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

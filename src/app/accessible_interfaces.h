#pragma once

// The program's own accessible interfaces: the plot as a chart whose description is the window's
// words for it (the function and its marked points), asked for afresh each time it is read; and
// each of the program's windows as a window (the toolkit makes a plain widget window a filler,
// whose title screen readers do not announce).
void installAccessibleInterfaces();
